// Service groups: group edges (Sunday and Monday, week 53, a rhythm across a year end), open
// groups, filters, the cross-check against the herd evaluation and the table.

#include "auswertungtesthilfe.h"
#include "evaluation/belegwochen.h"
#include "evaluation/belegwochenlayout.h"
#include "platform/csvwriter.h"

#include <QTest>

namespace {

// Days after 1.1.2020 (the builders' day 0) of a calendar date.
int T(int tag, int monat, int jahr) {
    return int(QDate(2020, 1, 1).daysTo(QDate(jahr, monat, tag)));
}

std::vector<TBelegwoche> Bilden(const Herde& herde, const TAuswertungsFilter& f = AllesFilter(),
                                int rhythmus = 1, QDate heute = QDate(2035, 1, 1)) {
    Belegwochenrahmen r{Gruppenraster(rhythmus), 115, heute, {}};
    return BelegwochenBilden(Auswertungskopie(herde, true), f, r);
}

QStringList Namen(const std::vector<TBelegwoche>& g) {
    QStringList n;
    for (const TBelegwoche& w : g)
        n << w.name();
    return n;
}

} // namespace

class TstBelegwochen : public QObject {
    Q_OBJECT
private slots:
    // The name of the group a mating day falls in, by rhythm.
    void gruppenKanten_data() {
        QTest::addColumn<int>("rhythmus");
        QTest::addColumn<QDate>("tag");
        QTest::addColumn<QString>("name");
        QTest::newRow("Sonntag") << 1 << QDate(2024, 3, 17) << "KW 11/24";
        QTest::newRow("Montag danach") << 1 << QDate(2024, 3, 18) << "KW 12/24";
        QTest::newRow("Woche 53") << 1 << QDate(2020, 12, 31) << "KW 53/20";
        QTest::newRow("Woche 53 im neuen Jahr") << 1 << QDate(2021, 1, 3) << "KW 53/20";
        QTest::newRow("erste Woche") << 1 << QDate(2021, 1, 4) << "KW 01/21";
        QTest::newRow("3 Wochen über Jahresende") << 3 << QDate(2025, 1, 8) << "KW 52/24–02/25";
        QTest::newRow("3 Wochen vor dem Bezug") << 3 << QDate(2023, 12, 31) << "KW 50–52/23";
        QTest::newRow("3 Wochen am Bezug") << 3 << QDate(2024, 1, 1) << "KW 01–03/24";
        QTest::newRow("Rhythmus begrenzt") << 9 << QDate(2024, 2, 5) << "KW 06–10/24";
    }
    void gruppenKanten() {
        QFETCH(int, rhythmus);
        QFETCH(QDate, tag);
        const Gruppenraster r(rhythmus);
        QTEST(r.name(r.gruppe(tag)), "name");
        QVERIFY(r.anfang(r.gruppe(tag)) <= tag && tag <= r.ende(r.gruppe(tag)));
    }

    // A group stays open until the day Tragezeit + 7 after the last mating has passed.
    void offenBisTragezeitPlusSieben_data() {
        QTest::addColumn<int>("nachBelegen");
        QTest::addColumn<bool>("offen");
        QTest::newRow("am Tag") << 115 + 7 << true;
        QTest::newRow("Tag danach") << 115 + 8 << false;
    }
    void offenBisTragezeitPlusSieben() {
        QFETCH(int, nachBelegen);
        QFETCH(bool, offen);
        TWurfRec offenerWurf = Wurf(1, 10);
        offenerWurf.setBelegen(2, Tag(30)); // the last mating counts
        const Herde herde{Sau1("1", 0, {offenerWurf}),
                          Sau1("2", 0, {Wurf(1, 11, 126, 150, 12, 1)})};
        const auto g = Bilden(herde, AllesFilter(), 1, QDate(2020, 1, 1).addDays(30 + nachBelegen));
        QCOMPARE(g.size(), std::size_t(1));
        QCOMPARE(g[0].offen, offen);
        const auto zellen = BelegwochenZellen(g[0], {});
        QCOMPARE(zellen[6].text, offen ? QStringLiteral("offen") : QStringLiteral("50,0"));
        QCOMPARE(zellen[6].warnung, !offen);
        QCOMPARE(zellen[11].text.isEmpty(), !offen);
    }

    // Filters leave groups out or smaller; the period is the first mating's.
    void filter_data() {
        QTest::addColumn<QString>("herkunft");
        QTest::addColumn<QString>("eber");
        QTest::addColumn<int>("von");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<int>("belegt");
        const QString alle;
        QTest::newRow("alles") << alle << "" << 0 << QStringList{"KW 06/20", "KW 05/20", "KW 01/20"}
                               << 2;
        QTest::newRow("Herkunft leert eine Gruppe")
            << QString("B") << "" << 0 << QStringList{"KW 06/20", "KW 01/20"} << 1;
        QTest::newRow("unbekannte Herkunft") << QString("X") << "" << 0 << QStringList{} << 0;
        QTest::newRow("Eber des letzten Belegens")
            << alle << "Zeus" << 0 << QStringList{"KW 01/20"} << 1;
        QTest::newRow("Zeitraum nach erstem Belegen")
            << alle << "" << 2 << QStringList{"KW 06/20", "KW 05/20"} << 1;
    }
    void filter() {
        QFETCH(QString, herkunft);
        QFETCH(QString, eber);
        QFETCH(int, von);
        QFETCH(int, belegt);
        Sau a = Sau1("A", 0, {Wurf(1, 0), Wurf(2, 28)});
        a.rec.setHerkunft(QStringLiteral("A"));
        // First mated in week 1, returned in week 3: it stays in week 1's group.
        TWurfRec umrauscher = Wurf(1, 1);
        umrauscher.setBelegen(2, Tag(15));
        umrauscher.setEber(2, "Zeus");
        Sau b = Sau1("B", 0, {umrauscher, Wurf(2, 35)});
        b.rec.setHerkunft(QStringLiteral("B"));
        TAuswertungsFilter f = AllesFilter();
        f.HerkunftFilter = herkunft;
        f.EberFilter = eber;
        f.Von = Tag(von);
        const Herde herde{a, b};
        const auto g = Bilden(herde, f);
        QTEST(Namen(g), "namen");
        if (!g.empty()) QCOMPARE(g.back().belegt(), belegt);
        // A group lists the sows it counts, by the same filters.
        const Auswertungskopie kopie(herde, true);
        for (const TBelegwoche& w : g)
            QCOMPARE(int(BelegwochenSauen(kopie, f, w.raster, w.nummer).size()), w.sauen);
    }

    // A group's sums are those of the herd evaluation "Auswahl" over the same litters.
    void wieAuswertungAuswahl() {
        Herde herde;
        for (int i = 0; i < 6; ++i) {
            TWurfRec w = Wurf(1 + i % 3, 7 + i % 5, 122 + i, 150 + i, 10 + i, i % 3);
            if (i % 2) Verluste(w, {{"erdrückt", 2}, {"schwach", 5}});
            w.setAusgleich(std::int8_t(i % 3 - 1));
            if (i == 4) w.setBelegen(2, Tag(30));
            if (i == 4) w.setBelegen(3, Tag(35));
            herde.push_back(Sau1(QString::number(i), 0, {w}));
        }
        const auto g = Bilden(herde);
        QCOMPARE(g.size(), std::size_t(1));
        TAuswertungsFilter woche = AllesFilter();
        woche.Von = Tag(6);
        woche.Bis = Tag(40);
        const TKennzahlen a = Auswerten(herde, amAuswahl, woche);
        QCOMPARE(Werte(g[0].summe), Werte(a));
        QCOMPARE(g[0].sauen, a.Sauen);
    }

    // One table line per group: numbers and units apart, dates as dates.
    void tabelle() {
        const Herde herde{
            Sau1("1", 0, {Wurf(1, T(6, 1, 2020), T(1, 5, 2020), T(29, 5, 2020), 13, 1)}),
            Sau1("2", 0, {Wurf(1, T(7, 1, 2020))})};
        const QString csv = QString::fromUtf8(BelegwochenAlsCsv(Bilden(herde), {}).bytes().mid(3));
        const QStringList z = csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(z.size(), 2);
        QVERIFY(z[0].startsWith(QStringLiteral("Gruppe;belegt;davon JS;Umr. 1 mal;Umr. 2 mal;"
                                               "abgeferkelt;Abferkelrate %;Einheit;")));
        QCOMPARE(z[1], QStringLiteral("KW 02/20;2;2;0;0;1;50,0;%;12,0;1,0;12,0;0,0;%;;;"
                                      "29.05.2020;29.05.2020"));
    }
};

QTEST_GUILESS_MAIN(TstBelegwochen)
#include "tst_kern_belegwochen.moc"
