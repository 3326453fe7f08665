#include "entry/auswahlliste.h"
#include "herd/herdfile.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

TKurzDatum dt(int d, int m, int y) {
    return TKurzDatum::aus(d, m, y);
}

Sau sau(const QString& nr, int gruppe = 0, TKurzDatum zugang = {}, std::vector<TWurfRec> w = {}) {
    Sau s;
    s.rec.setSauNr(nr);
    s.rec.setGruppe(std::int8_t(gruppe));
    s.rec.setZugang(zugang);
    s.wuerfe = std::move(w);
    return s;
}

QStringList nummern(const Auswahlliste& l) {
    QStringList out;
    for (const AuswahlEintrag& e : l.eintraege())
        out << e.nummer;
    return out;
}

// The order the herd gets by inserting each sow before the first entry it does not sort
// after, done literally.
std::vector<int> eingefuegt(const Herde& h, Sortierung s, int tragezeit) {
    Auswahlliste einzeln;
    std::vector<AuswahlEintrag> liste;
    for (std::size_t i = 0; i < h.size(); ++i) {
        Herde eine{h[i]};
        einzeln.aufbauen(eine, tragezeit, s);
        AuswahlEintrag e = einzeln.eintraege().front();
        e.index = int(i);
        std::size_t pos = 0;
        while (pos < liste.size() && Auswahlliste::nach(e, liste[pos], s, h))
            ++pos;
        liste.insert(liste.begin() + std::ptrdiff_t(pos), e);
    }
    std::vector<int> out;
    for (const auto& e : liste)
        out.push_back(e.index);
    return out;
}

std::vector<int> indizes(const Auswahlliste& l) {
    std::vector<int> out;
    for (const auto& e : l.eintraege())
        out.push_back(e.index);
    return out;
}

Herde zufallsHerde(int n, quint32 seed) {
    QRandomGenerator rnd(seed);
    Herde h;
    for (int i = 0; i < n; ++i) {
        std::vector<TWurfRec> w;
        const int wuerfe = rnd.bounded(4);
        for (int k = 0; k < wuerfe; ++k) {
            TWurfRec r = TWurfRec::leer(std::uint8_t(k + 1));
            if (rnd.bounded(3))
                r.setBelegen(1,
                             dt(1 + rnd.bounded(28), 1 + rnd.bounded(12), 2010 + rnd.bounded(3)));
            if (rnd.bounded(2)) r.setAbferkeln(dt(1 + rnd.bounded(28), 1 + rnd.bounded(12), 2012));
            w.push_back(r);
        }
        // Few distinct keys, so that equal keys are common.
        const QString nr = QStringLiteral("%1%2")
                               .arg(rnd.bounded(3) ? QString() : QStringLiteral("A"))
                               .arg(rnd.bounded(40));
        h.push_back(sau(nr, rnd.bounded(5) - 1, dt(1, 1 + rnd.bounded(3), 2010), w));
    }
    StatusNeuBerechnen(h);
    return h;
}

// Keys over their whole range: numbers of up to ten characters with bytes above 0x7F, zero
// bytes, numbers that begin other numbers and numbers that differ only in their last
// characters, long leading digit runs, groups from -128 to 127, dates over the full year
// byte, sows without litters.
Herde weiteSchluessel(int n, quint32 seed) {
    QRandomGenerator rnd(seed);
    QString zeichen = QStringLiteral("019AZaÄ€ÿ ");
    zeichen += QChar(0); // a number "12" and a number "12" plus a zero byte are not equal
    const QStringList stamm{"12",      "120",      "12A",     "1200000000", "9999999999",
                            "Ä",       "ÄÄ",       "€1",      "",           "12345678",
                            "1234567", "ABCDEFGH", "ABCDEFG", "9999999999"};
    Herde h;
    for (int i = 0; i < n; ++i) {
        QString nr = stamm[rnd.bounded(int(stamm.size()))];
        const int mehr = rnd.bounded(11 - int(nr.size()));
        for (int k = 0; k < mehr; ++k)
            nr += zeichen[rnd.bounded(int(zeichen.size()))];
        std::vector<TWurfRec> w;
        for (int k = rnd.bounded(3); k > 0; --k) {
            TWurfRec r = TWurfRec::leer(std::uint8_t(1 + rnd.bounded(255)));
            if (rnd.bounded(4))
                r.setBelegen(1 + rnd.bounded(3), TKurzDatum{std::uint8_t(1 + rnd.bounded(31)),
                                                            std::uint8_t(1 + rnd.bounded(12)),
                                                            std::uint8_t(rnd.bounded(256)), 0});
            if (rnd.bounded(2))
                r.setAbferkeln(TKurzDatum{std::uint8_t(1 + rnd.bounded(31)),
                                          std::uint8_t(1 + rnd.bounded(12)),
                                          std::uint8_t(rnd.bounded(256)), 0});
            w.push_back(r);
        }
        const TKurzDatum zugang{std::uint8_t(rnd.bounded(32)), std::uint8_t(rnd.bounded(13)),
                                std::uint8_t(rnd.bounded(256)), 0};
        h.push_back(sau(nr, rnd.bounded(256) - 128, zugang, w));
    }
    return h;
}

} // namespace

class TestAuswahlliste : public QObject {
    Q_OBJECT
private slots:
    void alphanumAndNumeric_data();
    void alphanumAndNumeric();
    void equalKeysLaterSowFirst();
    void fastSortsEqualTheLiteralOnes_data();
    void fastSortsEqualTheLiteralOnes();
    void youngSowGroupFollowsState();
    void filtersAndSearch();
    void farrowingDateRules();
};

void TestAuswahlliste::alphanumAndNumeric_data() {
    QTest::addColumn<QStringList>("herde");
    QTest::addColumn<int>("sort");
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("alphanum") << QStringList{"A7", "3", "12"} << 0 << QStringList{"12", "3", "A7"};
    QTest::newRow("alphanum other order")
        << QStringList{"12", "A7", "3"} << 0 << QStringList{"12", "3", "A7"};
    QTest::newRow("numeric") << QStringList{"12", "3", "A7"} << 1 << QStringList{"A7", "3", "12"};
    QTest::newRow("numeric other order")
        << QStringList{"A7", "12", "3"} << 1 << QStringList{"A7", "3", "12"};
}

void TestAuswahlliste::alphanumAndNumeric() {
    QFETCH(QStringList, herde);
    QFETCH(int, sort);
    QFETCH(QStringList, erwartet);
    Herde h;
    for (const QString& n : herde)
        h.push_back(sau(n));
    Auswahlliste l;
    l.aufbauen(h, 113, Sortierung(sort));
    QCOMPARE(nummern(l), erwartet);
}

void TestAuswahlliste::equalKeysLaterSowFirst() {
    Herde h{sau("1", 2), sau("2", 1), sau("3", 2), sau("4", 1)};
    Auswahlliste l;
    l.aufbauen(h, 113, Sortierung::Gruppe);
    QCOMPARE(nummern(l), (QStringList{"4", "2", "3", "1"}));
    // Re-sorting keeps equal entries in their order.
    l.sortieren(h, Sortierung::Status);
    QCOMPARE(nummern(l), (QStringList{"4", "2", "3", "1"}));
}

void TestAuswahlliste::fastSortsEqualTheLiteralOnes_data() {
    QTest::addColumn<int>("sort");
    QTest::addColumn<bool>("weit");
    for (int s = 0; s < 6; ++s) {
        QTest::addRow("%d, few keys", s) << s << false;
        QTest::addRow("%d, keys over their range", s) << s << true;
    }
}

void TestAuswahlliste::fastSortsEqualTheLiteralOnes() {
    QFETCH(int, sort);
    QFETCH(bool, weit);
    const Herde h =
        weit ? weiteSchluessel(400, 41 + quint32(sort)) : zufallsHerde(400, 17 + quint32(sort));
    const Sortierung s = Sortierung(sort);
    Auswahlliste schnell;
    schnell.aufbauen(h, 113, s);
    QCOMPARE(indizes(schnell), eingefuegt(h, s, 113));
    // Re-sorting by every other key, also after a refresh (sows with no farrowing date then
    // sort last): the passes of neighbour swaps and the stable sort agree.
    for (int k = 1; k < 6; ++k) {
        const Sortierung andere = Sortierung((sort + k) % 6);
        if (k == 3) schnell.auffrischen(h, 113);
        Auswahlliste tauschen = schnell;
        schnell.sortieren(h, andere);
        tauschen.sortierenDurchTauschen(h, andere);
        QCOMPARE(indizes(schnell), indizes(tauschen));
    }
}

void TestAuswahlliste::youngSowGroupFollowsState() {
    Herde h{sau("JS1", 0, dt(1, 1, 2013), {TWurfRec::leer(1)}), sau("V", -1)};
    h[1].rec.setAbgang(dt(1, 3, 2013));
    StatusNeuBerechnen(h);
    h[0].rec.setGruppe(0);
    h[1].rec.setGruppe(-1);
    Auswahlliste l;
    l.aufbauen(h, 113, Sortierung::Alphanum);
    std::array<bool, 7> alle{};
    alle.fill(true);
    l.sichtbareAufbauen(h, alle);
    QCOMPARE(int(h[0].rec.Gruppe()), -1);
    QCOMPARE(int(h[1].rec.Gruppe()), 0);
    // Mated later: back to group 0 when listed again.
    h[0].wuerfe[0].setBelegen(1, dt(1, 3, 2013));
    StatusNeuBerechnen(h);
    l.auffrischen(h, 113);
    l.sichtbareAufbauen(h, alle);
    QCOMPARE(int(h[0].rec.Gruppe()), 0);
}

void TestAuswahlliste::filtersAndSearch() {
    Herde h{sau("3"), sau("120"), sau("12"), sau("a12"), sau("V", 3)};
    h[4].rec.setAbgang(dt(1, 3, 2013));
    for (Sau& s : h)
        s.wuerfe.push_back(TWurfRec::leer(1));
    for (int i = 0; i < 4; ++i)
        h[std::size_t(i)].wuerfe.push_back(TWurfRec::leer(2)); // "leer"
    StatusNeuBerechnen(h);
    Auswahlliste l;
    l.aufbauen(h, 113, Sortierung::Alphanum);
    std::array<bool, 7> f{true, true, true, true, false, true, true};
    l.sichtbareAufbauen(h, f);
    QCOMPARE(l.zeilen(), 4); // sold sow hidden
    QCOMPARE(l.zeile(0).nummer, QStringLiteral("12"));
    QCOMPARE(l.suchen(QStringLiteral("12")), 0); // also on the first line
    QCOMPARE(l.suchen(QStringLiteral("120")), 1);
    QCOMPARE(l.suchen(QStringLiteral("A1")), 3); // upper-cased on both sides
    QCOMPARE(l.suchen(QStringLiteral("9")), -1);
    f[4] = true;
    l.sichtbareAufbauen(h, f);
    QCOMPARE(l.zeilen(), 5);
}

void TestAuswahlliste::farrowingDateRules() {
    TWurfRec belegt = TWurfRec::leer(1);
    belegt.setBelegen(1, dt(1, 3, 2013));
    belegt.setBelegen(2, dt(2, 3, 2013));
    TWurfRec vorher = TWurfRec::leer(1);
    vorher.setAbferkeln(dt(5, 5, 2012));
    Herde h{sau("a", 0, {}, {belegt}), sau("b", 0, {}, {vorher, TWurfRec::leer(2)}), sau("c")};
    StatusNeuBerechnen(h);
    Auswahlliste l;
    l.aufbauen(h, 113, Sortierung::Alphanum);
    // Rebuild: latest mating + gestation; the litter before; none.
    QCOMPARE(l.eintraege()[0].abferkeln, dt(23, 6, 2013));
    QCOMPARE(l.eintraege()[1].abferkeln, dt(5, 5, 2012));
    QVERIFY(!l.eintraege()[2].abferkeln.vorhanden());
    l.sortieren(h, Sortierung::Abferkeldatum);
    QCOMPARE(nummern(l), (QStringList{"c", "b", "a"}));
    // Shown: a sow without any of these dates goes last.
    l.auffrischen(h, 113);
    l.sortieren(h, Sortierung::Abferkeldatum);
    QCOMPARE(nummern(l), (QStringList{"b", "a", "c"}));
}

QTEST_GUILESS_MAIN(TestAuswahlliste)
#include "tst_auswahlliste.moc"
