#include "feed/futtermix.h"
#include "feed/mischungsbericht.h"
#include "platform/csvwriter.h"
#include "platform/recordingcanvas.h"
#include "support/testcontext.h"

#include <QtTest>

namespace {

// A mix of wheat (fixed, 0.6) and soybean meal (0.4) and an entry with share 0.
struct Beispiel {
    TestContext tc;
    Futtermix mix{tc.ctx};
    Beispiel() {
        TKomponentenRec w, s, k;
        w.setName(QStringLiteral("Weizen"));
        s.setName(QStringLiteral("Soja; \"HP\""));
        k.setName(QStringLiteral("Kalk"));
        for (int m = 0; m < kFutterWerte; ++m) {
            w.setWert(m, m == fwTS ? 880 : m + 1);
            s.setWert(m, m == fwTS ? 880 : 10 * (m + 1));
        }
        w.setWaehrung(DM);
        s.setWaehrung(DM);
        mix.Komponenten = {w, s, k};
        mix.Hinzufuegen(0);
        mix.Hinzufuegen(1);
        mix.Hinzufuegen(2);
        mix.AnteilSetzen(0, 0.6);
        mix.FestSetzen(0, true);
        mix.AnteilSetzen(1, 0.4);
        mix.Name = QStringLiteral("Laktation");
    }
};

} // namespace

class TestMischungsbericht : public QObject {
    Q_OBJECT
private slots:
    void csvFelder_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("zahl");
        QTest::addColumn<QByteArray>("erwartet");
        QTest::newRow("schlicht") << 0 << "Weizen" << 0.0 << QByteArray("Weizen");
        QTest::newRow("Semikolon") << 0 << "a;b" << 0.0 << QByteArray("\"a;b\"");
        QTest::newRow("Anführung") << 0 << "20\" Sack" << 0.0 << QByteArray("\"20\"\" Sack\"");
        QTest::newRow("Zeilenumbruch") << 0 << "a\nb" << 0.0 << QByteArray("\"a\nb\"");
        QTest::newRow("Umlaut") << 0 << "Stärke" << 0.0 << QByteArray("St\xC3\xA4rke");
        QTest::newRow("Komma") << 1 << "" << 1234.5678 << QByteArray("1234,568");
        QTest::newRow("keine -0") << 1 << "" << -0.0001 << QByteArray("0,000");
        QTest::newRow("negativ") << 1 << "" << -2.5 << QByteArray("-2,500");
        QTest::newRow("Datum") << 2 << "" << 0.0 << QByteArray("05.03.2013");
    }
    void csvFelder() {
        QFETCH(int, art);
        QFETCH(QString, text);
        QFETCH(double, zahl);
        QFETCH(QByteArray, erwartet);
        CsvWriter w;
        w.text(QStringLiteral("A"));
        if (art == 0) w.text(text);
        if (art == 1) w.zahl(zahl, 3);
        if (art == 2) w.datum(QDate(2013, 3, 5));
        w.zeileEnde();
        QCOMPARE(w.bytes(), QByteArray("\xEF\xBB\xBF"
                                       "A;") +
                                erwartet + "\r\n");
    }

    void csvDerMischung() {
        Beispiel b;
        const QList<QByteArray> zeilen =
            MischungAlsCsv(b.mix, QStringLiteral(" Preis in DM")).bytes().mid(3).split('\n');
        QCOMPARE(zeilen.size(), 7); // heads, 3 entries, totals, targets, nothing after the last
        QCOMPARE(zeilen[0], QByteArray("Fest;Menge;Name;TS;MJ;RProt;Lys;Meth;St\xC3\xA4rk;RFas;"
                                       "RFett;RAsche;Ca;P;Na;Preis in DM\r"));
        QCOMPARE(zeilen[1],
                 QByteArray("X;0,600;Weizen;528;1,2;2;2,4;3,0;4;4;5;5;6,0;6,6;7,2;7,80\r"));
        QVERIFY(zeilen[2].startsWith(";0,400;\"Soja; \"\"HP\"\"\";352;8,0;"));
        QVERIFY(zeilen[4].startsWith(";;Gesamt;880;"));
        QCOMPARE(zeilen[5], QByteArray(";;Ziel;880;0,0;0;0,0;0,0;0;0;0;0;0,0;0,0;0,0\r"));
    }

    void druckInSpalten() {
        Beispiel b;
        RecordingCanvas c(1200, 800); // u = 10, h = round(1.2 * 14.4) = 17
        MischungDrucken(c, b.mix, QStringLiteral("Arial"), QStringLiteral("DM"));
        QHash<QString, RecordingCanvas::Item> text;
        for (const auto& i : c.texts())
            text.insert(i.text, i);
        QCOMPARE(text.value("Mischung : ").x2, 500.0);
        QCOMPARE(text.value("Mischung : ").y1, 51.0);
        QCOMPARE(text.value("Laktation").x1, 510.0);
        QCOMPARE(text.value("Laktation").style, int(Canvas::Bold));
        QCOMPARE(text.value(" TS").x2, 280.0);
        QCOMPARE(text.value("RFett").x2, 280.0 + 7 * 70);
        QCOMPARE(text.value("DM").x2, 1120.0);
        QCOMPARE(text.value("DM").y1, 85.0);
        QCOMPARE(text.value("x").x1, 30.0);
        QCOMPARE(text.value("x").y1, 102.0);
        QCOMPARE(text.value("0,600").x2, 90.0);
        QCOMPARE(text.value("  Weizen").x1, 90.0);
        QVERIFY(!text.contains("  Kalk")); // share 0 is not printed
        QCOMPARE(text.value("Gesamt :         ").x1, 30.0);
        QCOMPARE(text.value("880").x2, 280.0);
        QVERIFY(text.value("880").y1 > text.value("  Soja; \"HP\"").y1);
        QCOMPARE(c.pageCount(), 1);
    }
};

QTEST_MAIN(TestMischungsbericht)
#include "tst_mischungsbericht.moc"
