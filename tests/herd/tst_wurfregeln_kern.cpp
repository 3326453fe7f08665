#include "entry/auswahlbuchung.h"
#include "entry/kartenbuchung.h"
#include "herd/saustatus.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QtTest>

// The rules every window reads from one place: the current litter and the latest mating in its
// two readings; and the change notices that open windows follow.
class TestWurfregelnKern : public QObject {
    Q_OBJECT

    // A litter with the given mating dates (day 0 = none) and, when set, a farrowing date.
    static TWurfRec wurf(int nr, std::array<int, 3> belegen, int abferkeln = 0) {
        TWurfRec w = TWurfRec::leer(std::uint8_t(nr));
        for (int k = 0; k < 3; ++k)
            if (belegen[std::size_t(k)]) w.setBelegen(k + 1, D(belegen[std::size_t(k)], 3, 113));
        if (abferkeln) w.setAbferkeln(D(abferkeln, 7, 113));
        return w;
    }

private slots:
    void aktuellerWurfUndLetzteBelegung_data() {
        QTest::addColumn<std::vector<TWurfRec>>("wuerfe");
        QTest::addColumn<int>("aktuell");
        QTest::addColumn<int>("letzte");   // any mating present
        QTest::addColumn<int>("inFolge");  // 3 only after 2
        QTest::addColumn<int>("erwartet"); // day in July of the expected farrowing, 0 = none
        QTest::newRow("no litters") << std::vector<TWurfRec>{} << -1 << 0 << 0 << 0;
        QTest::newRow("one litter, not mated")
            << std::vector{wurf(1, {0, 0, 0})} << 0 << 1 << 1 << 0;
        QTest::newRow("opened litter after a mated one")
            << std::vector{wurf(1, {10, 0, 0}), wurf(2, {0, 0, 0})} << 0 << 1 << 1 << 1;
        QTest::newRow("second mating") << std::vector{wurf(1, {10, 12, 0})} << 0 << 2 << 2 << 3;
        QTest::newRow("third after second")
            << std::vector{wurf(1, {10, 12, 14})} << 0 << 3 << 3 << 5;
        QTest::newRow("third without second")
            << std::vector{wurf(1, {10, 0, 14})} << 0 << 3 << 1 << 1;
        QTest::newRow("recorded farrowing wins")
            << std::vector{wurf(1, {10, 0, 0}, 20)} << 0 << 1 << 1 << 20;
    }
    void aktuellerWurfUndLetzteBelegung() {
        QFETCH(std::vector<TWurfRec>, wuerfe);
        QFETCH(int, aktuell);
        QCOMPARE(AktuellerWurf(wuerfe), aktuell);
        if (aktuell < 0) return;
        const TWurfRec& w = wuerfe[std::size_t(aktuell)];
        QTEST(LetzteBelegung(w), "letzte");
        QTEST(LetzteBelegungInFolge(w), "inFolge");
        QFETCH(int, erwartet);
        // 10.3.13 + 113 days is 1.7.13.
        QCOMPARE(AbferkelnOderErwartet(w, 113), erwartet ? D(erwartet, 7, 113) : TKurzDatum{});
    }

    // Every change is announced, telling whether sows came or went; a reload announces a new
    // herd and clears Geaendert, a save tells it was saved.
    void aenderungenWerdenGemeldet() {
        TestContext t;
        AppContext& ctx = t.ctx;
        ctx.einstellungen.einzelspeicherung = false;
        QSignalSpy geaendert(&ctx.meldung, &HerdMeldung::geaendert);
        QSignalSpy gespeichert(&ctx.meldung, &HerdMeldung::gespeichert);
        const auto gemeldet = [&] {
            QList<bool> sauen;
            for (const auto& args : geaendert)
                sauen << args.at(0).toBool();
            geaendert.clear();
            return sauen;
        };
        TSauRec rec;
        rec.setSauNr(QStringLiteral("1"));
        kartenbuchung::KarteUebernehmen(ctx, -1, rec, {}, 1);
        QCOMPARE(gemeldet(), (QList<bool>{true, false}));
        QVERIFY(ctx.Geaendert);
        kartenbuchung::KarteUebernehmen(ctx, 0, rec, ctx.Sauenliste[0].wuerfe, 1);
        QCOMPARE(gemeldet(), QList<bool>{false});
        QVERIFY(auswahlbuchung::GruppeSetzen(ctx, 0, 3, true));
        QVERIFY(!auswahlbuchung::GruppeSetzen(ctx, 0, 3, true));
        QVERIFY(!auswahlbuchung::GruppeSetzen(ctx, 0, 2, false));
        QCOMPARE(gemeldet(), QList<bool>{false});
        QVERIFY(auswahlbuchung::GruppenAbschliessen(ctx, true));
        QCOMPARE(gespeichert.size(), 1);
        QVERIFY(!ctx.Geaendert);
        auswahlbuchung::SauEntfernen(ctx, 0);
        QCOMPARE(gemeldet(), (QList<bool>{true, false}));
        HerdeLaden(ctx);
        QCOMPARE(gemeldet(), QList<bool>{true});
        QVERIFY(!ctx.Geaendert);
        QCOMPARE(ctx.Sauenliste.size(), std::size_t(1)); // the unsaved removal is gone
    }
};

QTEST_GUILESS_MAIN(TestWurfregelnKern)
#include "tst_wurfregeln_kern.moc"
