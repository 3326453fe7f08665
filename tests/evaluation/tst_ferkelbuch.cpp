// The piglet day book: its lines by the adding rule, the stock, its printed pages and table.

#include "berichtshilfe.h"
#include "evaluation/ferkelbuch.h"
#include "herd/kurzdatum.h"
#include "platform/csvwriter.h"

#include <QTest>

namespace {

struct Ereignis {
    TKurzDatum d;
    Ferkelereignis art;
    int n;
};

// Walk from the start past earlier dates and past lines of the same date without a count of
// the kind; add there on the same date, else insert a new line there.
std::vector<TAbgangTag> WoertlichGelaufen(const std::vector<Ereignis>& ereignisse) {
    std::vector<TAbgangTag> liste;
    for (const Ereignis& e : ereignisse) {
        auto it = liste.begin();
        while (it != liste.end() &&
               (DatumVor(it->Datum, e.d) || (!DatumVor(e.d, it->Datum) && Anzahl(*it, e.art) == 0)))
            ++it;
        if (it != liste.end() && !DatumVor(e.d, it->Datum)) {
            Anzahl(*it, e.art) += e.n;
        } else {
            TAbgangTag neu;
            neu.Datum = e.d;
            Anzahl(neu, e.art) = e.n;
            liste.insert(it, neu);
        }
    }
    return liste;
}

QStringList Text(const std::vector<TAbgangTag>& tage) {
    QStringList t;
    for (const auto& z : tage)
        t << QStringLiteral("%1 %2/%3/%4")
                 .arg(KurzDatumText(z.Datum))
                 .arg(z.Geboren)
                 .arg(z.Verlust)
                 .arg(z.Abgesetzt);
    return t;
}

Herde EineSau(std::vector<TWurfRec> wuerfe) {
    Sau s = SauMit(QStringLiteral("1"), D(1, 1, 2012));
    s.wuerfe = std::move(wuerfe);
    return Herde{s};
}

} // namespace

class TstFerkelbuch : public QObject {
    Q_OBJECT
private slots:
    void wieDerLauf() {
        QRandomGenerator r(11);
        for (int lauf = 0; lauf < 30; ++lauf) {
            std::vector<Ereignis> e;
            Ferkelbuch buch;
            for (int i = int(r.bounded(400)); i > 0; --i) {
                TKurzDatum d = ZufallsDatum(r);
                d.Zusatz = std::uint8_t(r.bounded(2));
                // Counts of zero and below too: such lines never take a count again.
                e.push_back({d, Ferkelereignis(r.bounded(3)), int(r.bounded(6)) - 1});
                buch.Hinzufuegen(e.back().d, e.back().art, e.back().n);
            }
            QCOMPARE(Text(buch.Tage()), Text(WoertlichGelaufen(e)));
        }
    }

    void wuerfe_data() {
        QTest::addColumn<Herde>("herde");
        QTest::addColumn<QStringList>("zeilen"); // date born/lost/weaned
        QTest::addColumn<int>("bestand");
        const TKurzDatum f = D(10, 3, 2012), a = D(7, 4, 2012);
        QTest::newRow("zwei Wuerfe am selben Tag, ein Verlust")
            << EineSau({WurfMit(10, 1, 0, f, {}, {1}), WurfMit(8, 0, 0, f, {})})
            << QStringList{"10.3.12 17/0/0", "10.3.12 0/1/0"} << 16;
        QTest::newRow("12 geboren, 2 tot, Verlust am 3. Tag, +1 versetzt")
            << EineSau({WurfMit(12, 2, 1, f, a, {3})})
            << QStringList{"10.3.12 10/0/0", "12.3.12 0/1/0", "7.4.12 0/0/10"} << -1;
        QTest::newRow("Amme gibt ab: Bestand ausgeglichen")
            << EineSau({WurfMit(12, 2, 1, f, a, {3}), WurfMit(9, 0, -1, f, a)})
            << QStringList{"10.3.12 19/0/0", "12.3.12 0/1/0", "7.4.12 0/0/18"} << 0;
        QTest::newRow("vierzehn Verluste")
            << EineSau({WurfMit(16, 0, 0, f, {}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2})})
            << QStringList{"10.3.12 16/0/0", "10.3.12 0/13/0", "11.3.12 0/1/0"} << 2;
        QTest::newRow("saeugend, Verluste bis zur Luecke")
            << EineSau({WurfMit(11, 1, 0, f, {}, {2, 5, 0, 9})})
            << QStringList{"10.3.12 10/0/0", "11.3.12 0/1/0", "14.3.12 0/1/0"} << 8;
        QTest::newRow("nicht abgeferkelt oder keins lebend")
            << EineSau({WurfMit(10, 0, 0, {}, a), WurfMit(5, 5, 0, f, a), WurfMit(3, 4, 0, f, a)})
            << QStringList{} << 0;
    }
    void wuerfe() {
        QFETCH(Herde, herde);
        QFETCH(QStringList, zeilen);
        QFETCH(int, bestand);
        const Ferkelliste l = FerkelbuchBilden(herde);
        QCOMPARE(Text(l.Tage), zeilen);
        QCOMPARE(l.Bestand, bestand);
    }

    void druck() {
        // 100 litters on 100 days: 200 lines.
        Sau s = SauMit(QStringLiteral("1"), D(1, 1, 2012));
        for (int i = 0; i < 100; ++i)
            s.wuerfe.push_back(
                WurfMit(10, 0, 0, TageAddierenDatum(i, D(1, 1, 2012)), {}, {i % 3 + 2}));
        const Ferkelliste l = FerkelbuchBilden(Herde{s});
        QCOMPARE(int(l.Tage.size()), 200);
        QCOMPARE(l.Bestand, 900);

        RecordingCanvas c(860, 1200);
        QVERIFY(FerkelbuchDrucken(c, l, 0, 500, QStringLiteral("Arial")));
        QCOMPARE(c.pageCount(), 3); // 80 lines a page, as with the register
        for (int p = 0; p < 3; ++p)
            QCOMPARE(SeitenTexte(c, p).mid(0, 5),
                     (QStringList{"Index", "Datum", "Geboren", "Abgesetzt", "Verlust"}));
        const auto t = c.texts();
        QCOMPARE(t.at(t.size() - 2).text, QStringLiteral("Bestand"));
        QCOMPARE(t.last().text, QStringLiteral("900"));
        QCOMPARE(t.last().x2, 390.0); // ends at 39 u
        QCOMPARE(t.last().page, 2);
        // The running number of the last line, just above the stock.
        QCOMPARE(t.at(t.size() - 2).y1 - 14, t.at(t.size() - 7).y1);
        QCOMPARE(t.at(t.size() - 7).text, QStringLiteral("200"));

        // On 4.1 the loss came before the births, so its line stands first.
        RecordingCanvas teil(860, 1200);
        QVERIFY(FerkelbuchDrucken(teil, l, 5, 6, QStringLiteral("Arial")));
        QCOMPARE(SeitenTexte(teil, 0).mid(5),
                 (QStringList{"5", "4.1.12", "", "", "1", "6", "4.1.12", "10", "", "", "Bestand",
                              "900"}));
    }

    void csv() {
        const Ferkelliste l =
            FerkelbuchBilden(EineSau({WurfMit(12, 2, 1, D(10, 3, 2012), D(7, 4, 2012), {3})}));
        const QStringList zeilen = QString::fromUtf8(FerkelbuchAlsCsv(l).bytes())
                                       .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(zeilen,
                 (QStringList{"Index;Datum;Geboren;Abgesetzt;Verlust", "1;10.03.2012;10;0;0",
                              "2;12.03.2012;0;0;1", "3;07.04.2012;0;10;0", ";Bestand;-1"}));
    }
};

QTEST_GUILESS_MAIN(TstFerkelbuch)
#include "tst_ferkelbuch.moc"
