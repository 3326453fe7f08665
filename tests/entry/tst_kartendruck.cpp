#include "entry/kartendruck.h"
#include "herd/herdtesthilfe.h"
#include "platform/druckausgabe.h"
#include "platform/recordingcanvas.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

// The recording canvas at 840 x 1188 with one unit per point: U = 10, the height of "M" at
// size 12 is 14.4 (14 on the card), H = 18, size 54 is 64.8 high; the foot lies at 1134.
namespace {

using Item = RecordingCanvas::Item;

constexpr double kBreite = 840, kHoehe = 1188;

Einstellungen mitItems(const QList<int>& items, bool weibliche = true) {
    Einstellungen e;
    e.printerFont = QStringLiteral("Courier New");
    e.weibliche = weibliche;
    for (int i = 0; i < 5; ++i)
        e.item[std::size_t(i)] = i < items.size() ? items[i] : 0;
    return e;
}

TSauRec sau(const QString& nr = QStringLiteral("4711")) {
    TSauRec s;
    s.setSauNr(nr);
    return s;
}

TWurfRec wurf(int nr, bool belegt = true) {
    TWurfRec w = TWurfRec::leer(std::uint8_t(nr));
    if (belegt) w.setBelegen(1, D(1, 12, 112));
    return w;
}

RecordingCanvas zeichne(const TSauRec& s, const std::vector<TWurfRec>& wuerfe,
                        const Einstellungen& e, int tragezeit = 113, double hoehe = kHoehe) {
    RecordingCanvas c(kBreite, hoehe);
    KarteDrucken(c, s, wuerfe, e, tragezeit);
    return c;
}

QString pos(const Item& it) {
    return QStringLiteral("%1,%2 %3").arg(it.x1).arg(it.y1).arg(it.text);
}

QStringList texte(const RecordingCanvas& c, int ab = 0) {
    QStringList out;
    for (const Item& it : c.texts().mid(ab))
        out << pos(it);
    return out;
}

// Horizontal rules as "y x1-x2".
QStringList linien(const RecordingCanvas& c) {
    QStringList out;
    for (const Item& it : c.items()) {
        if (it.kind != Item::Line) continue;
        out << QStringLiteral("%1 %2-%3").arg(it.y1).arg(it.x1).arg(it.x2);
    }
    return out;
}

const Item* finde(const RecordingCanvas& c, const QString& text) {
    for (const Item& it : c.items())
        if (it.kind == Item::Text && it.text == text) return &it;
    return nullptr;
}

// The texts whose top is at y, left to right.
QList<Item> zeile(const RecordingCanvas& c, double y) {
    QList<Item> out;
    for (const Item& it : c.texts())
        if (it.y1 == y) out << it;
    std::sort(out.begin(), out.end(), [](const Item& a, const Item& b) { return a.x1 < b.x1; });
    return out;
}

QStringList nurText(const QList<Item>& items) {
    QStringList out;
    for (const Item& it : items)
        out << it.text;
    return out;
}

// The lines of ruled note space: 2H apart, full width, after the last component.
QStringList notizlinien(double erste, double letzte) {
    QStringList out;
    for (double y = erste; y <= letzte; y += 36)
        out << QStringLiteral("%1 30-800").arg(y);
    return out;
}

// A litter with every part of the current-litter component filled in.
TWurfRec vollerWurf() {
    TWurfRec w = TWurfRec::leer(3);
    w.setBelegen(1, D(1, 12, 112));
    w.setEber(1, QStringLiteral("Max"));
    w.setMal(1, 2);
    w.setBelegnote(1, QStringLiteral("gut"));
    w.setBelegen(2, D(2, 12, 112));
    w.setEber(2, QStringLiteral("Moritz"));
    w.setTKDatum(1, D(2, 1, 113));
    w.setTKErgebnis(1, 1);
    w.setTKDatum(2, D(30, 1, 113));
    w.setAbferkeln(D(26, 3, 113));
    w.setGeborene(14);
    w.setTodgeborene(2);
    w.setWeibliche(7);
    w.setAusgleich(2);
    w.setFerkelnNote(QStringLiteral("leicht"));
    w.setEintrag(1, QStringLiteral("erdrückt"));
    w.setVerlusttag(1, 3);
    w.setEintrag(14, QStringLiteral("Spreizer"));
    w.setEintrag(13, QStringLiteral("Grätscher"));
    w.setAbsetzen(D(21, 4, 113));
    w.setWurfNotiz(QStringLiteral("Zitzen prüfen"));
    return w;
}

// Prints the card of one sow through the program's PDF output.
class KarteAlsPdf : public Druckbar {
public:
    KarteAlsPdf(TSauRec s, std::vector<TWurfRec> w, Einstellungen e)
        : sau_(std::move(s)), wuerfe_(std::move(w)), e_(std::move(e)) {}
    void druckInhalt(Canvas& c) override { KarteDrucken(c, sau_, wuerfe_, e_, 113); }

private:
    TSauRec sau_;
    std::vector<TWurfRec> wuerfe_;
    Einstellungen e_;
};

} // namespace

class TestKartendruck : public QObject {
    Q_OBJECT
private slots:
    void headerShowsMasterDataInUnitsAndLines();
    void componentsFollowTheItemOrder_data();
    void componentsFollowTheItemOrder();
    void itemThreeAloneGivesHeaderCurrentLitterAndRuledLines();
    void currentLitterPrintsEveryEntry();
    void farrowingLines_data();
    void farrowingLines();
    void currentLitterAndPreviousNote_data();
    void currentLitterAndPreviousNote();
    void sowNoteOneLinePerMemoLine_data();
    void sowNoteOneLinePerMemoLine();
    void largeDates_data();
    void largeDates();
    void litterTableColumn_data();
    void litterTableColumn();
    void litterTableColumnWidth_data();
    void litterTableColumnWidth();
    void ruledLinesDownToTheFoot_data();
    void ruledLinesDownToTheFoot();
    void sowWithoutLittersPrintsHeaderNoteAndLines();
    void nothingIsDrawnBelowTheFoot();
    void largeDatesLeftOutWhenTheyWouldPassThePageEnd();
    void pdfHoldsTheCard();
};

void TestKartendruck::headerShowsMasterDataInUnitsAndLines() {
    TSauRec s = sau();
    s.setZugang(D(5, 3, 113));
    s.setRasse(QStringLiteral("DL"));
    s.setTVG(QStringLiteral("DE0912"));
    s.setHerkunft(QStringLiteral("Meyer"));
    const RecordingCanvas c = zeichne(s, {wurf(1)}, mitItems({}));

    QCOMPARE(texte(c), (QStringList{
                           QStringLiteral("60,36 4711"),
                           QStringLiteral("550,36 eingestallt :  5.3.13"),
                           QStringLiteral("550,54 Rasse       :  DL"),
                           QStringLiteral("486.8,72 DE0912"), // ends at 53U
                           QStringLiteral("550,72 Herkunft   :  Meyer"),
                       }));
    const QList<Item> t = c.texts();
    QCOMPARE(t[0].pointSize, 54.0);
    QCOMPARE(t[0].style, int(Canvas::Bold));
    QCOMPARE(t[0].family, QStringLiteral("Courier New"));
    for (int i = 1; i < 5; ++i) {
        QCOMPARE(t[i].pointSize, 12.0);
        QCOMPARE(t[i].style, int(Canvas::Normal));
    }
    QCOMPARE(t[3].x2, 530.0);
    // The header rule at 2H + round(3.5H), then the ruled note lines from y = 6H on.
    QCOMPARE(linien(c).first(), QStringLiteral("99 30-800"));
    QCOMPARE(linien(c).mid(1), notizlinien(108, 1080));
    QCOMPARE(c.pageCount(), 1);
}

void TestKartendruck::componentsFollowTheItemOrder_data() {
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<QStringList>("marken");
    const QString z1 = QStringLiteral("Zur Sau:"), z2 = QStringLiteral("zu Wurf 2:"),
                  z3 = QStringLiteral("aktueller Wurf (3):"), z4 = QStringLiteral("Belegdatum:"),
                  z5 = QStringLiteral("Wurf");
    QTest::newRow("initial list 5 1 2") << QList<int>{5, 1, 2, 0, 0} << QStringList{z5, z1, z2};
    QTest::newRow("current litter only") << QList<int>{3, 0, 0, 0, 0} << QStringList{z3};
    QTest::newRow("a 0 skips, later items print")
        << QList<int>{0, 4, 0, 3, 0} << QStringList{z4, z3};
    QTest::newRow("all five reversed")
        << QList<int>{5, 4, 3, 2, 1} << QStringList{z5, z4, z3, z2, z1};
    QTest::newRow("a component twice") << QList<int>{4, 4, 0, 0, 0} << QStringList{z4, z4};
    QTest::newRow("unknown numbers print nothing") << QList<int>{7, -1, 6, 0, 0} << QStringList{};
}

void TestKartendruck::componentsFollowTheItemOrder() {
    QFETCH(QList<int>, items);
    QFETCH(QStringList, marken);
    TSauRec s = sau();
    s.setSauNotiz(QStringLiteral("scheu"));
    std::vector<TWurfRec> w{wurf(1), wurf(2), wurf(3)};
    for (auto& x : w)
        x.setWurfNotiz(QStringLiteral("Notiz %1").arg(x.WurfNr()));
    const RecordingCanvas c = zeichne(s, w, mitItems(items));

    const QStringList alle{QStringLiteral("Zur Sau:"), QStringLiteral("zu Wurf 2:"),
                           QStringLiteral("aktueller Wurf (3):"), QStringLiteral("Belegdatum:"),
                           QStringLiteral("Wurf")};
    QList<Item> gefunden;
    for (const Item& it : c.texts())
        if (alle.contains(it.text)) gefunden << it;
    std::stable_sort(gefunden.begin(), gefunden.end(),
                     [](const Item& a, const Item& b) { return a.y1 < b.y1; });
    QCOMPARE(nurText(gefunden), marken);
}

void TestKartendruck::itemThreeAloneGivesHeaderCurrentLitterAndRuledLines() {
    TSauRec s = sau();
    s.setSauNotiz(QStringLiteral("scheu"));
    TWurfRec w1 = wurf(1);
    w1.setWurfNotiz(QStringLiteral("alt"));
    TWurfRec w2 = wurf(2);
    w2.setWurfNotiz(QStringLiteral("neu"));
    const RecordingCanvas c = zeichne(s, {w1, w2}, mitItems({3, 0, 0, 0, 0}));

    // Header (only the SauNr and the three labels: the other fields are empty), then the litter.
    QCOMPARE(texte(c).mid(4), (QStringList{
                                  QStringLiteral("40,108 aktueller Wurf (2):"),
                                  QStringLiteral("30,126 Belegen  :   1.12.12"),
                                  QStringLiteral("380,126 1 mal"),
                                  QStringLiteral("40,144 neu"),
                              }));
    // Header rule, heading rule, the litter's closing rule, then only ruled note lines.
    const QStringList erwartet =
        QStringList{QStringLiteral("99 30-800"), QStringLiteral("122 30-800"),
                    QStringLiteral("171 30-800")} +
        notizlinien(180, 1080);
    QCOMPARE(linien(c), erwartet);
}

void TestKartendruck::currentLitterPrintsEveryEntry() {
    TWurfRec w1 = wurf(1), w2 = wurf(2);
    const RecordingCanvas c = zeichne(sau(), {w1, w2, vollerWurf()}, mitItems({3}));

    QCOMPARE(texte(c, 4), (QStringList{
                              QStringLiteral("40,108 aktueller Wurf (3):"),
                              QStringLiteral("30,126 Belegen  :   1.12.12"),
                              QStringLiteral("220,126 Max"),
                              QStringLiteral("380,126 2 mal"),
                              QStringLiteral("620,126 gut"),
                              QStringLiteral("30,144 Belegen  :   2.12.12"),
                              QStringLiteral("220,144 Moritz"),
                              QStringLiteral("380,144 1 mal"), // 0 services count as one
                              QStringLiteral("30,162 TK-Kontrolle:   2.1.13"),
                              QStringLiteral("220,162  tragend"),
                              QStringLiteral("30,180 TK-Kontrolle:   30.1.13"),
                              QStringLiteral("220,180 nicht  tragend"),
                              QStringLiteral("30,198 Ferkeln   :   26.3.13"),
                              QStringLiteral("220,198 geb.F:  14   totgeb.:  2"),
                              QStringLiteral("410,198 weibl.:  7"),
                              QStringLiteral("500,198 Ausgl.:  +2"),
                              QStringLiteral("620,198 leicht"),
                              QStringLiteral("30,216   Besond.:  2   Spreizer / Grätscher "),
                              QStringLiteral("30,234   Ausfall  :  1   erdrückt "),
                              QStringLiteral("30,252 Absetzen:   21.4.13"),
                              QStringLiteral("200,252 abg.Ferkel: 13"),
                              QStringLiteral("40,270 Zitzen prüfen"),
                          }));
    QStringList kursiv;
    for (const Item& it : c.texts())
        if (it.style & Canvas::Italic) kursiv << it.text;
    QCOMPARE(kursiv, (QStringList{QStringLiteral("gut"), QStringLiteral("leicht"),
                                  QStringLiteral("Zitzen prüfen")}));
    // Heading rule at y + height of "M", the closing rule H/2 above the next line.
    QCOMPARE(linien(c).mid(0, 3),
             (QStringList{QStringLiteral("99 30-800"), QStringLiteral("122 30-800"),
                          QStringLiteral("297 30-800")}));
    QCOMPARE(linien(c).mid(3).first(), QStringLiteral("306 30-800"));
}

void TestKartendruck::farrowingLines_data() {
    QTest::addColumn<bool>("weibliche");
    QTest::addColumn<int>("ausgleich");
    QTest::addColumn<QStringList>("anomalien"); // from slot 14 down
    QTest::addColumn<QStringList>("verluste");  // from slot 1 up
    QTest::addColumn<bool>("verlustNachLuecke");
    QTest::addColumn<QStringList>("ferkeln");
    QTest::addColumn<QString>("besond");
    QTest::addColumn<QString>("ausfall");

    const QString geb = QStringLiteral("geb.F:  10   totgeb.:  1");
    QTest::newRow("nothing to report, females off")
        << false << 0 << QStringList{} << QStringList{} << false
        << QStringList{geb, QStringLiteral("Ausgl.:  0")} << QStringLiteral("  Besond.:  0 ")
        << QStringLiteral("  Ausfall  :  0 ");
    QTest::newRow("females on, fostered on gets a plus")
        << true << 3 << QStringList{} << QStringList{} << false
        << QStringList{geb, QStringLiteral("weibl.:  4"), QStringLiteral("Ausgl.:  +3")}
        << QStringLiteral("  Besond.:  0 ") << QStringLiteral("  Ausfall  :  0 ");
    QTest::newRow("fostered off") << false << -2 << QStringList{QStringLiteral("Kümmerer")}
                                  << QStringList{} << false
                                  << QStringList{geb, QStringLiteral("Ausgl.:  -2")}
                                  << QStringLiteral("  Besond.:  1   Kümmerer ")
                                  << QStringLiteral("  Ausfall  :  0 ");
    QTest::newRow("lists in slot order")
        << false << 0 << QStringList{QStringLiteral("A14"), QStringLiteral("A13")}
        << QStringList{QStringLiteral("V1"), QStringLiteral("V2"), QStringLiteral("V3")} << false
        << QStringList{geb, QStringLiteral("Ausgl.:  0")}
        << QStringLiteral("  Besond.:  2   A14 / A13 ")
        << QStringLiteral("  Ausfall  :  3   V1 / V2 / V3 ");
    QTest::newRow("a loss after an empty slot is not listed")
        << false << 0 << QStringList{} << QStringList{QStringLiteral("V1")} << true
        << QStringList{geb, QStringLiteral("Ausgl.:  0")} << QStringLiteral("  Besond.:  0 ")
        << QStringLiteral("  Ausfall  :  1   V1 ");
}

void TestKartendruck::farrowingLines() {
    QFETCH(bool, weibliche);
    QFETCH(int, ausgleich);
    QFETCH(QStringList, anomalien);
    QFETCH(QStringList, verluste);
    QFETCH(bool, verlustNachLuecke);
    QFETCH(QStringList, ferkeln);
    QFETCH(QString, besond);
    QFETCH(QString, ausfall);

    TWurfRec w = wurf(1);
    w.setAbferkeln(D(24, 3, 113));
    w.setGeborene(10);
    w.setTodgeborene(1);
    w.setWeibliche(4);
    w.setAusgleich(std::int8_t(ausgleich));
    for (int i = 0; i < anomalien.size(); ++i)
        w.setEintrag(14 - i, anomalien[i]);
    for (int i = 0; i < verluste.size(); ++i) {
        w.setEintrag(i + 1, verluste[i]);
        w.setVerlusttag(i + 1, std::uint8_t(i + 2));
    }
    if (verlustNachLuecke) {
        w.setEintrag(int(verluste.size()) + 2, QStringLiteral("später"));
        w.setVerlusttag(int(verluste.size()) + 2, 9);
    }
    const RecordingCanvas c = zeichne(sau(), {w}, mitItems({3}, weibliche));

    // One mating, no check: the farrowing line is the third line of the component.
    const double y = 144;
    QList<Item> zf = zeile(c, y);
    QVERIFY(!zf.isEmpty());
    QCOMPARE(zf.takeFirst().text, QStringLiteral("Ferkeln   :   24.3.13"));
    QCOMPARE(nurText(zf), ferkeln);
    if (weibliche) QCOMPARE(zf[1].x1, 410.0);
    QCOMPARE(zf.last().x1, 500.0);
    QCOMPARE(nurText(zeile(c, y + 18)), QStringList{besond});
    QCOMPARE(nurText(zeile(c, y + 36)), QStringList{ausfall});
    QCOMPARE(zeile(c, y + 36).first().x1, 30.0);
}

void TestKartendruck::currentLitterAndPreviousNote_data() {
    QTest::addColumn<QString>("wuerfe"); // number, "b" mated, "x" without note
    QTest::addColumn<QString>("aktuell");
    QTest::addColumn<QString>("vorwurf");
    QTest::addColumn<QString>("notiz");
    QTest::newRow("last litter mated")
        << QStringLiteral("1b 2b 3b") << QStringLiteral("aktueller Wurf (3):")
        << QStringLiteral("zu Wurf 2:") << QStringLiteral("Notiz 2");
    QTest::newRow("last litter just opened")
        << QStringLiteral("1b 2b 3") << QStringLiteral("aktueller Wurf (2):")
        << QStringLiteral("zu Wurf 1:") << QStringLiteral("Notiz 1");
    QTest::newRow("only litter not mated")
        << QStringLiteral("1") << QStringLiteral("aktueller Wurf (1):") << QString() << QString();
    QTest::newRow("only litter mated")
        << QStringLiteral("1b") << QStringLiteral("aktueller Wurf (1):") << QString() << QString();
    QTest::newRow("previous litter without note")
        << QStringLiteral("1b 2bx 3b") << QStringLiteral("aktueller Wurf (3):") << QString()
        << QString();
    QTest::newRow("heading counts down from the current number")
        << QStringLiteral("1b 5b") << QStringLiteral("aktueller Wurf (5):")
        << QStringLiteral("zu Wurf 4:") << QStringLiteral("Notiz 1");
}

void TestKartendruck::currentLitterAndPreviousNote() {
    QFETCH(QString, wuerfe);
    QFETCH(QString, aktuell);
    QFETCH(QString, vorwurf);
    QFETCH(QString, notiz);
    std::vector<TWurfRec> w;
    for (const QString& teil : wuerfe.split(u' ')) {
        const int nr = teil.left(1).toInt();
        TWurfRec x = wurf(nr, teil.contains(u'b'));
        if (!teil.contains(u'x')) x.setWurfNotiz(QStringLiteral("Notiz %1").arg(nr));
        w.push_back(x);
    }
    const RecordingCanvas c = zeichne(sau(), w, mitItems({2, 3}));

    double y = 108;
    if (vorwurf.isEmpty()) {
        for (const Item& it : c.texts())
            QVERIFY(!it.text.startsWith(QStringLiteral("zu Wurf")));
        QVERIFY(c.texts().size() > 4);
        QCOMPARE(c.texts()[4].text, aktuell); // the first text after the header
    } else {
        QCOMPARE(nurText(zeile(c, y)), (QStringList{vorwurf, notiz}));
        QCOMPARE(zeile(c, y)[0].pointSize, 10.0);
        QCOMPARE(zeile(c, y)[1].x1, 110.0);
        QCOMPARE(zeile(c, y)[1].style, int(Canvas::Italic));
        QVERIFY(linien(c).contains(QStringLiteral("126 30-800")));
        y += 27; // round(1.5H)
    }
    const Item* kopf = finde(c, aktuell);
    QVERIFY(kopf);
    QCOMPARE(kopf->y1, y);
    QCOMPARE(kopf->x1, 40.0);
    QCOMPARE(kopf->style, int(Canvas::Normal));
}

void TestKartendruck::sowNoteOneLinePerMemoLine_data() {
    QTest::addColumn<QString>("notiz");
    QTest::addColumn<QStringList>("gedruckt");
    QTest::addColumn<double>("regel");
    QTest::addColumn<double>("weiter");
    QTest::newRow("no note: only the rule") << QString() << QStringList{} << 117.0 << 126.0;
    QTest::newRow("one line") << QStringLiteral("Futter knapp")
                              << QStringList{QStringLiteral("110,108 Futter knapp")} << 131.0
                              << 140.0;
    QTest::newRow("trailing line break opens no line")
        << QStringLiteral("lahmt\nEber Max\n")
        << QStringList{QStringLiteral("110,108 lahmt"), QStringLiteral("110,122 Eber Max")} << 145.0
        << 154.0;
    QTest::newRow("an empty line keeps its place")
        << QStringLiteral("a\n\nc")
        << QStringList{QStringLiteral("110,108 a"), QStringLiteral("110,136 c")} << 159.0 << 168.0;
}

void TestKartendruck::sowNoteOneLinePerMemoLine() {
    QFETCH(QString, notiz);
    QFETCH(QStringList, gedruckt);
    QFETCH(double, regel);
    QFETCH(double, weiter);
    TSauRec s = sau();
    s.setSauNotiz(notiz);
    const RecordingCanvas c = zeichne(s, {wurf(1)}, mitItems({1, 3}));

    const Item* zurSau = finde(c, QStringLiteral("Zur Sau:"));
    QCOMPARE(zurSau != nullptr, !gedruckt.isEmpty());
    if (zurSau) {
        QCOMPARE(pos(*zurSau), QStringLiteral("30,108 Zur Sau:"));
        QCOMPARE(zurSau->pointSize, 10.0);
    }
    QStringList zeilen;
    for (const Item& it : c.texts()) {
        if (it.x1 != 110) continue;
        zeilen << pos(it);
        QCOMPARE(it.style, int(Canvas::Italic));
        QCOMPARE(it.pointSize, 12.0);
    }
    QCOMPARE(zeilen, gedruckt);
    QCOMPARE(linien(c).at(1), QStringLiteral("%1 30-800").arg(regel));
    const Item* naechste = finde(c, QStringLiteral("aktueller Wurf (1):"));
    QVERIFY(naechste);
    QCOMPARE(naechste->y1, weiter);
    QCOMPARE(naechste->style, int(Canvas::Normal));
}

void TestKartendruck::largeDates_data() {
    QTest::addColumn<TKurzDatum>("beleg1");
    QTest::addColumn<TKurzDatum>("beleg2");
    QTest::addColumn<TKurzDatum>("beleg3");
    QTest::addColumn<TKurzDatum>("abferkeln");
    QTest::addColumn<bool>("tkNegativ");
    QTest::addColumn<int>("tragezeit");
    QTest::addColumn<QString>("belegdatum");
    QTest::addColumn<QString>("ferkeldatum");
    const TKurzDatum leer;
    QTest::newRow("expected from the first mating")
        << D(1, 12, 112) << leer << leer << leer << false << 113 << QStringLiteral("1.12.12")
        << QStringLiteral("24.3.13");
    QTest::newRow("gestation length is used")
        << D(1, 12, 112) << leer << leer << leer << false << 115 << QStringLiteral("1.12.12")
        << QStringLiteral("26.3.13");
    QTest::newRow("second mating counts")
        << D(1, 12, 112) << D(2, 12, 112) << leer << leer << false << 113
        << QStringLiteral("2.12.12") << QStringLiteral("25.3.13");
    QTest::newRow("third mating without second: shown, not counted")
        << D(1, 12, 112) << leer << D(3, 12, 112) << leer << false << 113
        << QStringLiteral("3.12.12") << QStringLiteral("24.3.13");
    QTest::newRow("farrowed: the farrowing date")
        << D(1, 12, 112) << leer << leer << D(20, 3, 113) << false << 113
        << QStringLiteral("1.12.12") << QStringLiteral("20.3.13");
    QTest::newRow("not pregnant: no expected date")
        << D(1, 12, 112) << leer << leer << leer << true << 113 << QStringLiteral("1.12.12")
        << QString();
}

void TestKartendruck::largeDates() {
    QFETCH(TKurzDatum, beleg1);
    QFETCH(TKurzDatum, beleg2);
    QFETCH(TKurzDatum, beleg3);
    QFETCH(TKurzDatum, abferkeln);
    QFETCH(bool, tkNegativ);
    QFETCH(int, tragezeit);
    QFETCH(QString, belegdatum);
    QFETCH(QString, ferkeldatum);
    TWurfRec w = TWurfRec::leer(1);
    w.setBelegen(1, beleg1);
    w.setBelegen(2, beleg2);
    w.setBelegen(3, beleg3);
    w.setAbferkeln(abferkeln);
    if (tkNegativ) w.setTKDatum(1, D(2, 1, 113));
    const RecordingCanvas c = zeichne(sau(), {w}, mitItems({4}), tragezeit);

    QCOMPARE(texte(c, 4).mid(0, 2), (QStringList{QStringLiteral("150,108 Belegdatum:"),
                                                 QStringLiteral("600,108 Abferkeldatum:")}));
    const QList<Item> gross = zeile(c, 126);
    QCOMPARE(gross.size(), ferkeldatum.isEmpty() ? 1 : 2);
    QCOMPARE(pos(gross[0]), QStringLiteral("30,126 ") + belegdatum);
    for (const Item& it : gross) {
        QCOMPARE(it.pointSize, 54.0);
        QCOMPARE(it.style, int(Canvas::Bold));
    }
    if (!ferkeldatum.isEmpty()) {
        QCOMPARE(gross[1].text, ferkeldatum);
        QCOMPARE(gross[1].x2, 800.0);
    }
    // round(1.3 x 64.8) = 84 below the dates, the rule one line above that.
    QCOMPARE(linien(c).at(1), QStringLiteral("192 30-800"));
    QCOMPARE(linien(c).at(2), QStringLiteral("210 30-800")); // first ruled note line
}

void TestKartendruck::litterTableColumn_data() {
    QTest::addColumn<bool>("weibliche");
    QTest::addColumn<bool>("belegt");
    QTest::addColumn<int>("geboren");
    QTest::addColumn<int>("tot");
    QTest::addColumn<int>("weiblich");
    QTest::addColumn<int>("ausgleich");
    QTest::addColumn<QList<int>>("verlustSlots");
    QTest::addColumn<QStringList>("spalte");
    QTest::newRow("12 born, nothing else, females off")
        << false << true << 12 << 0 << 5 << 0 << QList<int>{}
        << QStringList{"1", "12", "-", "-", "-", "12"};
    QTest::newRow("females on") << true << true << 12 << 1 << 6 << 0 << QList<int>{}
                                << QStringList{"1", "12", "1", "6", "-", "-", "11"};
    QTest::newRow("no females is a dash") << true << true << 9 << 0 << 0 << 0 << QList<int>{}
                                          << QStringList{"1", "9", "-", "-", "-", "-", "9"};
    QTest::newRow("losses counted in every slot")
        << false << true << 11 << 0 << 0 << 0 << QList<int>{1, 3, 14}
        << QStringList{"1", "11", "-", "3", "-", "8"};
    QTest::newRow("fostered on") << false << true << 10 << 2 << 0 << 2 << QList<int>{1}
                                 << QStringList{"1", "10", "2", "1", "+2", "9"};
    QTest::newRow("fostered off") << false << true << 10 << 0 << 0 << -3 << QList<int>{}
                                  << QStringList{"1", "10", "-", "-", "-3", "7"};
    QTest::newRow("no piglets born: zero stays")
        << false << true << 0 << 0 << 0 << 0 << QList<int>{}
        << QStringList{"1", "0", "-", "-", "-", "0"};
    QTest::newRow("litter without mating: number only")
        << true << false << 12 << 1 << 6 << 0 << QList<int>{} << QStringList{"1"};
}

void TestKartendruck::litterTableColumn() {
    QFETCH(bool, weibliche);
    QFETCH(bool, belegt);
    QFETCH(int, geboren);
    QFETCH(int, tot);
    QFETCH(int, weiblich);
    QFETCH(int, ausgleich);
    QFETCH(QList<int>, verlustSlots);
    QFETCH(QStringList, spalte);
    TWurfRec w = wurf(1, belegt);
    w.setGeborene(std::uint8_t(geboren));
    w.setTodgeborene(std::uint8_t(tot));
    w.setWeibliche(std::uint8_t(weiblich));
    w.setAusgleich(std::int8_t(ausgleich));
    for (int s : verlustSlots) {
        w.setEintrag(s, QStringLiteral("x"));
        w.setVerlusttag(s, 2);
    }
    const RecordingCanvas c = zeichne(sau(), {w}, mitItems({5, 3}, weibliche));

    QStringList beschriftung{"Wurf", "geb.Ferkel", "davon tot"};
    if (weibliche) beschriftung << "weiblich";
    beschriftung << QStringLiteral("Ausfälle") << "Ausgleich"
                 << "abg.Ferkel";
    QStringList zeilen, werte;
    for (const Item& it : c.texts()) {
        if (it.y1 < 108) continue;
        if (it.x1 == 30 && beschriftung.contains(it.text)) zeilen << pos(it);
        if (qAbs(it.x2 - 170) < 1e-9) {
            QCOMPARE(it.y1, 108.0 + 18 * werte.size());
            werte << it.text;
        }
    }
    QStringList erwartet;
    for (int r = 0; r < beschriftung.size(); ++r)
        erwartet << QStringLiteral("30,%1 %2").arg(108 + 18 * r).arg(beschriftung[r]);
    QCOMPARE(zeilen, erwartet);
    QCOMPARE(werte, spalte);

    // Rule under "Wurf" to the end of the only column, rule under the last row, and the next
    // component on the first line below the table.
    const int zeilenzahl = int(beschriftung.size());
    QCOMPARE(linien(c).at(1), QStringLiteral("122 30-170"));
    QCOMPARE(linien(c).at(2), QStringLiteral("%1 30-800").arg(108 + 18 * (zeilenzahl - 1) + 14));
    const Item* weiter = finde(c, QStringLiteral("aktueller Wurf (1):"));
    QVERIFY(weiter);
    QCOMPARE(weiter->y1, 108.0 + 18 * zeilenzahl);
}

void TestKartendruck::litterTableColumnWidth_data() {
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("breite");
    QTest::newRow("1 litter") << 1 << 50;
    QTest::newRow("13 litters") << 13 << 50;
    QTest::newRow("14 litters") << 14 << 45;
    QTest::newRow("20 litters") << 20 << 31; // 630 / 20
    QTest::newRow("30 litters") << 30 << 21;
}

void TestKartendruck::litterTableColumnWidth() {
    QFETCH(int, anzahl);
    QFETCH(int, breite);
    std::vector<TWurfRec> w;
    for (int i = 1; i <= anzahl; ++i) {
        w.push_back(wurf(i));
        w.back().setGeborene(10);
    }
    const RecordingCanvas c = zeichne(sau(), w, mitItems({5}, false));

    QList<Item> nummern = zeile(c, 108);
    QCOMPARE(nummern.takeFirst().text, QStringLiteral("Wurf"));
    QCOMPARE(nummern.size(), anzahl);
    for (int i = 0; i < anzahl; ++i) {
        QCOMPARE(nummern[i].text, QString::number(i + 1));
        QCOMPARE(nummern[i].x2, 170.0 + i * breite);
    }
    const QList<Item> geboren = zeile(c, 126);
    QCOMPARE(geboren.size(), anzahl + 1);
    QCOMPARE(geboren.last().x2, 170.0 + (anzahl - 1) * breite);
    QCOMPARE(linien(c).at(1), QStringLiteral("122 30-%1").arg(170 + (anzahl - 1) * breite));
}

void TestKartendruck::ruledLinesDownToTheFoot_data() {
    QTest::addColumn<double>("hoehe");
    QTest::addColumn<double>("letzte");
    // Lines are drawn H above y while y < height - 4H; y starts at 7H and grows by 2H.
    QTest::newRow("A4 shape") << 1188.0 << 1080.0;
    QTest::newRow("limit hit exactly: that line is left out") << 1170.0 << 1044.0;
    QTest::newRow("one more line") << 1171.0 << 1080.0;
    QTest::newRow("short page") << 1134.0 << 1008.0;
}

void TestKartendruck::ruledLinesDownToTheFoot() {
    QFETCH(double, hoehe);
    QFETCH(double, letzte);
    const RecordingCanvas c = zeichne(sau(), {wurf(1)}, mitItems({}), 113, hoehe);
    QCOMPARE(linien(c).mid(1), notizlinien(108, letzte));
}

void TestKartendruck::sowWithoutLittersPrintsHeaderNoteAndLines() {
    TSauRec s = sau(QStringLiteral("JS 12"));
    s.setRasse(QStringLiteral("DE"));
    s.setSauNotiz(QStringLiteral("neu eingestallt"));
    const RecordingCanvas c = zeichne(s, {}, mitItems({1, 2, 3, 4, 5}));

    QCOMPARE(
        texte(c),
        (QStringList{QStringLiteral("60,36 JS 12"), QStringLiteral("550,36 eingestallt :  "),
                     QStringLiteral("550,54 Rasse       :  DE"),
                     QStringLiteral("550,72 Herkunft   :  "), QStringLiteral("30,108 Zur Sau:"),
                     QStringLiteral("110,108 neu eingestallt")}));
    QCOMPARE(linien(c), (QStringList{QStringLiteral("99 30-800"), QStringLiteral("131 30-800")} +
                         notizlinien(140, 1076)));
    QCOMPARE(c.pageCount(), 1);
}

void TestKartendruck::nothingIsDrawnBelowTheFoot() {
    TSauRec s = sau();
    QStringList zeilen;
    for (int i = 1; i <= 80; ++i)
        zeilen << QStringLiteral("Z%1").arg(i);
    s.setSauNotiz(zeilen.join(u'\n'));
    std::vector<TWurfRec> w;
    for (int i = 1; i <= 20; ++i) {
        w.push_back(wurf(i));
        w.back().setWurfNotiz(QStringLiteral("Notiz"));
    }
    w.back() = vollerWurf();
    w.back().setWurfNr(20);
    const RecordingCanvas c = zeichne(s, w, mitItems({5, 1, 3, 4, 2}));

    const double fuss = kHoehe - 3 * 18;
    int notizZeilen = 0;
    double letzteNotiz = 0;
    for (const Item& it : c.items()) {
        QVERIFY(it.kind != Item::Page);
        QVERIFY2(it.y1 <= fuss, qPrintable(QStringLiteral("%1 at %2").arg(it.text).arg(it.y1)));
        if (it.kind == Item::Text) {
            QVERIFY(it.y2 <= kHoehe);
            if (it.text.startsWith(u'Z') && it.x1 == 110) {
                ++notizZeilen;
                letzteNotiz = it.y1;
            }
        }
    }
    QCOMPARE(c.pageCount(), 1);
    // The table and the note start the card; the note is cut at the foot, not before.
    QVERIFY(notizZeilen > 40 && notizZeilen < 80);
    QVERIFY(letzteNotiz + 14 > fuss);
    QVERIFY(!finde(c, QStringLiteral("Belegdatum:")));
}

void TestKartendruck::largeDatesLeftOutWhenTheyWouldPassThePageEnd() {
    // 70 note lines put the large dates at 1124: above the foot, but 64.8 high.
    TSauRec s = sau();
    QStringList zeilen;
    for (int i = 1; i <= 70; ++i)
        zeilen << QStringLiteral("Z%1").arg(i);
    s.setSauNotiz(zeilen.join(u'\n'));
    const RecordingCanvas c = zeichne(s, {wurf(1)}, mitItems({1, 4}));

    const Item* beleg = finde(c, QStringLiteral("Belegdatum:"));
    QVERIFY(beleg);
    QCOMPARE(beleg->y1, 1106.0);
    for (const Item& it : c.texts())
        QVERIFY2(it.pointSize != 54 || it.y1 < 100, qPrintable(it.text));
}

void TestKartendruck::pdfHoldsTheCard() {
    TSauRec s = sau(QStringLiteral("DE-4711"));
    s.setRasse(QStringLiteral("Landrasse"));
    s.setZugang(D(5, 3, 112));
    s.setSauNotiz(QStringLiteral("ruhige Sau"));
    TWurfRec w1 = wurf(1), w2 = wurf(2);
    w1.setGeborene(12);
    w2.setGeborene(11);
    w2.setWurfNotiz(QStringLiteral("gut abgesetzt"));
    std::vector<TWurfRec> w{w1, w2, vollerWurf()};
    Einstellungen e = mitItems({5, 1, 2, 3, 4});
    e.printerFont = Einstellungen{}.printerFont;
    KarteAlsPdf karte(s, w, e);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sauenkarte.pdf"));
    QVERIFY(druckausgabe::alsPdf(karte, pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(20000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString& t :
         {QStringLiteral("DE-4711"), QStringLiteral("aktueller Wurf (3):"),
          QStringLiteral("geb.Ferkel"), QStringLiteral("Zur Sau:"), QStringLiteral("zu Wurf 2:"),
          QStringLiteral("Abferkeldatum:"), QStringLiteral("Zitzen prüfen")})
        QVERIFY2(text.contains(t), qPrintable(t + QStringLiteral("\n") + text));
    QCOMPARE(text.count(u'\f'), 1); // one page
}

QTEST_MAIN(TestKartendruck)
#include "tst_kartendruck.moc"
