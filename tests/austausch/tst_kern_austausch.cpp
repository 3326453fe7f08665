#include "austausch/csvleser.h"
#include "austausch/wurfexport.h"
#include "austausch/wurfimport.h"
#include "herd/herdfile.h"
#include "platform/codepage.h"
#include "stamm/terminnamen.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

// Every exported field drawn over its whole range: texts of full length with separators, quotes,
// line breaks and umlauts, dates with an extra byte or days the calendar lacks, negative
// adjustments.
const Herdenart kAlleFelder{.alleFelder = true};

// Litter data out and in: the export read back gives the same herd file, the dry run names
// every line it cannot take, and a large file is quick.
class TestAustausch : public QObject {
    Q_OBJECT

    // The herd file `ctx` saves now.
    static QByteArray gespeichert(TestContext& t) {
        if (!HerdeSpeichern(t.ctx)) return {};
        return inhalt(t.pfad(QStringLiteral("SAUWURF.DAT")));
    }

    static wurfimport::Plan pruefen(const QByteArray& csv, const Herde& herde = {}) {
        const CsvTabelle t = CsvLesen(csv);
        const auto spalten = wurfdaten::Spalten(Terminnamen{});
        const QList<int> z = wurfimport::Vorschlagen(t.kopf(), spalten);
        return wurfimport::Pruefen(t, z, spalten, herde, QDate(2026, 12, 1));
    }

private slots:
    // Exported and imported into an empty data directory, the herd file comes back byte for
    // byte: a demo herd and a herd drawn over every field's range.
    void rundreise_data() {
        QTest::addColumn<int>("art");
        QTest::newRow("Demoherde") << 0;
        QTest::newRow("Randwerte") << 1;
    }
    void rundreise() {
        QFETCH(int, art);
        TestContext quelle;
        if (art == 0) {
            QProcess demo;
            demo.start(PORVANTA_DEMOHERDE, {quelle.ctx.Datenpfad, "300", "--seed", "3"});
            QVERIFY(demo.waitForFinished(60000));
            QCOMPARE(demo.exitCode(), 0);
        } else {
            quelle.ctx.Sauenliste = zufallsHerde(quint32(art), 150, kAlleFelder);
            QVERIFY(HerdeSpeichern(quelle.ctx));
        }
        HerdeLaden(quelle.ctx);
        const QByteArray vorher = gespeichert(quelle);
        const QByteArray csv = WurfdatenCsv(quelle.ctx.Sauenliste, Terminnamen{});

        TestContext ziel;
        const wurfimport::Plan plan = pruefen(csv);
        QCOMPARE(plan.probleme.size(), 0);
        QCOMPARE(plan.uebernommen, plan.zeilen);
        QVERIFY(wurfimport::Ausfuehren(ziel.ctx, plan));
        HerdeLaden(ziel.ctx);
        QCOMPARE(gespeichert(ziel).toHex(), vorher.toHex());
        QCOMPARE(WurfdatenCsv(ziel.ctx.Sauenliste, Terminnamen{}), csv);
    }

    // Every kind of line the dry run cannot take, with its line and reason.
    void probezeilen_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("problem");
        const QByteArray kopf = "Sau-Nr.;Herkunft;Wurf;Belegen 1;Geborene;Absetzgewicht kg\n";
        const auto zeile = [](const char* n, const QByteArray& csv, const char* problem) {
            QTest::newRow(n) << csv << QString::fromUtf8(problem);
        };
        zeile("Datum", kopf + "1;;1;31.13.24;;\n", "2: Belegen 1: „31.13.24“ ist kein Datum.");
        zeile("Anzahl", kopf + "1;;1;;256;\n", "2: Geborene: 256 liegt nicht zwischen 0 und 255.");
        zeile("keine ganze Zahl", kopf + "1;;1;;1,5;\n",
              "2: Geborene: „1,5“ ist keine ganze Zahl.");
        zeile("Gewicht", kopf + "1;;1;;;70\n",
              "2: Absetzgewicht kg: 70 liegt nicht zwischen 0 und 65,535.");
        zeile("zu lang", kopf + "1;ABCDEFGHIJKLMNOP;;;;\n",
              "2: Herkunft: „ABCDEFGHIJKLMNOP“ hat mehr als 15 Zeichen.");
        zeile("Wurf doppelt", kopf + "1;;2;;;\n1;;2;;;\n",
              "3: Wurf 2 der Sau 1 steht schon in Zeile 2.");
        zeile("Sau weicht ab", kopf + "1;A;1;;;\n1;B;2;;;\n",
              "3: Die Angaben der Sau 1 weichen von Zeile 2 ab (Herkunft).");
        zeile("Sau vorhanden", kopf + "7;B;1;;;\n",
              "2: Die Sau 7 gibt es schon mit anderen Angaben (Herkunft).");
        zeile("ohne Nummer", kopf + ";A;1;;;\n", "2: Die Sau-Nr. fehlt.");
        zeile("zu viele Felder", kopf + "1;;1;;;;x\n",
              "2: Die Zeile hat mehr Felder als die Kopfzeile.");
        zeile("ohne Sau-Nr.", "Wurf\n1\n", "1: Die Spalte „Sau-Nr.“ fehlt.");
    }
    void probezeilen() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, problem);
        Herde herde(1);
        herde[0].rec.setSauNr(QStringLiteral("7"));
        herde[0].rec.setHerkunft(QStringLiteral("A"));
        const wurfimport::Plan plan = pruefen(csv, herde);
        QStringList gefunden;
        for (const wurfimport::Problem& p : plan.probleme)
            gefunden << QStringLiteral("%1: %2").arg(p.zeile).arg(p.grund);
        QCOMPARE(gefunden, QStringList{problem});
    }

    // A spreadsheet's own file: commas, Windows-1252, two-digit years, quoted fields over two
    // lines; an existing sow gains a litter and one of hers changes, nothing is written before
    // the run, and the herd file is kept as a copy first.
    void tabellenDatei() {
        TestContext t;
        t.ctx.einstellungen.einzelspeicherung = true;
        t.ctx.Sauenliste = {sau("12", {TWurfRec::leer(1)}, {})};
        QVERIFY(HerdeSpeichern(t.ctx));
        const QByteArray csv = cp1252::encode(
            QStringLiteral("sau-nr.,Wurf,Belegen 1,Eber 1,Wurfnotiz\r\n"
                           "12,1,03.02.25,Jörg,\"zwei\r\nZeilen, \"\"mit\"\" Komma\"\r\n"
                           "12,2,1.9.25,Ajax,\r\n"
                           "13,1,5.1.99,,\r\n"));
        const wurfimport::Plan plan = pruefen(csv, t.ctx.Sauenliste);
        QCOMPARE(plan.probleme.size(), 0);
        QCOMPARE(plan.aenderungen.size(), std::size_t(2));
        QCOMPARE(plan.aenderungen[0].beschreibung(), QStringLiteral("1 Wurf neu, 1 geändert"));
        QCOMPARE(plan.aenderungen[1].beschreibung(), QStringLiteral("neu, 1 Wurf"));
        QCOMPARE(t.ctx.Sauenliste.size(), std::size_t(1));
        QVERIFY(wurfimport::Ausfuehren(t.ctx, plan));
        QVERIFY(!t.ctx.Geaendert);
        const TWurfRec& w = t.ctx.Sauenliste[0].wuerfe[0];
        QCOMPARE(w.Belegen(1), D(3, 2, 125));
        QCOMPARE(w.Eber(1), QStringLiteral("Jörg"));
        QCOMPARE(w.WurfNotiz(), QStringLiteral("zwei\nZeilen, \"mit\" Komma"));
        QCOMPARE(t.ctx.Sauenliste[1].wuerfe[0].Belegen(1), D(5, 1, 99));
        QCOMPARE(QDir(t.pfad("Sicherungen")).entryList({"SAUWURF-vor-Import-*.DAT"}).size(), 1);
        QCOMPARE(t.messages.texts(), QStringList());
    }

    // 10,000 lines are checked and taken in well under a second.
    void zehntausendZeilen() {
        TestContext quelle;
        quelle.ctx.Sauenliste = zufallsHerde(9, 4000, kAlleFelder);
        std::size_t wuerfe = 0;
        for (const Sau& s : quelle.ctx.Sauenliste)
            wuerfe += std::max<std::size_t>(1, s.wuerfe.size());
        QVERIFY(wuerfe >= 10000);
        const QByteArray csv = WurfdatenCsv(quelle.ctx.Sauenliste, Terminnamen{});
        TestContext ziel;
        ziel.ctx.einstellungen.einzelspeicherung = true;
        QElapsedTimer uhr;
        uhr.start();
        const wurfimport::Plan plan = pruefen(csv);
        QVERIFY(wurfimport::Ausfuehren(ziel.ctx, plan));
        // The bound holds for the program as shipped; a sanitizer or debug build is slower.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
        QVERIFY2(uhr.elapsed() < 1000, qPrintable(QString::number(uhr.elapsed())));
#endif
        QCOMPARE(ziel.ctx.Sauenliste.size(), quelle.ctx.Sauenliste.size());
    }
};

QTEST_GUILESS_MAIN(TestAustausch)
#include "tst_kern_austausch.moc"
