// The printout of the herd evaluation, its CSV and the loss-day chart, on the recording
// canvas.

#include "auswertungtesthilfe.h"
#include "evaluation/ausfallchart.h"
#include "evaluation/auswertunglayout.h"
#include "platform/recordingcanvas.h"

#include <QTest>

namespace {

// A sow with `n` weaned litters, each with a loss and fostering.
Herde SauMitWuerfen(int n) {
    std::vector<TWurfRec> w;
    for (int i = 0; i < n; ++i) {
        TWurfRec r = Wurf(i + 1, i * 150, i * 150 + 115, i * 150 + 140, 12, 1);
        r.setAusgleich(2);
        Verluste(r, {{"erdrückt", 3}});
        w.push_back(r);
    }
    return {Sau1("4711", 0, w)};
}

// The evaluation of such a sow (sow mode) or of the herd (selection, with the losses opened
// and the origin filter cleared), printed.
struct Gedruckt {
    Herde h;
    Auswertungskopie kopie{h};
    TAuswertungsStand st;
    RecordingCanvas c{800, 1100};
    Gedruckt(int wuerfe, TAuswertungsModus modus) : h(SauMitWuerfen(wuerfe)) {
        st.Modus = modus;
        st.Sau = 0;
        if (modus == amAuswahl) {
            st.filter = AllesFilter();
            st.filter.HerkunftFilter.clear();
            st.AusfaelleOffen = true;
        }
        KennzahlenBerechnen(st, kopie, {});
        AuswertungDrucken(c, st, kopie, {});
    }
};

QStringList texte(const RecordingCanvas& c, int seite = -1) {
    QStringList t;
    for (const auto& it : c.texts())
        if (seite < 0 || it.page == seite) t << it.text;
    return t;
}

} // namespace

class TstDruck : public QObject {
    Q_OBJECT
private slots:
    void sauSeite() {
        const Gedruckt d(2, amSau);
        const RecordingCanvas& c = d.c;
        const QStringList t = texte(c);
        QCOMPARE(c.pageCount(), 1);
        QCOMPARE(t.first(), "Auswertung   Sau  4711");
        QVERIFY(t.contains("Würfe:   2"));
        QVERIFY(t.contains("Leertage"));
        QVERIFY(!t.contains("Sauen :   1"));
        QVERIFY(t.contains("geb/ tot/w"));
        // The litter line: born ends at 38 u, fostering with its sign, weaned = 12 - 1 - 1 + 2.
        const double u = 800 / 80;
        bool geboren = false, ausgleich = false, abgesetzt = false;
        for (const auto& it : c.texts()) {
            geboren |= it.text == "12" && qFuzzyCompare(it.x2, 38 * u);
            ausgleich |= it.text == "+2" && qFuzzyCompare(it.x2, 48 * u);
            abgesetzt |= it.text == "12" && qFuzzyCompare(it.x2, 70 * u);
        }
        QVERIFY(geboren && ausgleich && abgesetzt);
    }

    void langeWurftabelleGehtAufZweiteSeite() {
        const Gedruckt d(40, amSau);
        const RecordingCanvas& c = d.c;
        QCOMPARE(c.pageCount(), 2);
        QVERIFY(texte(c, 1).contains("Belegen"));
        // Nothing passes the foot of a page.
        const double fuss = 1100 - 3 * 12 * 1.2;
        for (const auto& it : c.items())
            QVERIFY2(it.y1 <= fuss + 1, qPrintable(it.text));
    }

    void auswahlMitFilterzeileUndDetails() {
        const Gedruckt d(3, amAuswahl);
        const RecordingCanvas& c = d.c;
        const QStringList t = texte(c);
        QVERIFY(t.contains(Filterbeschreibung(d.st.filter)));
        QVERIFY(t.contains("Sauen :   1"));
        QVERIFY(t.contains("Remontierungsquote"));
        QVERIFY(t.contains("erdrückt"));
        for (const auto& it : c.texts())
            if (it.text == "erdrückt") QCOMPARE(it.pointSize, 10.0);
        QVERIFY(!t.contains("Belegen")); // no litter table outside "Sau"
    }

    void csvMitDezimalkommaUndWurftabelle() {
        const Gedruckt d(2, amSau);
        const QByteArray b = AuswertungCsv(d.st, d.kopie, {});
        QVERIFY(b.startsWith("\xEF\xBB\xBF"));
        const QStringList z = QString::fromUtf8(b.mid(3)).split("\r\n");
        QCOMPARE(z[0], "Kennzahl;mittel;gesamt;je Wurf");
        QVERIFY(z.contains("lebend/tot;27,7/2,5;22/2;11,0/1,0"));
        QVERIFY(z.contains("Zwischenwurfzeit;145 Tage;2,52 Würfe/Jahr;"));
        QVERIFY(z.contains("1;01.01.2020;Ajax;25.04.2020;12;1;0;2;1;0;20.05.2020;12"));
    }

    void ausfallSchritt_data() {
        QTest::addColumn<double>("textHoehe");
        QTest::addColumn<double>("f");
        QTest::addColumn<int>("schritt");
        QTest::newRow("1 -> 1.5 -> 2") << 12.0 << 12.0 << 2;
        QTest::newRow("2 -> 2.5 -> 2 (gerade)") << 12.0 << 6.0 << 2;
        QTest::newRow("3 -> 4") << 12.0 << 4.0 << 4;
        QTest::newRow("12 -> 1.7 -> 20") << 12.0 << 1.0 << 20;
        QTest::newRow("15 -> 2.0 -> 20") << 15.0 << 1.0 << 20;
        QTest::newRow("25 -> 3.0 -> 30") << 12.5 << 0.5 << 30;
        QTest::newRow("klein: mindestens 1") << 12.0 << 100.0 << 2;
    }
    void ausfallSchritt() {
        QFETCH(double, textHoehe);
        QFETCH(double, f);
        QTEST(AusfallSchritt(textHoehe, f), "schritt");
    }

    void ausfallBalken() {
        Ausfalltage t{};
        t[0] = 10;  // day 1
        t[4] = 5;   // day 5
        t[59] = 20; // day 60: raises the scale, draws no bar
        RecordingCanvas c(640, 400);
        c.setFont("System", 10, 0);
        const AusfallMasse m = AusfallzeitpunktZeichnen(c, t, 640, 400);
        QCOMPARE(m.L, 24);       // "0000" at 6 per character
        QCOMPARE(m.B, 400 - 18); // text height 12 x 1.5
        QCOMPARE(m.c, (640 - 24 - 30) / 40);
        QCOMPARE(m.M, 20);
        QList<RecordingCanvas::Item> balken;
        for (const auto& it : c.items())
            if (it.kind == RecordingCanvas::Item::Rect) balken << it;
        QCOMPARE(balken.size(), 40);
        const double f = double(m.B - 30) / 20;
        QCOMPARE(balken[0].x1, double(std::lround(0.6 * m.c + m.L)));
        QCOMPARE(balken[0].x2, double(std::lround(1.4 * m.c + m.L)));
        QCOMPARE(balken[0].y1, double(m.B - std::lround(f * 10)));
        QCOMPARE(balken[4].y1, double(m.B - std::lround(f * 5)));
        QCOMPARE(balken[1].y1, double(m.B)); // no losses: no height
        const QStringList tx = texte(c);
        QVERIFY(tx.contains("40.") && tx.contains("Tag"));
        QVERIFY(!tx.contains("42."));

        // All counts 0: M = 1 and one count label.
        RecordingCanvas leer(640, 400);
        leer.setFont("System", 10, 0);
        const AusfallMasse m0 = AusfallzeitpunktZeichnen(leer, Ausfalltage{}, 640, 400);
        QCOMPARE(m0.M, 1);
        int zahlen = 0;
        for (const auto& it : leer.texts())
            zahlen += it.x2 <= m0.L - 2 + 0.01 && it.text != "Tag";
        QCOMPARE(zahlen, 1);

        // Narrower than L + 70: columns collapse onto the axis.
        RecordingCanvas eng(80, 400);
        eng.setFont("System", 10, 0);
        QCOMPARE(AusfallzeitpunktZeichnen(eng, t, 80, 400).c, 0);
    }
};

QTEST_GUILESS_MAIN(TstDruck)
#include "tst_kern_druck.moc"
