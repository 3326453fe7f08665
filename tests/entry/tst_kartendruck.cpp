// The printed stock card: what each component prints, in the order the settings give, and above
// the page's foot.

#include "entry/kartendruck.h"
#include "evaluation/auswertungtesthilfe.h"
#include "platform/recordingcanvas.h"
#include "support/herdbau.h"

#include <QtTest>

namespace {

using Item = RecordingCanvas::Item;

Einstellungen karte(const QList<int>& items, bool weibliche = true) {
    Einstellungen e;
    e.weibliche = weibliche;
    for (int i = 0; i < 5; ++i)
        e.item[std::size_t(i)] = items.value(i);
    return e;
}

// Litter `nr` with its note, mated on 1.12.12 unless said otherwise.
TWurfRec notierterWurf(int nr, bool belegt = true) {
    TWurfRec w = wurf(nr, belegt ? dt(1, 12, 2012) : TKurzDatum{});
    w.setWurfNotiz(QStringLiteral("Notiz %1").arg(nr));
    return w;
}

Sau karteSau(const QString& notiz = {}, std::vector<TWurfRec> wuerfe = {}) {
    Sau s = sau(QStringLiteral("4711"), std::move(wuerfe), {});
    s.rec.setSauNotiz(notiz);
    return s;
}

RecordingCanvas zeichne(const Sau& s, const Einstellungen& e) {
    RecordingCanvas c(840, 1188);
    KarteDrucken(c, s.rec, s.wuerfe, e, 113);
    return c;
}

// Whether `teile` appear in `t` in this order (others may lie between).
bool inFolge(const QStringList& t, const QStringList& teile) {
    qsizetype i = 0;
    for (const QString& x : t)
        if (i < teile.size() && x == teile[i]) ++i;
    return i == teile.size();
}

TWurfRec vollerWurf() {
    TWurfRec w = notierterWurf(3);
    w.setEber(1, QStringLiteral("Max"));
    w.setMal(1, 2);
    w.setBelegnote(1, QStringLiteral("gut"));
    w.setBelegen(2, dt(2, 12, 2012)); // Mal 0
    w.setTKDatum(1, dt(2, 1, 2013));
    w.setTKErgebnis(1, 1);
    w.setTKDatum(2, dt(30, 1, 2013));
    w.setAbferkeln(dt(26, 3, 2013));
    w.setGeborene(14);
    w.setTodgeborene(2);
    w.setWeibliche(7);
    w.setAusgleich(2);
    w.setEintrag(1, QStringLiteral("erdrückt"));
    w.setVerlusttag(1, 3);
    w.setEintrag(14, QStringLiteral("Spreizer"));
    w.setEintrag(13, QStringLiteral("Grätscher"));
    w.setAbsetzen(dt(21, 4, 2013));
    return w;
}

} // namespace

class TestKartendruck : public QObject {
    Q_OBJECT
private slots:
    void kopfAktuellerWurfUndGrosseDaten() {
        Sau s = karteSau(QStringLiteral("nicht gedruckt"),
                         {notierterWurf(1), notierterWurf(2), vollerWurf()});
        const RecordingCanvas c = zeichne(s, karte({3, 4}));
        const QStringList t = texte(c);
        // The figures the card works out: a second mating counts once, the checks' results,
        // the weaned piglets, and the big dates of the latest mating and the farrowing.
        QVERIFY2(inFolge(t, {"aktueller Wurf (3):", "Belegen  :   2.12.12", "1 mal", " tragend",
                             "nicht  tragend", "Ausgl.:  +2",
                             "  Besond.:  2   Spreizer / Grätscher ", "  Ausfall  :  1   erdrückt ",
                             "abg.Ferkel: 13", "Notiz 3", "Belegdatum:", "2.12.12", "26.3.13"}),
                 qPrintable(t.join(u'|')));
        QVERIFY(!t.contains("nicht gedruckt")); // the sow's note is a component of its own
        QCOMPARE(c.pageCount(), 1);
    }

    void bestandteileInEintragsfolge_data() {
        QTest::addColumn<QList<int>>("items");
        QTest::addColumn<QStringList>("marken");
        QTest::newRow("5 1 2") << QList<int>{5, 1, 2}
                               << QStringList{"Wurf", "Zur Sau:", "zu Wurf 2:"};
        QTest::newRow("0 übersprungen")
            << QList<int>{0, 4, 0, 3} << QStringList{"Belegdatum:", "aktueller Wurf (3):"};
        QTest::newRow("doppelt, unbekannt")
            << QList<int>{4, 7, 4, -1} << QStringList{"Belegdatum:", "Belegdatum:"};
        QTest::newRow("ohne Würfe: nur die Notiz")
            << QList<int>{1, 2, 3, 4, 5} << QStringList{"Zur Sau:"};
    }

    void bestandteileInEintragsfolge() {
        QFETCH(QList<int>, items);
        const QStringList alle{
            "Zur Sau:", "zu Wurf 2:", "aktueller Wurf (3):", "Belegdatum:", "Wurf"};
        std::vector<TWurfRec> w{notierterWurf(1), notierterWurf(2), notierterWurf(3)};
        if (QTest::currentDataTag() == QByteArray("ohne Würfe: nur die Notiz")) w.clear();
        const RecordingCanvas c = zeichne(karteSau(QStringLiteral("x"), w), karte(items));
        QStringList gefunden; // texts come in drawing order, which runs down the page
        for (const Item& it : c.texts())
            if (alle.contains(it.text)) gefunden << it.text;
        QTEST(gefunden, "marken");
    }

    void aktuellerWurfUndVorherigeNotiz_data() {
        QTest::addColumn<QString>("wuerfe"); // litter numbers, "b" = mated
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("letzter eben angelegt")
            << "1b 2b 3" << QStringList{"zu Wurf 1:", "Notiz 1", "aktueller Wurf (2):"};
        QTest::newRow("einziger Wurf, nicht belegt") << "1" << QStringList{"aktueller Wurf (1):"};
        QTest::newRow("Nummer minus eins")
            << "1b 5b" << QStringList{"zu Wurf 4:", "Notiz 1", "aktueller Wurf (5):"};
    }

    void aktuellerWurfUndVorherigeNotiz() {
        QFETCH(QString, wuerfe);
        QFETCH(QStringList, erwartet);
        std::vector<TWurfRec> w;
        for (const QString& t : wuerfe.split(u' '))
            w.push_back(notierterWurf(t.left(1).toInt(), t.size() > 1));
        const QStringList t = texte(zeichne(karteSau({}, w), karte({2, 3})));
        const qsizetype ab = t.indexOf(erwartet.first());
        QVERIFY2(ab >= 0, qPrintable(t.join(u'|')));
        QCOMPARE(t.mid(ab, erwartet.size()), erwartet);
    }

    void wurftabelle_data() {
        QTest::addColumn<bool>("weibliche");
        QTest::addColumn<int>("ausgleich");
        QTest::addColumn<QList<int>>("verlustSlots");
        QTest::addColumn<QStringList>("spalte");
        QTest::newRow("12 geboren, sonst null")
            << false << 0 << QList<int>{} << QStringList{"1", "12", "-", "-", "-", "12"};
        QTest::newRow("weibliche, zugesetzt")
            << true << 2 << QList<int>{} << QStringList{"1", "12", "-", "-", "-", "+2", "14"};
        QTest::newRow("Verluste in jedem Platz")
            << false << -1 << QList<int>{1, 3, 14} << QStringList{"1", "12", "-", "3", "-1", "8"};
    }

    // The table draws its captions, the column of litter 1, the number of the unmated litter 2,
    // then the next component.
    void wurftabelle() {
        QFETCH(bool, weibliche);
        QFETCH(int, ausgleich);
        QFETCH(QList<int>, verlustSlots);
        QFETCH(QStringList, spalte);
        TWurfRec w = notierterWurf(1);
        w.setGeborene(12);
        w.setAusgleich(std::int8_t(ausgleich));
        for (int s : verlustSlots)
            w.setVerlusttag(s, 2);
        const RecordingCanvas c =
            zeichne(karteSau({}, {w, notierterWurf(2, false)}), karte({5, 3}, weibliche));
        const QStringList t = texte(c);
        const qsizetype weiter = t.indexOf("aktueller Wurf (1):");
        QCOMPARE(t.value(weiter - 1), "2");
        QCOMPARE(t.mid(weiter - 1 - spalte.size(), spalte.size()), spalte);
    }

    // 70 note lines put the size-54 dates low on the page: they move above the foot instead of
    // passing the page's end.
    void nichtsUnterDemFuss() {
        QStringList notiz;
        for (int i = 1; i <= 70; ++i)
            notiz << QStringLiteral("Z%1").arg(i);
        const RecordingCanvas c =
            zeichne(karteSau(notiz.join(u'\n'), {vollerWurf()}), karte({1, 4, 3}));
        const double fuss = 1188 - 3 * 18;
        for (const Item& it : c.items()) {
            QVERIFY(it.kind != Item::Page);
            QVERIFY(it.y1 <= fuss);
            QVERIFY(it.kind != Item::Text || it.y2 <= 1188);
        }
        QVERIFY(texte(c).contains("Belegdatum:"));
    }
};

QTEST_MAIN(TestKartendruck)
#include "tst_kartendruck.moc"
