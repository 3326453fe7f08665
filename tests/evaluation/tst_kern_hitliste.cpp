// The hit list: entries, index weights, order, screen columns and printout.

#include "auswertungtesthilfe.h"
#include "evaluation/hitliste.h"
#include "platform/csvwriter.h"
#include "platform/recordingcanvas.h"

#include <QTest>

namespace {

// A sow with one litter mated on day 0 and weaned on day 365 (farrowing interval 365 days).
Sau JahresSau(const QString& nr, int geb, int tot = 0) {
    return Sau1(nr, 0, {Wurf(1, 0, 115, 365, geb, tot)});
}

std::array<int, 7> Gewichte(int nr, int wert) {
    std::array<int, 7> g{};
    g[std::size_t(nr - 1)] = wert;
    return g;
}

std::vector<THitEintrag> Bilden(const Herde& herde, const Einstellungen& e) {
    return HitlisteBilden(Auswertungskopie(herde, true), AllesFilter(), e);
}

const RecordingCanvas::Item* finde(const RecordingCanvas& c, const QString& text, int seite = 0) {
    for (const auto& it : c.items())
        if (it.kind == RecordingCanvas::Item::Text && it.text == text && it.page == seite)
            return &it;
    return nullptr;
}

} // namespace

class TstHitliste : public QObject {
    Q_OBJECT
private slots:
    void nurSauenMitAbgesetztemWurf() {
        // Sow "2" has only a suckling litter: it passes the filter, yet she is not listed.
        Herde herde{JahresSau(QStringLiteral("1"), 12),
                    Sau1(QStringLiteral("2"), 0, {Wurf(1, 0, 115)})};
        // Her suckling litter's born piglets count in the live herd (born over 365 days).
        herde.push_back(
            Sau1(QStringLiteral("3"), 0, {Wurf(1, 0, 115, 365, 10), Wurf(2, 370, 485, -1, 10)}));
        Einstellungen e;
        e.index = Gewichte(2, 100);
        const auto liste = Bilden(herde, e);
        QCOMPARE(liste.size(), std::size_t(2));
        QCOMPARE(liste[0].SauNr, QStringLiteral("3"));
        QCOMPARE(liste[1].SauNr, QStringLiteral("1"));
        QCOMPARE(liste[0].Wuerfe, 1);
        QVERIFY(liste[0].GeboreneJahr > liste[1].GeboreneJahr);
    }

    void indexGewichte_data() {
        QTest::addColumn<int>("geb");
        QTest::addColumn<int>("tot");
        QTest::addColumn<int>("weightNr");
        QTest::addColumn<bool>("weibliche");
        QTest::addColumn<double>("index");
        QTest::newRow("INDEX2 scores born, 20 a year = 100") << 20 << 5 << 2 << true << 100.0;
        QTest::newRow("INDEX1 scores weaned: 15 weaned") << 20 << 5 << 1 << true << 75.0;
        QTest::newRow("INDEX1 scores weaned: 20 weaned") << 20 << 0 << 1 << true << 100.0;
        QTest::newRow("INDEX3 without re-mating twice") << 20 << 0 << 3 << true << 200.0;
        QTest::newRow("INDEX4 anomaly per weaned litter") << 20 << 0 << 4 << true << -100.0;
        QTest::newRow("INDEX5 loss per weaned litter") << 20 << 0 << 5 << true << -100.0;
        QTest::newRow("INDEX6 per weaned litter") << 20 << 0 << 6 << true << 100.0;
        QTest::newRow("INDEX7 female 10 a year") << 20 << 0 << 7 << true << 50.0;
        QTest::newRow("INDEX7 ignored when off") << 20 << 0 << 7 << false << 0.0;
    }
    void indexGewichte() {
        QFETCH(int, geb);
        QFETCH(int, tot);
        QFETCH(int, weightNr);
        QFETCH(bool, weibliche);
        QFETCH(double, index);
        Sau s = JahresSau(QStringLiteral("1"), geb, tot);
        s.wuerfe[0].setWeibliche(10);
        // One loss and one anomaly for the weights subtracted per weaned litter.
        if (weightNr == 4 || weightNr == 5)
            Verluste(s.wuerfe[0], {{"erdrückt", 3}, {"Spreizer", 0}});
        Einstellungen e;
        e.index = Gewichte(weightNr, 100);
        e.weibliche = weibliche;
        const auto liste = Bilden({s}, e);
        QCOMPARE(liste.size(), std::size_t(1));
        QCOMPARE(liste[0].Leistungsindex, index);
    }

    void gleicheIndexeInUmgekehrterHerdenfolge() {
        // Born counts with many ties, in a scrambled herd order.
        const int geb[] = {10, 12, 10, 8, 12, 12, 0, 10, 14, 8, 10, 12};
        Herde herde;
        for (int i = 0; i < int(std::size(geb)); ++i)
            herde.push_back(JahresSau(QString::number(i), geb[i]));
        Einstellungen e;
        e.index = Gewichte(2, 100);
        const auto liste = Bilden(herde, e);
        // The literal insertion: before the first entry whose index is not greater.
        std::vector<THitEintrag> erwartet;
        const Auswertungskopie kopie(herde, true);
        const Filtervergleich f(AllesFilter());
        for (int s = 0; s < kopie.sauenAnzahl(); ++s) {
            TKennzahlen k;
            WurfKennzahlen(f, kopie, s, 0, k, amAuswahl, e);
            const THitEintrag neu = HitEintrag(kopie.sau(s).SauNr.text(), k, e);
            auto it = erwartet.begin();
            while (it != erwartet.end() && it->Leistungsindex > neu.Leistungsindex)
                ++it;
            erwartet.insert(it, neu);
        }
        QCOMPARE(liste.size(), erwartet.size());
        for (std::size_t i = 0; i < liste.size(); ++i)
            QCOMPARE(liste[i].SauNr, erwartet[i].SauNr);
        QCOMPARE(liste[1].SauNr, QStringLiteral("11")); // the last of the 12s stands first
    }

    void weiblicheSpalteVerschiebt_data() {
        QTest::addColumn<bool>("weibliche");
        QTest::addColumn<double>("umrX");
        QTest::newRow("on") << true << 380.0;
        QTest::newRow("off") << false << 320.0;
    }
    void weiblicheSpalteVerschiebt() {
        QFETCH(bool, weibliche);
        QFETCH(double, umrX);
        RecordingCanvas c(800, 600);
        HitKopfZeichnen(c, weibliche);
        QCOMPARE(finde(c, QStringLiteral("weibl.")) != nullptr, weibliche);
        QCOMPARE(finde(c, QStringLiteral("1*Umr"))->x1, umrX);
        QCOMPARE(finde(c, QStringLiteral("Ausfälle"))->x1, umrX + 190);
        THitEintrag e;
        e.SauNr = QStringLiteral("7");
        e.AusfaelleProzent = 12.5;
        e.WeiblicheJahr = 3.25;
        HitZeileZeichnen(c, e, 20, weibliche);
        QCOMPARE(finde(c, QStringLiteral("12,5"))->x2, umrX + 230);
        QCOMPARE(finde(c, QStringLiteral("3,3")) != nullptr, weibliche);
    }

    void druckWiederholtKoepfeAufJederSeite() {
        std::vector<THitEintrag> liste(100);
        for (int i = 0; i < 100; ++i)
            liste[std::size_t(i)].SauNr = QStringLiteral("S%1").arg(i + 1);
        RecordingCanvas c(800, 1000);
        QVERIFY(HitlisteDrucken(c, liste, 1, 100, QStringLiteral("Belegen"), true, "Arial"));
        SeitenPruefen(c, 1000, "S", {"Sau-Nr.", "weibl."}, "Hitliste", 100);
    }

    void csvWieAngezeigt() {
        THitEintrag e;
        e.SauNr = QStringLiteral("A;1");
        e.Leistungsindex = 98.25;
        e.Wuerfe = 3;
        const QString ohne = QString::fromUtf8(HitlisteAlsCsv({e}, false).bytes());
        QVERIFY(ohne.startsWith(QChar(0xFEFF)) || ohne.startsWith(QStringLiteral("Sau-Nr")));
        QVERIFY(!ohne.contains(QStringLiteral("weibl.")));
        QVERIFY(ohne.contains(QStringLiteral("\"A;1\";98,3;3;")) ||
                ohne.contains(QStringLiteral("\"A;1\";98,2;3;")));
        QVERIFY(QString::fromUtf8(HitlisteAlsCsv({e}, true).bytes())
                    .contains(QStringLiteral("weibl.")));
    }
};

QTEST_GUILESS_MAIN(TstHitliste)
#include "tst_kern_hitliste.moc"
