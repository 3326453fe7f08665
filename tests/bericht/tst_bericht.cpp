// The report tool as built, run on a generated herd: its PDF and CSV, its CSV against the
// windows' CSV export, and its refusals.
#include "evaluation/auswertung.h"
#include "evaluation/tabsetzen.h"
#include "evaluation/tauswertung.h"
#include "evaluation/tsaubewegung.h"
#include "feed/futterdateien.h"
#include "herd/hilfslisten.h"
#include "plan/planfiles.h"
#include "plan/tarbeitsplan.h"
#include "programm/appcontext.h"
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

struct Lauf {
    int status = -1;
    QString fehler;
};

QByteArray lesen(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What a poppler tool prints for a PDF.
QString poppler(const QString& programm, const QStringList& args) {
    QProcess p;
    p.start(programm, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void schreiben(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

int seiten(const QString& pdf) {
    static const QRegularExpression re(QStringLiteral("Pages:\\s+(\\d+)"));
    return re.match(poppler(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

// A feed mix of two components, so that the mix report has something to show.
void mischungAnlegen(const QString& pfad) {
    TMischungRec m;
    m.setName(QStringLiteral("Sauenfutter"));
    const char* namen[] = {"Gerste", "Weizen"};
    for (int i = 0; i < 2; ++i) {
        TMischungsPosten p;
        p.setName(QString::fromLatin1(namen[i]));
        p.setAnteil(i == 0 ? 60 : 40);
        p.setInhalt(0, 880);
        m.setPosten(i, p);
    }
    QVERIFY(MischungenSpeichern(pfad, {m}));
}

} // namespace

class TestBericht : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString pfad(const QString& name) const { return dir_.filePath(name); }

    // The tool on its own home and settings folder, on kHeute unless `args` name a day.
    Lauf starten(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("PORVANTA_DATENPFAD"));
        env.insert(QStringLiteral("HOME"), pfad(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), pfad(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), pfad(QStringLiteral("data")));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir_.path());
        const QStringList heute = {QStringLiteral("--heute"), kHeute.toString(Qt::ISODate)};
        p.start(QStringLiteral(PORVANTA_BERICHT), args.contains(heute[0]) ? args : heute + args);
        if (!p.waitForFinished(60000)) p.kill();
        p.waitForFinished();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardError())};
    }

    // A context that loads the herd as the program does, for the windows.
    void laden(TestContext& t) {
        t.ctx.Datenpfad = pfad(QStringLiteral("herde/"));
        DatenLaden(t.ctx);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        for (const char* o : {"home", "config", "data", "herde", "kaputt"})
            QVERIFY(QDir().mkpath(pfad(QString::fromLatin1(o))));
        QProcess demo;
        demo.start(QStringLiteral(PORVANTA_DEMOHERDE),
                   {pfad(QStringLiteral("herde")), QStringLiteral("200"), QStringLiteral("--seed"),
                    QStringLiteral("1"), QStringLiteral("--heute"), kHeute.toString(Qt::ISODate)});
        QVERIFY(demo.waitForFinished(60000));
        QCOMPARE(demo.exitCode(), 0);
        mischungAnlegen(pfad(QStringLiteral("herde/")));
        // A herd file cut in the middle of a record.
        const QByteArray herde = lesen(pfad(QStringLiteral("herde/SAUWURF.DAT")));
        QFile k(pfad(QStringLiteral("kaputt/SAUWURF.DAT")));
        QVERIFY(k.open(QIODevice::WriteOnly));
        k.write(herde.left(herde.size() - 300));
        k.close();
        QFile keinOrdner(pfad(QStringLiteral("datei")));
        QVERIFY(keinOrdner.open(QIODevice::WriteOnly));
        // The per-user store names the herd; a settings file of its own also drops "Stall".
        const QString herdeIni =
            QStringLiteral("[EINSTELLUNGEN]\r\nPFAD=%1\r\n").arg(pfad(QStringLiteral("herde")));
        QVERIFY(QDir().mkpath(pfad(QStringLiteral("config/Porvanta/Porvanta"))));
        schreiben(pfad(QStringLiteral("config/Porvanta/Porvanta/PV.INI")), herdeIni.toUtf8());
        schreiben(pfad(QStringLiteral("pv.ini")),
                  (herdeIni + QStringLiteral("[ARBPLAN]\r\nMITSTALL=0\r\n")).toUtf8());
        QVERIFY(QDir().mkpath(pfad(QStringLiteral("nurlesen"))));
        QFile::setPermissions(pfad(QStringLiteral("nurlesen")), QFile::ReadOwner | QFile::ExeOwner);
    }

    // Each report: status 0, the PDF's pages and first page text, or the CSV's first lines
    // (joined by "|") and line count (-1: not checked).
    void ausgabe_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("daten");
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("meldung");
        const QString ok;
        const auto z = [](const char* s) { return QString::fromUtf8(s).split(u' '); };
        QTest::newRow("plan pdf") << z("arbeitsplan --pdf o.pdf") << "herde"
                                  << "Arbeitsplan ab 2.3.26" << -1 << ok;
        QTest::newRow("plan kw csv")
            << z("arbeitsplan --kw 11 --csv o.csv") << "herde"
            << "Sau;Ferk.D;W.;Tag;Stall;09.03.2026 Mo;10.03.2026 Di;11.03.2026 Mi" << -1 << ok;
        QTest::newRow("plan ab csv") << z("arbeitsplan --ab 4.3.26 --csv o.csv") << "herde"
                                     << "Sau;Ferk.D;W.;Tag;Stall;04.03.2026 Mi" << -1 << ok;
        QTest::newRow("auswahl pdf")
            << z("auswertung --auswahl --von 1.1.20 --pdf o.pdf") << "herde"
            << "Auswertung" << 1 << ok;
        QTest::newRow("auswahl csv")
            << z("auswertung --auswahl --von 1.1.2020 --csv o.csv") << "herde"
            << "Kennzahl;mittel;gesamt;je Wurf" << 18 << ok;
        QTest::newRow("eber csv")
            << z("auswertung --eber Caruso --datumsart ferkeln --von 1.1.18 --alle-wuerfe "
                 "--csv o.csv")
            << "herde"
            << "Kennzahl;mittel;gesamt;je Wurf|Deckungen;" << 7 << ok;
        QTest::newRow("sau csv") << z("auswertung --sau 1 --csv o.csv") << "herde"
                                 << "Kennzahl;mittel;gesamt;je Wurf" << 23 << ok;
        QTest::newRow("sau wurf pdf") << z("auswertung --sau 1 --wurf 2 --pdf o.pdf") << "herde"
                                      << "Auswertung Sau 1 Wurf 2" << 1 << ok;
        QTest::newRow("bewegungen csv")
            << z("bewegungen --csv o.csv") << "herde"
            << "Nr.;Sau-Nr.;TVG-Nr.;Einstallung;Herkunft;Abgang;Abnehmer" << 201 << ok;
        QTest::newRow("bewegungen pdf") << z("bewegungen --von 1 --bis 10 --pdf o.pdf") << "herde"
                                        << "Sau-Nr." << 1 << ok;
        QTest::newRow("ferkelbuch csv") << z("ferkelbuch --csv o.csv") << "herde"
                                        << "Index;Datum;Geboren;Abgesetzt;Verlust" << -1 << ok;
        QTest::newRow("ferkelbuch pdf") << z("ferkelbuch --von 1 --bis 20 --pdf o.pdf") << "herde"
                                        << "Index" << 1 << ok;
        QTest::newRow("ausfall pdf") << z("ausfallzeitpunkt --von 1.1.18 --pdf o.pdf") << "herde"
                                     << "Übersicht Ausfallzeitpunkt" << 1 << ok;
        QTest::newRow("karten pdf") << z("karte 1 A16 2 --pdf o.pdf") << "herde"
                                    << "DE 0357 341708" << 3 << ok;
        QTest::newRow("hitliste pdf") << z("hitliste --von 1.1.18 --pdf o.pdf") << "herde"
                                      << "Hitliste" << -1 << ok;
        QTest::newRow("rassenvergleich pdf")
            << z("vergleich rasse --von 1.1.18 --pdf o.pdf") << "herde"
            << "Vergleich Rasse" << -1 << ok;
        QTest::newRow("mischung pdf") << z("mischung Sauenfutter --pdf o.pdf") << "herde"
                                      << "Sauenfutter" << 1 << ok;
        QTest::newRow("mischung csv") << z("mischung Sauenfutter --csv o.csv") << "herde"
                                      << "Fest;Menge;Name;TS;MJ" << -1 << ok;
        QTest::newRow("herde aus den einstellungen") << z("bewegungen --csv o.csv") << ""
                                                     << "Nr.;Sau-Nr." << 201 << ok;
        QTest::newRow("einstellungsdatei")
            << z("--einstellungen pv.ini arbeitsplan --csv o.csv") << ""
            << "Sau;Ferk.D;W.;Tag;02.03.2026 Mo;" << 142 << ok;
        QTest::newRow("beschädigte herde")
            << z("bewegungen --csv o.csv") << "kaputt"
            << "Nr.;Sau-Nr." << 200 << "Fehler beim Lesen der Datei SAUWURF.DAT!";
    }
    void ausgabe() {
        QFETCH(QStringList, args);
        QFETCH(QString, daten);
        QFETCH(QString, kopf);
        QFETCH(int, anzahl);
        QFETCH(QString, meldung);
        const QString datei = pfad(args.last());
        QFile::remove(datei);
        args.last() = datei;
        if (!daten.isEmpty()) args = QStringList{QStringLiteral("--daten"), pfad(daten)} + args;
        const Lauf l = starten(args);
        QCOMPARE(l.status, 0);
        if (meldung.isEmpty())
            QCOMPARE(l.fehler, QString());
        else
            QVERIFY2(l.fehler.contains(meldung), qPrintable(l.fehler));
        if (datei.endsWith(QLatin1String(".pdf"))) {
            if (anzahl >= 0) QCOMPARE(seiten(datei), anzahl);
            const QString text =
                poppler(QStringLiteral("pdftotext"),
                        {QStringLiteral("-l"), QStringLiteral("1"), datei, QStringLiteral("-")});
            QVERIFY2(text.contains(kopf), qPrintable(text.left(300)));
        } else {
            const QByteArray b = lesen(datei);
            QVERIFY(b.startsWith("\xEF\xBB\xBF"));
            const QStringList zeilen =
                QString::fromUtf8(b.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            const QString anfang = zeilen.mid(0, int(kopf.count(u'|')) + 1).join(u'|');
            QVERIFY2(anfang.startsWith(kopf), qPrintable(anfang));
            if (anzahl >= 0) QCOMPARE(zeilen.size(), anzahl);
        }
    }

    // Status 2, the German message, and no output file.
    void fehler_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("meldung");
        const auto z = [](const char* s) { return QString::fromUtf8(s).split(u' '); };
        QTest::newRow("kein bericht") << z("--csv o.csv") << "Es ist kein Bericht angegeben";
        QTest::newRow("unbekannt") << z("tagebuch --csv o.csv") << "Unbekannter Bericht tagebuch.";
        QTest::newRow("vergleich ohne art")
            << z("vergleich kuh --pdf o.pdf") << "vergleich braucht eber, herkunft oder rasse.";
        QTest::newRow("keine ausgabe") << z("bewegungen") << "Bitte genau eine Ausgabe angeben";
        QTest::newRow("zwei ausgaben")
            << z("bewegungen --csv o.csv --pdf o.pdf") << "Bitte genau eine Ausgabe angeben";
        QTest::newRow("wert fehlt")
            << z("arbeitsplan --csv o.csv --kw") << "Zur Option --kw fehlt der Wert.";
        QTest::newRow("fremde option") << z("bewegungen --sau 1 --csv o.csv")
                                       << "Die Option --sau gibt es beim Bericht bewegungen nicht.";
        QTest::newRow("unbekannte option")
            << z("bewegungen --farbe rot --csv o.csv") << "Unbekannte Option --farbe.";
        QTest::newRow("kw zu gross") << z("arbeitsplan --kw 54 --csv o.csv") << "--kw:";
        QTest::newRow("ab und kw") << z("arbeitsplan --kw 3 --ab 1.1.26 --csv o.csv")
                                   << "--ab und --kw schließen sich aus.";
        QTest::newRow("plantyp") << z("arbeitsplan --plantyp Abferkeln --csv o.csv")
                                 << "Den Plantyp Abferkeln gibt es nicht.";
        QTest::newRow("datum") << z("auswertung --auswahl --von 31.2.26 --csv o.csv")
                               << "--von: \"31.2.26\" ist kein gültiges Datum.";
        QTest::newRow("datumsart") << z("auswertung --auswahl --datumsart gestern --csv o.csv")
                                   << "--datumsart: \"gestern\" ist keine Datumsart";
        QTest::newRow("modus fehlt") << z("auswertung --csv o.csv") << "genau eines von --sau";
        QTest::newRow("filter mit sau")
            << z("auswertung --sau 1 --von 1.1.20 --csv o.csv") << "--von gilt nicht mit --sau.";
        QTest::newRow("sau fehlt")
            << z("auswertung --sau 99999 --csv o.csv") << "Die Sau 99999 gibt es nicht.";
        QTest::newRow("wurf fehlt")
            << z("auswertung --sau 1 --wurf 40 --csv o.csv") << "Die Sau 1 hat keinen 40. Wurf.";
        QTest::newRow("karte sau fehlt")
            << z("karte 1 99999 --pdf o.pdf") << "Die Sau 99999 gibt es nicht.";
        QTest::newRow("karte csv") << z("karte 1 --csv o.csv") << "Den Bericht karte gibt es nur";
        QTest::newRow("mischung fehlt")
            << z("mischung Ferkelfutter --pdf o.pdf") << "Die Mischung Ferkelfutter gibt es nicht.";
        QTest::newRow("ganze und alle")
            << z("ausfallzeitpunkt --nur-ganze-wuerfe --alle-wuerfe --pdf o.pdf")
            << "schließen sich aus";
        QTest::newRow("bereich") << z("ferkelbuch --von x --pdf o.pdf")
                                 << "--von: \"x\" ist keine gültige Zahl.";
        QTest::newRow("heute") << z("--heute 2.3.26 bewegungen --csv o.csv") << "--heute:";
        QTest::newRow("datenordner")
            << z("--daten fehlt bewegungen --csv o.csv") << "Das Datenverzeichnis";
        QTest::newRow("einstellungen")
            << z("--einstellungen fehlt.ini bewegungen --csv o.csv") << "Die Einstellungsdatei";
        QTest::newRow("nicht schreibbar csv")
            << z("bewegungen --csv datei/o.csv") << "konnte nicht geschrieben werden!";
        QTest::newRow("nicht schreibbar pdf")
            << z("arbeitsplan --pdf datei/o.pdf") << "konnte nicht geschrieben werden!";
        QTest::newRow("nur lesen csv")
            << z("ferkelbuch --csv nurlesen/o.csv") << "konnte nicht geschrieben werden!";
        QTest::newRow("nur lesen pdf")
            << z("karte 1 --pdf nurlesen/o.pdf") << "konnte nicht geschrieben werden!";
    }
    void fehler() {
        QFETCH(QStringList, args);
        QFETCH(QString, meldung);
        QFile::remove(pfad(QStringLiteral("o.csv")));
        QFile::remove(pfad(QStringLiteral("o.pdf")));
        if (args.join(u' ').contains(QLatin1String("nurlesen/")) &&
            QFileInfo(pfad(QStringLiteral("nurlesen"))).isWritable())
            QSKIP("every folder can be written here (run as root)");
        // Relative names (output, --daten fehlt) are taken in the test folder.
        if (!args.contains(QStringLiteral("--daten")))
            args = QStringList{QStringLiteral("--daten"), pfad(QStringLiteral("herde"))} + args;
        const Lauf l = starten(args);
        QCOMPARE(l.status, 2);
        QVERIFY2(l.fehler.contains(meldung), qPrintable(l.fehler));
        QVERIFY(!QFile::exists(pfad(QStringLiteral("o.csv"))));
        QVERIFY(!QFile::exists(pfad(QStringLiteral("o.pdf"))));
        QVERIFY(QDir(pfad(QStringLiteral("nurlesen"))).entryList(QDir::Files).isEmpty());
    }

    // The tool's CSV is byte for byte what the window exports.
    void wieFenster_data() {
        QTest::addColumn<QString>("bericht");
        for (const char* b : {"arbeitsplan", "auswahl", "sau", "bewegungen", "ferkelbuch"})
            QTest::newRow(b) << QString::fromLatin1(b);
    }
    void wieFenster() {
        QFETCH(QString, bericht);
        TestContext t(kHeute);
        laden(t);
        const QString fenster = pfad(QStringLiteral("fenster.csv"));
        const QString tool = pfad(QStringLiteral("tool.csv"));
        QStringList args;
        if (bericht == QLatin1String("arbeitsplan")) {
            TArbeitsplan w(t.ctx);
            ModalTreiber treiber;
            treiber.dann([](QDialog* d) { d->findChild<QPushButton*>("OKBtn")->click(); });
            w.Plan1Click();
            QVERIFY(w.csvSchreiben(fenster));
            args = {QStringLiteral("arbeitsplan")};
        } else if (bericht == QLatin1String("auswahl")) {
            TAuswertungsFilter f;
            f.Von = TKurzDatum::aus(QDate(2019, 1, 1));
            f.Bis = TKurzDatum::aus(kHeute);
            f.Datumsart = daAbsetzen;
            TAuswertung w(t.ctx);
            w.HerdeAuswerten(amAuswahl, f);
            QVERIFY(w.csvSpeichern(fenster));
            args = QString::fromLatin1("auswertung --auswahl --datumsart absetzen --von 1.1.19 "
                                       "--alle-wuerfe")
                       .split(u' ');
        } else if (bericht == QLatin1String("sau")) {
            TAuswertung w(t.ctx);
            w.SauAuswerten(2);
            QVERIFY(w.csvSpeichern(fenster));
            args = {QStringLiteral("auswertung"), QStringLiteral("--sau"),
                    t.ctx.Sauenliste[2].rec.SauNr()};
        } else if (bericht == QLatin1String("bewegungen")) {
            TSaubewegung w(t.ctx);
            w.show(); // the list is built when it is first shown
            QVERIFY(w.CsvSpeichern(fenster));
            args = {QStringLiteral("bewegungen")};
        } else {
            TAbsetzen w(t.ctx);
            w.show();
            QVERIFY(w.CsvSpeichern(fenster));
            args = {QStringLiteral("ferkelbuch")};
        }
        const Lauf l =
            starten(QStringList{QStringLiteral("--daten"), pfad(QStringLiteral("herde"))} + args +
                    QStringList{QStringLiteral("--csv"), tool});
        QCOMPARE(l.status, 0);
        const QByteArray erwartet = lesen(fenster);
        QVERIFY(erwartet.size() > 100);
        QCOMPARE(lesen(tool), erwartet);
    }
};

QTEST_MAIN(TestBericht)
#include "tst_bericht.moc"
