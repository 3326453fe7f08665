// The report tool as built, run on a generated herd: its PDF and CSV, its CSV against the
// windows' CSV export, and its refusals.
#include "entry/toffenepunkte.h"
#include "evaluation/auswertung.h"
#include "evaluation/tabsetzen.h"
#include "evaluation/tauswertung.h"
#include "evaluation/tbelegwochen.h"
#include "evaluation/tsaubewegung.h"
#include "feed/futterdateien.h"
#include "herd/hilfslisten.h"
#include "plan/tarbeitsplan.h"
#include "programm/appcontext.h"
#include "stamm/planfiles.h"
#include "support/apphilfe.h"
#include "support/modaltreiber.h"
#include "support/testcontext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDate kHeute(2026, 3, 2);

// What a poppler tool prints for a PDF.
QString poppler(const QString& programm, const QStringList& args) {
    QProcess p;
    p.start(programm, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList woerter(const char* s) {
    return QString::fromUtf8(s).split(u' ');
}

// A feed mix of two components, so that the mix report has something to show.
void mischungAnlegen(const QString& pfad) {
    TMischungRec m;
    m.setName("Sauenfutter");
    for (int i = 0; i < 2; ++i) {
        TMischungsPosten p;
        p.setName(i == 0 ? "Gerste" : "Weizen");
        p.setAnteil(i == 0 ? 60 : 40);
        p.setInhalt(0, 880);
        m.setPosten(i, p);
    }
    QVERIFY(MischungenSpeichern(pfad, {m}));
}

// Each report: herd folder ("": the one the settings name), arguments, the PDF's first page
// text or the CSV's first lines (joined by "|"), page or line count (-1: not checked). The CSV
// the windows also export is compared byte for byte in wieFenster.
struct Ausgabe {
    const char *daten, *args, *kopf;
    int anzahl;
};
const Ausgabe kAusgaben[] = {
    {"herde", "arbeitsplan --pdf o.pdf", "Arbeitsplan ab 2.3.26", -1},
    {"herde", "arbeitsplan --kw 11 --csv o.csv",
     "Sau;Ferk.D;W.;Tag;Stall;09.03.2026 Mo;10.03.2026 Di;11.03.2026 Mi", -1},
    {"herde", "arbeitsplan --ab 4.3.26 --csv o.csv", "Sau;Ferk.D;W.;Tag;Stall;04.03.2026 Mi", -1},
    {"herde", "auswertung --auswahl --von 1.1.2020 --csv o.csv", "Belegen 1.1.20 - 2.3.26|Sauen;",
     20},
    {"herde", "auswertung --eber Caruso --datumsart ferkeln --von 1.1.18 --alle-wuerfe --csv o.csv",
     "Abferkeln 1.1.18 - 2.3.26  Eber: Caruso|Sauen;", 9},
    {"herde", "auswertung --sau 1 --wurf 2 --pdf o.pdf", "Auswertung Sau 1 Wurf 2", 1},
    {"herde", "bewegungen --von 1 --bis 10 --pdf o.pdf", "Sau-Nr.", 1},
    {"herde", "ferkelbuch --von 1 --bis 20 --pdf o.pdf", "Index", 1},
    {"herde", "ausfallzeitpunkt --von 1.1.18 --pdf o.pdf", "Übersicht Ausfallzeitpunkt", 1},
    {"herde", "karte 1 A16 2 --pdf o.pdf", "DE 0357 341708", 3},
    {"herde", "hitliste --von 1.1.18 --pdf o.pdf", "Hitliste", -1},
    {"herde", "vergleich rasse --von 1.1.18 --pdf o.pdf", "Vergleich Rasse", -1},
    {"herde", "mischung Sauenfutter --pdf o.pdf", "Sauenfutter", 1},
    {"herde", "mischung Sauenfutter --csv o.csv", "Fest;Menge;Name;TS;MJ", -1},
    {"", "bewegungen --csv o.csv", "Nr.;Sau-Nr.", 201},
    {"", "--einstellungen pv.ini arbeitsplan --csv o.csv", "Sau;Ferk.D;W.;Tag;02.03.2026 Mo;", 142},
    {"kaputt", "bewegungen --csv o.csv", "Nr.;Sau-Nr.", 200},
    {"herde", "wurfdaten --csv o.csv", "Sau-Nr.;Stall;Herkunft;TVG;Rasse;Zugang;Abgang;Gruppe", -1},
};

// Refusals: arguments and the message.
const char* const kFehler[][2] = {
    {"--csv o.csv", "Es ist kein Bericht angegeben"},
    {"tagebuch --csv o.csv", "Unbekannter Bericht tagebuch."},
    {"wurfdaten --pdf o.pdf", "Den Bericht wurfdaten gibt es nur als CSV."},
    {"vergleich kuh --pdf o.pdf", "vergleich braucht eber, herkunft oder rasse."},
    {"bewegungen", "Bitte genau eine Ausgabe angeben"},
    {"arbeitsplan --csv o.csv --kw", "Zur Option --kw fehlt der Wert."},
    {"bewegungen --sau 1 --csv o.csv", "Die Option --sau gibt es beim Bericht bewegungen nicht."},
    {"bewegungen --farbe rot --csv o.csv", "Unbekannte Option --farbe."},
    {"arbeitsplan --kw 54 --csv o.csv", "die Woche muss zwischen 1 und 53 liegen."},
    {"arbeitsplan --kw 0 --csv o.csv", "die Woche muss zwischen 1 und 53 liegen."},
    {"vergleich eber --eber Caruso --pdf o.pdf", "--eber gilt nicht beim Vergleich nach eber"},
    {"bewegungen --von 1 --bis 10 --csv o.csv", "gelten nur mit --pdf"},
    {"arbeitsplan --kw 3 --ab 1.1.26 --csv o.csv", "--ab und --kw schließen sich aus."},
    {"arbeitsplan --plantyp Abferkeln --csv o.csv", "Den Plantyp Abferkeln gibt es nicht."},
    {"auswertung --auswahl --von 31.2.26 --csv o.csv",
     "--von: \"31.2.26\" ist kein gültiges Datum."},
    {"auswertung --auswahl --datumsart gestern --csv o.csv",
     "--datumsart: \"gestern\" ist keine Datumsart"},
    {"auswertung --csv o.csv", "genau eines von --sau"},
    {"auswertung --sau 1 --von 1.1.20 --csv o.csv", "--von gilt nicht mit --sau."},
    {"auswertung --sau 99999 --csv o.csv", "Die Sau 99999 gibt es nicht."},
    {"auswertung --sau 1 --wurf 40 --csv o.csv", "Die Sau 1 hat keinen 40. Wurf."},
    {"karte 1 99999 --pdf o.pdf", "Die Sau 99999 gibt es nicht."},
    {"mischung Ferkelfutter --pdf o.pdf", "Die Mischung Ferkelfutter gibt es nicht."},
    {"ausfallzeitpunkt --nur-ganze-wuerfe --alle-wuerfe --pdf o.pdf", "schließen sich aus"},
    {"ferkelbuch --von x --pdf o.pdf", "--von: \"x\" ist keine gültige Zahl."},
    {"--heute 2.3.26 bewegungen --csv o.csv", "--heute:"},
    {"--daten fehlt bewegungen --csv o.csv", "Das Datenverzeichnis"},
    {"--einstellungen fehlt.ini bewegungen --csv o.csv", "Die Einstellungsdatei"},
    {"bewegungen --csv datei/o.csv", "/datei/o.csv: Der Ordner ist nicht vorhanden."},
    {"karte 1 --pdf nurlesen/o.pdf", "/nurlesen/o.pdf: Keine Berechtigung (Zugriff verweigert)."},
};

} // namespace

class TestBericht : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString pfad(const QString& name) const { return dir_.filePath(name); }

    // The tool on its own home and settings folder, on kHeute unless `args` name a day; the
    // exit status (-1: crashed) and what it wrote to stderr.
    std::pair<int, QString> starten(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("PORVANTA_DATENPFAD");
        env.insert("HOME", pfad("home"));
        env.insert("XDG_CONFIG_HOME", pfad("config"));
        env.insert("XDG_DATA_HOME", pfad("data"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir_.path());
        const QStringList heute = {"--heute", kHeute.toString(Qt::ISODate)};
        p.start(PORVANTA_BERICHT, args.contains(heute[0]) ? args : heute + args);
        if (!p.waitForFinished(60000)) p.kill();
        p.waitForFinished();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardError())};
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        for (const char* o : {"home", "config/Porvanta/Porvanta", "data", "herde", "kaputt"})
            QVERIFY(QDir().mkpath(pfad(o)));
        QProcess demo;
        demo.start(PORVANTA_DEMOHERDE,
                   {pfad("herde"), "200", "--seed", "1", "--heute", kHeute.toString(Qt::ISODate)});
        QVERIFY(demo.waitForFinished(60000));
        QCOMPARE(demo.exitCode(), 0);
        mischungAnlegen(pfad("herde/"));
        // A herd file cut in the middle of a record; a file where a folder is expected.
        const QByteArray herde = inhalt(pfad("herde/SAUWURF.DAT"));
        QVERIFY(schreiben(pfad("kaputt/SAUWURF.DAT"), herde.left(herde.size() - 300)));
        QVERIFY(schreiben(pfad("datei"), {}));
        // The per-user store names the herd; a settings file of its own also drops "Stall".
        const QByteArray ini = "[EINSTELLUNGEN]\r\nPFAD=" + pfad("herde").toUtf8() + "\r\n";
        QVERIFY(schreiben(pfad("config/Porvanta/Porvanta/PV.INI"), ini));
        QVERIFY(schreiben(pfad("pv.ini"), ini + "[ARBPLAN]\r\nMITSTALL=0\r\n"));
        QVERIFY(QDir().mkpath(pfad("nurlesen")));
        QFile::setPermissions(pfad("nurlesen"), QFile::ReadOwner | QFile::ExeOwner);
    }

    // The tool draws its PDF with Qt Gui and needs no widgets.
    void ohneWidgets() {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QStringLiteral(PORVANTA_BERICHT)});
        QVERIFY(ldd.waitForFinished());
        const QByteArray bibliotheken = ldd.readAllStandardOutput();
        QVERIFY(bibliotheken.contains("libQt6Gui"));
        QVERIFY(!bibliotheken.contains("libQt6Widgets"));
        QVERIFY(!bibliotheken.contains("libQt6PrintSupport"));
    }

    // Status 0 and the file as described; only the damaged herd is reported.
    void ausgabe_data() {
        QTest::addColumn<QString>("daten");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<int>("anzahl");
        for (const Ausgabe& a : kAusgaben)
            QTest::addRow("%s: %s", a.daten, a.args)
                << QString::fromUtf8(a.daten) << woerter(a.args) << QString::fromUtf8(a.kopf)
                << a.anzahl;
    }
    void ausgabe() {
        QFETCH(QString, daten);
        QFETCH(QStringList, args);
        QFETCH(QString, kopf);
        QFETCH(int, anzahl);
        const QString datei = pfad(args.last());
        QFile::remove(datei);
        args.last() = datei;
        if (!daten.isEmpty()) args = QStringList{"--daten", pfad(daten)} + args;
        const auto [status, fehler] = starten(args);
        QCOMPARE(status, 0);
        if (daten == QLatin1String("kaputt"))
            QVERIFY2(fehler.contains("Fehler beim Lesen der Datei SAUWURF.DAT!"),
                     qPrintable(fehler));
        else
            QCOMPARE(fehler, QString());
        if (datei.endsWith(QLatin1String(".pdf"))) {
            if (anzahl >= 0) {
                static const QRegularExpression re("Pages:\\s+(\\d+)");
                QCOMPARE(re.match(poppler("pdfinfo", {datei})).captured(1).toInt(), anzahl);
            }
            const QString text = poppler("pdftotext", {"-l", "1", datei, "-"});
            QVERIFY2(text.contains(kopf), qPrintable(text.left(300)));
        } else {
            const QByteArray b = inhalt(datei);
            QVERIFY(b.startsWith("\xEF\xBB\xBF"));
            const QStringList zeilen =
                QString::fromUtf8(b.mid(3)).split("\r\n", Qt::SkipEmptyParts);
            const QString anfang = zeilen.mid(0, int(kopf.count(u'|')) + 1).join(u'|');
            QVERIFY2(anfang.startsWith(kopf), qPrintable(anfang));
            if (anzahl >= 0) QCOMPARE(zeilen.size(), anzahl);
        }
    }

    // Status 2, the German message, and no output file.
    void fehler_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("meldung");
        for (const auto& f : kFehler)
            QTest::newRow(f[0]) << woerter(f[0]) << QString::fromUtf8(f[1]);
    }
    void fehler() {
        QFETCH(QStringList, args);
        QFETCH(QString, meldung);
        QFile::remove(pfad("o.csv"));
        QFile::remove(pfad("o.pdf"));
        if (args.join(u' ').contains("nurlesen/") && QFileInfo(pfad("nurlesen")).isWritable())
            QSKIP("every folder can be written here (run as root)");
        // Relative names (output, --daten fehlt) are taken in the test folder.
        if (!args.contains("--daten")) args = QStringList{"--daten", pfad("herde")} + args;
        const auto [status, text] = starten(args);
        QCOMPARE(status, 2);
        QVERIFY2(text.contains(meldung), qPrintable(text));
        QVERIFY(!QFile::exists(pfad("o.csv")));
        QVERIFY(!QFile::exists(pfad("o.pdf")));
        QVERIFY(QDir(pfad("nurlesen")).entryList(QDir::Files).isEmpty());
    }

    // The tool's CSV is byte for byte what the window exports.
    void wieFenster_data() {
        QTest::addColumn<QString>("bericht");
        for (const char* b :
             {"arbeitsplan", "auswahl", "sau", "bewegungen", "ferkelbuch", "belegwochen", "offen"})
            QTest::newRow(b) << QString::fromLatin1(b);
    }
    void wieFenster() {
        QFETCH(QString, bericht);
        TestContext t(kHeute);
        t.ctx.Datenpfad = pfad("herde/"); // loaded as the program does
        DatenLaden(t.ctx);
        const QString fenster = pfad("fenster.csv"), tool = pfad("tool.csv");
        QStringList args{bericht};
        if (bericht == QLatin1String("arbeitsplan")) {
            TArbeitsplan w(t.ctx);
            ModalTreiber treiber;
            treiber.dann([](QDialog* d) { d->findChild<QPushButton*>("OKBtn")->click(); });
            w.Plan1Click();
            QVERIFY(w.csvSchreiben(fenster));
        } else if (bericht == QLatin1String("auswahl")) {
            TAuswertungsFilter f;
            f.Von = TKurzDatum::aus(QDate(2019, 1, 1));
            f.Bis = TKurzDatum::aus(kHeute);
            f.Datumsart = daAbsetzen;
            TAuswertung w(t.ctx);
            w.HerdeAuswerten(amAuswahl, f);
            QVERIFY(w.csvSpeichern(fenster));
            args = woerter("auswertung --auswahl --datumsart absetzen --von 1.1.19 --alle-wuerfe");
        } else if (bericht == QLatin1String("sau")) {
            TAuswertung w(t.ctx);
            w.SauAuswerten(2);
            QVERIFY(w.csvSpeichern(fenster));
            args = woerter("auswertung --sau") << t.ctx.Sauenliste[2].rec.SauNr();
        } else if (bericht == QLatin1String("belegwochen")) {
            // The window's preset period: the last 26 weeks.
            TBelegwochen w(t.ctx);
            w.Auswerten(BelegwochenVorgabe(kHeute, Gruppenraster()));
            QVERIFY(w.gruppen().size() >= 20);
            QVERIFY(w.CsvSpeichern(fenster));
        } else if (bericht == QLatin1String("bewegungen")) {
            TSaubewegung w(t.ctx);
            w.show(); // the list is built when it is first shown
            QVERIFY(w.CsvSpeichern(fenster));
        } else if (bericht == QLatin1String("offen")) {
            // Half a year on, much of the herd book is overdue.
            t.clock.set(kHeute.addMonths(6));
            TOffenePunkte w(t.ctx);
            w.show();
            QVERIFY(w.CsvSpeichern(fenster));
            args = QStringList{"--heute", kHeute.addMonths(6).toString(Qt::ISODate), "offen"};
        } else {
            TAbsetzen w(t.ctx);
            w.show();
            QVERIFY(w.CsvSpeichern(fenster));
        }
        QCOMPARE(starten(QStringList{"--daten", pfad("herde")} + args + QStringList{"--csv", tool})
                     .first,
                 0);
        const QByteArray erwartet = inhalt(fenster);
        QVERIFY(erwartet.size() > 100);
        QCOMPARE(inhalt(tool), erwartet);
    }
};

QTEST_MAIN(TestBericht)
#include "tst_bericht.moc"
