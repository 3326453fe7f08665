#include "entry/auswahlliste.h"
#include "herd/herdfile.h"
#include "herd/saustatus.h"
#include "support/herdbau.h"

#include <QtTest>

namespace {

// A sow of a group, by default with no entry date and no litters.
Sau gsau(const QString& nr, int gruppe = 0, TKurzDatum zugang = {}, std::vector<TWurfRec> w = {}) {
    Sau s = sau(nr, std::move(w), zugang);
    s.rec.setGruppe(std::int8_t(gruppe));
    return s;
}

QStringList nummern(const Auswahlliste& l) {
    QStringList out;
    for (const AuswahlEintrag& e : l.eintraege())
        out << e.nummer();
    return out;
}

std::vector<int> indizes(const Auswahlliste& l) {
    std::vector<int> out;
    for (const auto& e : l.eintraege())
        out.push_back(e.index);
    return out;
}

// Keys over their whole range: numbers of up to ten characters with bytes above 0x7F, zero
// bytes, numbers that begin other numbers and numbers that differ only in their last
// characters, long leading digit runs, groups from -128 to 127, dates over the full year
// byte, sows without litters; numbers and states repeat, so that equal keys are common.
Herde weiteSchluessel(int n, quint32 seed) {
    Zufall z(seed);
    QString zeichen = QStringLiteral("019AZaÄ€ÿ ");
    zeichen += QChar(0); // a number "12" and a number "12" plus a zero byte are not equal
    const QStringList stamm{"12",      "120",      "12A",     "1200000000", "9999999999",
                            "Ä",       "ÄÄ",       "€1",      "",           "12345678",
                            "1234567", "ABCDEFGH", "ABCDEFG", "9999999999"};
    // A record date with every byte drawn, day and month from `ab` up.
    const auto datum = [&](int ab) { return D(z.zahl(ab, 31), z.zahl(ab, 12), z.zahl(0, 255)); };
    Herde h;
    for (int i = 0; i < n; ++i) {
        QString nr = stamm[z.zahl(0, int(stamm.size()) - 1)];
        for (int k = z.zahl(0, 10 - int(nr.size())); k > 0; --k)
            nr += zeichen[z.zahl(0, int(zeichen.size()) - 1)];
        std::vector<TWurfRec> w;
        for (int k = z.zahl(0, 2); k > 0; --k) {
            TWurfRec r = TWurfRec::leer(std::uint8_t(z.zahl(1, 255)));
            if (!z.einmalIn(4)) r.setBelegen(z.zahl(1, 3), datum(1));
            if (z.einmalIn(2)) r.setAbferkeln(datum(1));
            w.push_back(r);
        }
        const TKurzDatum zugang = datum(0);
        h.push_back(gsau(nr, z.zahl(-128, 127), zugang, w));
    }
    StatusNeuBerechnen(h);
    return h;
}

} // namespace

class TestAuswahlliste : public QObject {
    Q_OBJECT
private slots:
    void festeReihenfolgen_data() {
        // "number", "number d.m.yyyy" (stalled in) or "number  group"
        QTest::addColumn<QStringList>("herde");
        QTest::addColumn<int>("sort");
        QTest::addColumn<QStringList>("erwartet");
        const auto zeile = [](const char* n, QStringList h, Sortierung s, QStringList e) {
            QTest::newRow(n) << h << int(s) << e;
        };
        zeile("alphanum", {"A7", "3", "12"}, Sortierung::Alphanum, {"12", "3", "A7"});
        // Numbers that differ in the high bit of one byte alone, among the first eight
        // characters and after them.
        zeile("high bit", {"A", "Á"}, Sortierung::Alphanum, {"A", "Á"});
        zeile("high bit, 9th", {"12345678A", "12345678Á"}, Sortierung::Alphanum,
              {"12345678A", "12345678Á"});
        zeile("numeric", {"12", "3", "A7"}, Sortierung::Numerisch, {"A7", "3", "12"});
        // Year before month before day; equal dates: the later sow first.
        zeile("stalling in",
              {"a 2.1.2013", "b 1.2.2012", "c 31.12.2012", "d 1.1.2013", "e 31.12.2012",
               "f 1.12.1999"},
              Sortierung::Einstalldatum, {"f", "b", "e", "c", "d", "a"});
        zeile("group", {"1  2", "2  1", "3  2", "4  1"}, Sortierung::Gruppe, {"4", "2", "3", "1"});
    }

    void festeReihenfolgen() {
        QFETCH(QStringList, herde);
        QFETCH(int, sort);
        Herde h;
        for (const QString& n : herde) {
            const QStringList t = n.split(u' ');
            h.push_back(gsau(t[0], t.value(2).toInt(),
                             TKurzDatum::aus(QDate::fromString(t.value(1), "d.M.yyyy"))));
        }
        Auswahlliste l;
        l.aufbauen(h, 113, Sortierung(sort));
        QTEST(nummern(l), "erwartet");
    }

    void sortierungGeordnetUndStabil_data() {
        QTest::addColumn<int>("sort");
        for (int s = 0; s < 6; ++s)
            QTest::addRow("%d", s) << s;
    }

    // Every neighbour pair in order; equal keys after building in reverse herd order, after
    // re-sorting (also after a refresh) as the swap passes leave them, which are stable.
    void sortierungGeordnetUndStabil() {
        QFETCH(int, sort);
        const Herde h = weiteSchluessel(400, 41 + quint32(sort));
        Auswahlliste l;
        l.aufbauen(h, 113, Sortierung(sort));
        const auto& e = l.eintraege();
        for (std::size_t i = 0; i + 1 < e.size(); ++i) {
            QVERIFY(!Auswahlliste::nach(e[i], e[i + 1], Sortierung(sort), h));
            if (!Auswahlliste::nach(e[i + 1], e[i], Sortierung(sort), h))
                QVERIFY(e[i].index > e[i + 1].index);
        }
        for (int k = 1; k < 6; ++k) {
            if (k == 3) l.auffrischen(h, 113);
            const Sortierung andere = Sortierung((sort + k) % 6);
            Auswahlliste tauschen = l;
            l.sortieren(h, andere);
            tauschen.sortierenDurchTauschen(h, andere);
            QCOMPARE(indizes(l), indizes(tauschen));
        }
    }

    void jungsauengruppeFolgtStatus() {
        Herde h{gsau("JS1", 0, dt(1, 1, 2013), {TWurfRec::leer(1)}), gsau("V", -1)};
        h[1].rec.setAbgang(dt(1, 3, 2013));
        StatusNeuBerechnen(h);
        h[0].rec.setGruppe(0);
        h[1].rec.setGruppe(-1);
        Auswahlliste l;
        l.aufbauen(h, 113, Sortierung::Alphanum);
        const std::array<bool, 7> alle{true, true, true, true, true, true, true};
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

    void statusfilter_data() {
        // Boxes: Leer, Belegt, Tragend, Säugend, Verkauft, leer JS, umrauschen.
        QTest::addColumn<QString>("boxen"); // "1" shown
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("all") << "1111111" << QStringList{"B", "JS", "JS2", "L", "T", "UR", "V"};
        QTest::newRow("without sold") << "1111011" << QStringList{"B", "JS", "JS2", "L", "T", "UR"};
        QTest::newRow("young sows only") << "0000010" << QStringList{"JS", "JS2"};
        QTest::newRow("returns only") << "0000001" << QStringList{"UR"};
        QTest::newRow("mated and empty") << "1100000" << QStringList{"B", "L"};
    }

    void statusfilter() {
        QFETCH(QString, boxen);
        const auto belegt = [](TKurzDatum tk, int ergebnis) {
            TWurfRec w = wurf(2, dt(1, 2, 2013));
            w.setTKDatum(1, tk);
            w.setTKErgebnis(1, std::uint8_t(ergebnis));
            return w;
        };
        const TWurfRec abgesetzt = wurf(1, dt(1, 6, 2012), {}, dt(1, 11, 2012));
        // Mated with no check; checked positive; checked negative: returned to heat.
        Herde h{gsau("B", 0, {}, {abgesetzt, belegt({}, 0)}),
                gsau("T", 0, {}, {abgesetzt, belegt(dt(1, 3, 2013), 1)}),
                gsau("UR", 0, {}, {abgesetzt, belegt(dt(1, 3, 2013), 0)}),
                gsau("L", 0, {}, {abgesetzt}),
                gsau("JS"),
                gsau("JS2", 0, {}, {TWurfRec::leer(1)}),
                gsau("V", 0, {}, {abgesetzt})};
        h[6].rec.setAbgang(dt(1, 3, 2013));
        StatusNeuBerechnen(h);
        std::array<bool, 7> f{};
        for (std::size_t i = 0; i < 7; ++i)
            f[i] = boxen[qsizetype(i)] == u'1';
        Auswahlliste l;
        l.aufbauen(h, 113, Sortierung::Alphanum);
        l.sichtbareAufbauen(h, f);
        QStringList gezeigt;
        for (int z = 0; z < l.zeilen(); ++z)
            gezeigt << l.zeile(z).nummer();
        QTEST(gezeigt, "erwartet");
    }

    void suche() {
        Herde h{gsau("3"), gsau("120"), gsau("12"), gsau("a12"), gsau("V", 3)};
        h[4].rec.setAbgang(dt(1, 3, 2013));
        StatusNeuBerechnen(h);
        Auswahlliste l;
        l.aufbauen(h, 113, Sortierung::Alphanum);
        l.sichtbareAufbauen(h, {true, true, true, true, false, true, true});
        QCOMPARE(l.zeilen(), 4);                     // sold sow hidden
        QCOMPARE(l.suchen(QStringLiteral("12")), 0); // also on the first line
        QCOMPARE(l.suchen(QStringLiteral("120")), 1);
        QCOMPARE(l.suchen(QStringLiteral("A1")), 3); // upper-cased on both sides
        QCOMPARE(l.suchen(QStringLiteral("9")), -1);
    }

    void abferkeldatumsregeln() {
        TWurfRec belegt = wurf(1, dt(1, 3, 2013));
        belegt.setBelegen(3, dt(2, 3, 2013)); // a third mating without a second
        Herde h{gsau("a", 0, {}, {belegt}),
                gsau("b", 0, {}, {wurf(1, {}, dt(5, 5, 2012)), wurf(2)}), gsau("c")};
        StatusNeuBerechnen(h);
        Auswahlliste l;
        l.aufbauen(h, 113, Sortierung::Alphanum);
        // Rebuild: latest mating of any + gestation; the litter before; none.
        QCOMPARE(l.eintraege()[0].abferkeln, dt(23, 6, 2013));
        QCOMPARE(l.eintraege()[1].abferkeln, dt(5, 5, 2012));
        QVERIFY(!l.eintraege()[2].abferkeln.vorhanden());
        l.sortieren(h, Sortierung::Abferkeldatum);
        QCOMPARE(nummern(l), (QStringList{"c", "b", "a"}));
        // Shown: a sow without any of these dates goes last.
        l.auffrischen(h, 113);
        l.sortieren(h, Sortierung::Abferkeldatum);
        QCOMPARE(nummern(l), (QStringList{"b", "a", "c"}));
        QCOMPARE(l.eintraege()[1].abferkeln, dt(22, 6, 2013)); // the matings in turn: the first
    }
};

QTEST_GUILESS_MAIN(TestAuswahlliste)
#include "tst_auswahlliste.moc"
