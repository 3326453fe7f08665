// The comparison by boar, origin and breed: groups, keys, sow counts, rows and printout.

#include "auswertungtesthilfe.h"
#include "evaluation/vergleich.h"
#include "platform/csvwriter.h"
#include "platform/recordingcanvas.h"

#include <QTest>

namespace {

Sau HerkunftSau(const QString& nr, const QString& herkunft, int geb = 10) {
    Sau s = Sau1(nr, 0, {Wurf(1, 0, 115, 140, geb)});
    s.rec.setHerkunft(herkunft);
    return s;
}

TVergleichsgruppen Bilden(const Herde& herde, Vergleichsart art) {
    return VergleichBilden(Auswertungskopie(herde, true), AllesFilter(), art, Einstellungen{});
}

} // namespace

class TstVergleich : public QObject {
    Q_OBJECT
private slots:
    void gruppenInErsterFolge_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QStringList>("schluessel");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QList<int>>("sauen");
        QTest::newRow("origins A, empty, A") << int(vaHerkunft) << QStringList{"A", "", "A"}
                                             << QStringList{"A", ""} << QList<int>{2, 1};
        QTest::newRow("breed as stored, case kept")
            << int(vaRasse) << QStringList{"dl", "DL", "pi"} << QStringList{"dl", "DL", "pi"}
            << QList<int>{1, 1, 1};
        QTest::newRow("boars in upper case")
            << int(vaEber) << QStringList{"eber1", "EBER1", "jürgen"}
            << QStringList{"EBER1", "JÜRGEN"} << QList<int>{2, 1};
        // The last sow of the herd forms a group of her own.
        QTest::newRow("last sow") << int(vaHerkunft) << QStringList{"A", "A", "Z"}
                                  << QStringList{"A", "Z"} << QList<int>{2, 1};
    }
    void gruppenInErsterFolge() {
        QFETCH(int, art);
        QFETCH(QStringList, schluessel);
        QFETCH(QStringList, namen);
        QFETCH(QList<int>, sauen);
        Herde herde;
        for (int i = 0; i < schluessel.size(); ++i) {
            Sau s = HerkunftSau(QString::number(i), schluessel[i]);
            s.rec.setRasse(schluessel[i]);
            s.wuerfe[0].setEber(1, schluessel[i]);
            herde.push_back(s);
        }
        const TVergleichsgruppen g = Bilden(herde, Vergleichsart(art));
        QCOMPARE(g.Gruppennamen, namen);
        QList<int> gezaehlt;
        for (const TKennzahlen& k : g.Gruppen)
            gezaehlt << k.Sauen;
        QCOMPARE(gezaehlt, sauen);
    }

    void wieLineareSuche() {
        // Many sows over a few origins: the hashed groups equal those of the linear search.
        Herde herde;
        const char* orte[] = {"Nord", "", "Süd", "nord", "West"};
        for (int i = 0; i < 300; ++i) {
            Sau s = HerkunftSau(QString::number(i), QString::fromUtf8(orte[(i * 7) % 5]), i % 14);
            if (i % 3 == 0) s.wuerfe.push_back(Wurf(2, 160, 275, 300, 9));
            if (i % 7 == 1) Verluste(s.wuerfe[0], {{"erdrückt", 3}, {"Spreizer", 0}});
            herde.push_back(s);
        }
        const Auswertungskopie kopie(herde, true);
        const Filtervergleich f(AllesFilter());
        std::vector<TKennzahlen> gruppen;
        QStringList namen;
        for (int s = 0; s < kopie.sauenAnzahl(); ++s)
            for (int i = 0; i < int(kopie.wuerfe(s).size()); ++i) {
                const QString key = kopie.sau(s).Herkunft.text();
                int g = int(namen.indexOf(key));
                if (g < 0) {
                    g = int(namen.size());
                    namen << key;
                    gruppen.emplace_back();
                }
                TKennzahlen w;
                WurfKennzahlen(f, kopie, s, i, w, amAuswahl, Einstellungen{});
                KennzahlenAddieren(gruppen[std::size_t(g)], w);
                gruppen[std::size_t(g)].Sauen += i == 0;
            }
        const TVergleichsgruppen g =
            VergleichBilden(kopie, AllesFilter(), vaHerkunft, Einstellungen{});
        QCOMPARE(g.Gruppennamen, namen);
        QVERIFY(g.Gruppen[0].AusfaelleAnzahl > 0 && g.Gruppen[0].AnomalienAnzahl > 0);
        for (std::size_t n = 0; n < gruppen.size(); ++n) {
            QCOMPARE(g.Gruppen[n].Sauen, gruppen[n].Sauen);
            QCOMPARE(g.Gruppen[n].Wuerfe, gruppen[n].Wuerfe);
            QCOMPARE(g.Gruppen[n].Geborene, gruppen[n].Geborene);
            QCOMPARE(g.Gruppen[n].Zwischenwurfzeit, gruppen[n].Zwischenwurfzeit);
            QCOMPARE(g.Gruppen[n].AusfaelleAnzahl, gruppen[n].AusfaelleAnzahl);
            QCOMPARE(g.Gruppen[n].AnomalienAnzahl, gruppen[n].AnomalienAnzahl);
        }
    }

    void eberOhneTrefferZaehltNurBelegungen() {
        // Three matings and no positive check: none was a hit. Weaned with 10 born.
        TWurfRec w = Wurf(1, 0, 115, 140, 10);
        w.setBelegen(2, Tag(21));
        w.setEber(2, QStringLiteral("Ajax"));
        w.setBelegen(3, Tag(42));
        w.setEber(3, QStringLiteral("Zeus"));
        Sau s = Sau1(QStringLiteral("1"), 0, {w});
        const TVergleichsgruppen eber = Bilden({s}, vaEber);
        QCOMPARE(eber.Gruppennamen, QStringList{"ZEUS"});
        const TKennzahlen& k = eber.Gruppen[0];
        QCOMPARE(k.ErstBelegungen, 1);
        QCOMPARE(k.ZweitBelegungen, 1);
        QCOMPARE(k.DrittBelegungen, 1);
        QCOMPARE(k.Deckungen, 3);
        QCOMPARE(k.Wuerfe, 1);
        QCOMPARE(k.Geborene, 0);
        QCOMPARE(k.Saeugetage, 0);
        QCOMPARE(k.Zwischenwurfzeit, 0);
        // By origin the same litter brings its piglets.
        QCOMPARE(Bilden({s}, vaHerkunft).Gruppen[0].Geborene, 10);
        // On screen: the litter count alone, no per-year figures without days.
        const auto zeilen = VergleichZeilen(eber, vaEber);
        QCOMPARE(zeilen[0].Anzahl, QStringLiteral("1"));
        QVERIFY(zeilen[0].mitWerten && !zeilen[0].mitZeit && !zeilen[0].mitGeborenen);
        QVERIFY(zeilen[0].mitBelegungen);
        QCOMPARE(zeilen[0].Umrauscher1, 100.0);
    }

    void sauNurEinmalGezaehlt() {
        TWurfRec zweiter = Wurf(2, 160, 275, 300, 12);
        zweiter.setEber(1, QStringLiteral("Zeus"));
        Herde herde{Sau1(QStringLiteral("1"), 0, {Wurf(1, 0, 115, 140, 10), zweiter}),
                    Sau1(QStringLiteral("2"), 0, {Wurf(1, 0, 115, 140, 8)})};
        const TVergleichsgruppen g = Bilden(herde, vaEber);
        QCOMPARE(g.Gruppennamen, (QStringList{"AJAX", "ZEUS"}));
        QCOMPARE(g.Gruppen[0].Sauen, 2);
        QCOMPARE(g.Gruppen[1].Sauen, 0);
        // The boar comparison shows no sow count; origins show sows/litters.
        QCOMPARE(VergleichZeilen(g, vaEber)[0].Anzahl, QStringLiteral("2"));
        QCOMPARE(VergleichZeilen(Bilden(herde, vaHerkunft), vaHerkunft)[0].Anzahl,
                 QStringLiteral("2/3"));
        RecordingCanvas c(800, 600);
        VergleichKopfZeichnen(c, vaEber, false);
        for (const auto& it : c.texts())
            QVERIFY(it.text != QStringLiteral("Sauen/"));
    }

    void druckWiederholtKoepfe() {
        std::vector<TVergleichszeile> zeilen(60);
        for (int i = 0; i < 60; ++i) {
            zeilen[std::size_t(i)].Name = QStringLiteral("G%1").arg(i + 1);
            zeilen[std::size_t(i)].Anzahl = QStringLiteral("1/2");
        }
        RecordingCanvas c(1320, 900);
        QVERIFY(
            VergleichDrucken(c, zeilen, 1, 60, vaRasse, QStringLiteral("Belegen"), false, "Arial"));
        SeitenPruefen(c, 900, "G", {"Name", "Ausfall"}, "Vergleich Rasse", 60);
        const QString csv = QString::fromUtf8(VergleichAlsCsv(zeilen, vaRasse, false).bytes());
        QVERIFY(csv.contains(QStringLiteral("G1;1/2;;;;;;;;;")));
    }
};

QTEST_GUILESS_MAIN(TstVergleich)
#include "tst_kern_vergleich.moc"
