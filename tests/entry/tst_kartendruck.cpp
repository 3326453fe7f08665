#include "entry/kartendruck.h"
#include "herd/herdtesthilfe.h"
#include "platform/recordingcanvas.h"

#include <QMap>
#include <QtTest>

// Canvas 840 x 1188, one unit per point: U = 10, "M" at size 12 is 14.4 high (14 on the
// card), H = 18, the foot lies at 1188 - 3H = 1134.
namespace {

using Item = RecordingCanvas::Item;

Einstellungen karte(const QList<int>& items, bool weibliche = true) {
    Einstellungen e;
    e.weibliche = weibliche;
    for (int i = 0; i < 5; ++i)
        e.item[std::size_t(i)] = items.value(i);
    return e;
}

TWurfRec wurf(int nr, bool belegt = true) {
    TWurfRec w = TWurfRec::leer(std::uint8_t(nr));
    if (belegt) w.setBelegen(1, D(1, 12, 112));
    w.setWurfNotiz(QStringLiteral("Notiz %1").arg(nr));
    return w;
}

TSauRec sau(const QString& notiz = {}) {
    TSauRec s;
    s.setSauNr(QStringLiteral("4711"));
    s.setSauNotiz(notiz);
    return s;
}

RecordingCanvas zeichne(const TSauRec& s, const std::vector<TWurfRec>& w, const Einstellungen& e) {
    RecordingCanvas c(840, 1188);
    KarteDrucken(c, s, w, e, 113);
    return c;
}

// One string per printed line from y = `ab` down, "y: text | text"; rules as "y x1-x2".
QStringList zeilen(const RecordingCanvas& c, double ab = 0) {
    QMap<double, QMap<double, QString>> z;
    for (const Item& it : c.texts())
        if (it.y1 >= ab) z[it.y1][it.x1] = it.text;
    QStringList out;
    for (auto i = z.cbegin(); i != z.cend(); ++i)
        out << QStringLiteral("%1: ").arg(i.key()) + i.value().values().join(QStringLiteral(" | "));
    return out;
}
QStringList linien(const RecordingCanvas& c) {
    QStringList out;
    for (const Item& it : c.items())
        if (it.kind == Item::Line)
            out << QStringLiteral("%1 %2-%3").arg(it.y1).arg(it.x1).arg(it.x2);
    return out;
}
// The ruled note lines, 2H apart.
QStringList notizlinien(int erste, int letzte) {
    QStringList out;
    for (int y = erste; y <= letzte; y += 36)
        out << QStringLiteral("%1 30-800").arg(y);
    return out;
}

TWurfRec vollerWurf() {
    TWurfRec w = wurf(3);
    w.setEber(1, QStringLiteral("Max"));
    w.setMal(1, 2);
    w.setBelegnote(1, QStringLiteral("gut"));
    w.setBelegen(2, D(2, 12, 112)); // Mal 0
    w.setTKDatum(1, D(2, 1, 113));
    w.setTKErgebnis(1, 1);
    w.setTKDatum(2, D(30, 1, 113));
    w.setAbferkeln(D(26, 3, 113));
    w.setGeborene(14);
    w.setTodgeborene(2);
    w.setWeibliche(7);
    w.setAusgleich(2);
    w.setEintrag(1, QStringLiteral("erdrückt"));
    w.setVerlusttag(1, 3);
    w.setEintrag(14, QStringLiteral("Spreizer"));
    w.setEintrag(13, QStringLiteral("Grätscher"));
    w.setAbsetzen(D(21, 4, 113));
    return w;
}

} // namespace

class TestKartendruck : public QObject {
    Q_OBJECT
private slots:
    void headerCurrentLitterAndLargeDates();
    void componentsInItemOrder_data();
    void componentsInItemOrder();
    void currentLitterAndPreviousNote_data();
    void currentLitterAndPreviousNote();
    void litterTable_data();
    void litterTable();
    void litterTableColumnWidth_data();
    void litterTableColumnWidth();
    void sowWithoutLittersGetsHeaderNoteAndRuledLines();
    void nothingBelowTheFoot();
};

void TestKartendruck::headerCurrentLitterAndLargeDates() {
    TSauRec s = sau(QStringLiteral("nicht gedruckt"));
    s.setZugang(D(5, 3, 113));
    s.setRasse(QStringLiteral("DL"));
    s.setTVG(QStringLiteral("DE0912"));
    const RecordingCanvas c = zeichne(s, {wurf(1), wurf(2), vollerWurf()}, karte({3, 4}));
    QCOMPARE(zeilen(c),
             (QStringList{
                 "36: 4711 | eingestallt :  5.3.13", "54: Rasse       :  DL",
                 "72: DE0912 | Herkunft   :  ", "108: aktueller Wurf (3):",
                 "126: Belegen  :   1.12.12 | Max | 2 mal | gut",
                 "144: Belegen  :   2.12.12 | 1 mal", "162: TK-Kontrolle:   2.1.13 |  tragend",
                 "180: TK-Kontrolle:   30.1.13 | nicht  tragend",
                 "198: Ferkeln   :   26.3.13 | geb.F:  14   totgeb.:  2 | weibl.:  7 | "
                 "Ausgl.:  +2",
                 "216:   Besond.:  2   Spreizer / Grätscher ", "234:   Ausfall  :  1   erdrückt ",
                 "252: Absetzen:   21.4.13 | abg.Ferkel: 13", "270: Notiz 3",
                 "306: Belegdatum: | Abferkeldatum:", "324: 2.12.12 | 26.3.13"}));
    const QList<Item> t = c.texts();
    QCOMPARE(t[0].pointSize, 54.0);
    QCOMPARE(t[0].style, int(Canvas::Bold));
    QCOMPARE(t[9].style, int(Canvas::Italic)); // mating note
    for (const Item& it : t)
        if (it.text == u"DE0912") QCOMPARE(it.x2, 530.0); // the TVG ends at 53U
    QCOMPARE(t.last().x2, 800.0);
    // Header rule at 2H + round(3.5H); large dates take round(1.3 * 64.8) = 84.
    QCOMPARE(linien(c), QStringList({"99 30-800", "122 30-800", "297 30-800", "390 30-800"}) +
                            notizlinien(408, 1092));
    QCOMPARE(c.pageCount(), 1);
}

void TestKartendruck::componentsInItemOrder_data() {
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<QStringList>("marken");
    QTest::newRow("initial 5 1 2")
        << QList<int>{5, 1, 2} << QStringList{"Wurf", "Zur Sau:", "zu Wurf 2:"};
    QTest::newRow("0 skips") << QList<int>{0, 4, 0, 3}
                             << QStringList{"Belegdatum:", "aktueller Wurf (3):"};
    QTest::newRow("twice, unknown")
        << QList<int>{4, 7, 4, -1} << QStringList{"Belegdatum:", "Belegdatum:"};
}

void TestKartendruck::componentsInItemOrder() {
    QFETCH(QList<int>, items);
    const QStringList alle{"Zur Sau:", "zu Wurf 2:", "aktueller Wurf (3):", "Belegdatum:", "Wurf"};
    const RecordingCanvas c =
        zeichne(sau(QStringLiteral("x")), {wurf(1), wurf(2), wurf(3)}, karte(items));
    QStringList gefunden; // texts come in drawing order, which runs down the page
    for (const Item& it : c.texts())
        if (alle.contains(it.text)) gefunden << it.text;
    QTEST(gefunden, "marken");
}

void TestKartendruck::currentLitterAndPreviousNote_data() {
    QTest::addColumn<QString>("wuerfe"); // litter numbers, "b" = mated
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("last just opened")
        << "1b 2b 3" << QStringList{"108: zu Wurf 1: | Notiz 1", "135: aktueller Wurf (2):"};
    QTest::newRow("only litter, not mated") << "1" << QStringList{"108: aktueller Wurf (1):"};
    QTest::newRow("number minus one")
        << "1b 5b" << QStringList{"108: zu Wurf 4: | Notiz 1", "135: aktueller Wurf (5):"};
}

void TestKartendruck::currentLitterAndPreviousNote() {
    QFETCH(QString, wuerfe);
    QFETCH(QStringList, erwartet);
    std::vector<TWurfRec> w;
    for (const QString& t : wuerfe.split(u' '))
        w.push_back(wurf(t.left(1).toInt(), t.size() > 1));
    const RecordingCanvas c = zeichne(sau(), w, karte({2, 3}));
    QCOMPARE(zeilen(c, 108).mid(0, erwartet.size()), erwartet);
}

void TestKartendruck::litterTable_data() {
    QTest::addColumn<bool>("weibliche");
    QTest::addColumn<int>("ausgleich");
    QTest::addColumn<QList<int>>("verlustSlots");
    QTest::addColumn<QStringList>("spalte");
    QTest::newRow("12 born, rest zero")
        << false << 0 << QList<int>{} << QStringList{"1", "12", "-", "-", "-", "12"};
    QTest::newRow("females, fostered on")
        << true << 2 << QList<int>{} << QStringList{"1", "12", "-", "-", "-", "+2", "14"};
    QTest::newRow("losses in any slot")
        << false << -1 << QList<int>{1, 3, 14} << QStringList{"1", "12", "-", "3", "-1", "8"};
}

void TestKartendruck::litterTable() {
    QFETCH(bool, weibliche);
    QFETCH(int, ausgleich);
    QFETCH(QList<int>, verlustSlots);
    QFETCH(QStringList, spalte);
    TWurfRec w = wurf(1);
    w.setGeborene(12);
    w.setAusgleich(std::int8_t(ausgleich));
    for (int s : verlustSlots)
        w.setVerlusttag(s, 2);
    const RecordingCanvas c = zeichne(sau(), {w, wurf(2, false)}, karte({5, 3}, weibliche));
    QStringList werte, zweiter; // the unmated litter 2 shows its number only
    for (const Item& it : c.texts()) {
        if (it.y1 >= 108 && qAbs(it.x2 - 170) < 1e-6) werte << it.text;
        if (qAbs(it.x2 - 220) < 1e-6) zweiter << it.text;
    }
    QCOMPARE(werte, spalte);
    QCOMPARE(zweiter, QStringList{"2"});
    const int n = int(spalte.size());
    QCOMPARE(linien(c).mid(1, 2),
             (QStringList{"122 30-220", QStringLiteral("%1 30-800").arg(90 + 18 * n + 14)}));
    // Captions, the column of litter 1, the number of litter 2, then the next component.
    const Item weiter = c.texts().at(4 + 2 * n + 1); // a copy: texts() is a new list
    QCOMPARE(weiter.text, QStringLiteral("aktueller Wurf (1):"));
    QCOMPARE(weiter.y1, 108.0 + 18 * n);
}

void TestKartendruck::litterTableColumnWidth_data() {
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("breite");
    QTest::newRow("13") << 13 << 50;
    QTest::newRow("14") << 14 << 45;
    QTest::newRow("20") << 20 << 31; // 630 / 20
}

void TestKartendruck::litterTableColumnWidth() {
    QFETCH(int, anzahl);
    QFETCH(int, breite);
    std::vector<TWurfRec> w;
    for (int i = 1; i <= anzahl; ++i)
        w.push_back(wurf(i));
    const RecordingCanvas c = zeichne(sau(), w, karte({5}));
    QList<Item> nummern;
    for (const Item& it : c.texts())
        if (it.y1 == 108 && it.text != QStringLiteral("Wurf")) nummern << it;
    QCOMPARE(nummern.size(), anzahl);
    for (int i = 0; i < anzahl; ++i) {
        QCOMPARE(nummern[i].text, QString::number(i + 1));
        QCOMPARE(nummern[i].x2, 170.0 + i * breite);
    }
    QCOMPARE(linien(c).at(1), QStringLiteral("122 30-%1").arg(170 + (anzahl - 1) * breite));
}

void TestKartendruck::sowWithoutLittersGetsHeaderNoteAndRuledLines() {
    const RecordingCanvas c = zeichne(sau(QStringLiteral("neu")), {}, karte({1, 2, 3, 4, 5}));
    QCOMPARE(zeilen(c, 108), QStringList{"108: Zur Sau: | neu"});
    QCOMPARE(c.texts()[4].pointSize, 10.0);
    QCOMPARE(linien(c), QStringList({"99 30-800", "131 30-800"}) + notizlinien(140, 1076));
}

void TestKartendruck::nothingBelowTheFoot() {
    QStringList notiz;
    for (int i = 1; i <= 70; ++i)
        notiz << QStringLiteral("Z%1").arg(i);
    // 70 note lines put the size-54 dates at 1124: above the foot, but they would pass the page.
    const RecordingCanvas c = zeichne(sau(notiz.join(u'\n')), {vollerWurf()}, karte({1, 4, 3}));
    for (const Item& it : c.items()) {
        QVERIFY(it.kind != Item::Page);
        QVERIFY(it.y1 <= 1134);
        QVERIFY(it.kind != Item::Text || it.y2 <= 1188);
    }
    QCOMPARE(zeilen(c, 1100), QStringList{"1106: Belegdatum: | Abferkeldatum:"});
}

QTEST_MAIN(TestKartendruck)
#include "tst_kartendruck.moc"
