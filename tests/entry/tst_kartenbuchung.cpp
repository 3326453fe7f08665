#include "entry/kartenbuchung.h"
#include "support/fensterfixtur.h"

#include <QFileInfo>
#include <QtTest>

using namespace kartenbuchung;

class TestKartenbuchung : public QObject {
    Q_OBJECT
private slots:
    void naechsterWurfBeimOeffnen_data() {
        QTest::addColumn<Sau>("s");
        QTest::addColumn<int>("seiten");
        QTest::addColumn<int>("letzteNr");
        const TWurfRec abgesetzt = wurf(3, dt(1, 6, 2012), {}, dt(20, 10, 2012));
        QTest::newRow("weaned: next litter") << sau("7", {abgesetzt}) << 2 << 4;
        QTest::newRow("not weaned") << sau("7", {wurf(3, dt(1, 6, 2012))}) << 1 << 3;
        QTest::newRow("no litter") << sau("7", {}) << 1 << 1;
        Sau weg = sau("7", {abgesetzt});
        weg.rec.setAbgang(dt(1, 12, 2012));
        QTest::newRow("departed") << weg << 1 << 3;
        QTest::newRow("no name") << sau("", {abgesetzt}) << 1 << 3;
    }

    void naechsterWurfBeimOeffnen() {
        QFETCH(Sau, s);
        QFETCH(int, letzteNr);
        const std::vector<TWurfRec> k = KartenWuerfe(s.rec, s.wuerfe);
        QTEST(int(k.size()), "seiten");
        QCOMPARE(int(k.back().WurfNr()), letzteNr);
        QVERIFY(std::equal(s.wuerfe.begin(), s.wuerfe.end(), k.begin()));
        if (k.size() > s.wuerfe.size()) QCOMPARE(k.back(), TWurfRec::leer(std::uint8_t(letzteNr)));
    }

    void namenspruefung_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("eigener");
        QTest::addColumn<bool>("zulaessig");
        QTest::addColumn<QString>("meldung");
        const QString doppelt =
            QStringLiteral("Die Bezeichnung 12 kommt mehrfach in der Kartei vor!"
                           "\n\rBitte ändern Sie diese.");
        QTest::newRow("trailing blank") << "12 " << -1 << false << doppelt;
        QTest::newRow("own name") << "12" << 0 << true << "";
        QTest::newRow("case differs") << "a1" << -1 << true << "";
        QTest::newRow("empty, no message") << "  " << -1 << false << "";
    }

    void namenspruefung() {
        QFETCH(QString, name);
        QFETCH(int, eigener);
        const Herde herde{sau("12", {}), sau("A1", {})};
        QString m;
        QTEST(SauNrZulaessig(herde, name, eigener, &m), "zulaessig");
        QTEST(m, "meldung");
    }

    void abgangspruefungen_data() {
        QTest::addColumn<TKurzDatum>("abgang");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("before stalling in")
            << dt(1, 12, 2011) << "Der angegebene Verkauf liegt vor der Einstallung!";
        QTest::newRow("before the farrowing")
            << dt(1, 4, 2013) << "Der Verkaufstermin liegt vor Eintragungen im letzten Wurf!";
        QTest::newRow("on the farrowing day") << dt(24, 4, 2013) << "";
        QTest::newRow("none") << TKurzDatum{} << "";
    }

    void abgangspruefungen() {
        QFETCH(TKurzDatum, abgang);
        TWurfRec w = wurf(2, dt(1, 1, 2013));
        w.setAbferkeln(dt(24, 4, 2013));
        QTEST(AbgangPruefen(dt(1, 1, 2012), abgang, {wurf(1, dt(1, 2, 2012)), w}), "meldung");
        // A sow without litters may leave on the day she came, not before.
        QCOMPARE(AbgangPruefen(dt(1, 1, 2012), dt(1, 1, 2012), {}), QString());
        QVERIFY(!AbgangPruefen(dt(1, 1, 2012), dt(31, 12, 2011), {}).isEmpty());
    }

    void ebernamen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("danach");
        // The box offers the first two of Max, Moritz, Otto.
        QTest::newRow("new name first") << "Bruno" << QStringList{"Bruno", "Max", "Moritz", "Otto"};
        QTest::newRow("offered") << "Moritz" << QStringList{"Max", "Moritz", "Otto"};
        QTest::newRow("known, not offered") << "Otto" << QStringList{"Max", "Moritz", "Otto"};
        QTest::newRow("case differs") << "otto" << QStringList{"otto", "Max", "Moritz", "Otto"};
        QTest::newRow("empty") << "" << QStringList{"Max", "Moritz", "Otto"};
    }

    void ebernamen() {
        QFETCH(QString, name);
        QStringList eber{"Max", "Moritz", "Otto"};
        EberAufnehmen(eber, name, {"Max", "Moritz"});
        QTEST(eber, "danach");
    }

    void neueSauUebernehmen_data() {
        QTest::addColumn<int>("eingabe");
        QTest::addColumn<int>("wurfNr");
        QTest::newRow("4") << 4 << 4;
        QTest::newRow("0") << 0 << 1;
    }

    void neueSauUebernehmen() {
        QFETCH(int, eingabe);
        TestContext t;
        t.ctx.Sauenliste.push_back(sau("1", {wurf(1)}));
        TSauRec rec;
        rec.setSauNr(QStringLiteral("A7"));
        QCOMPARE(KarteUebernehmen(t.ctx, -1, rec, {}, eingabe), 1);
        const Sau& s = t.ctx.Sauenliste[1];
        QCOMPARE(s.rec.SauNr(), QStringLiteral("A7"));
        QCOMPARE(s.wuerfe.size(), std::size_t(1));
        QTEST(int(s.wuerfe[0].WurfNr()), "wurfNr");
        // Saved at once (single saving is on by default).
        QVERIFY(!t.ctx.Geaendert);
        QCOMPARE(QFileInfo(t.pfad(QStringLiteral("SAUWURF.DAT"))).size(),
                 4 * 512); // two sows, a litter each
    }

    void abgegangeneSauUebernehmen_data() {
        QTest::addColumn<bool>("einzeln");
        QTest::newRow("single saving") << true;
        QTest::newRow("changed flag") << false;
    }

    void abgegangeneSauUebernehmen() {
        QFETCH(bool, einzeln);
        TestContext t;
        t.ctx.einstellungen.einzelspeicherung = einzeln;
        const TWurfRec erster = wurf(1, dt(1, 6, 2012), {}, dt(20, 10, 2012));
        t.ctx.Sauenliste.push_back(sau("9", {erster, wurf(2)}));
        TSauRec rec = t.ctx.Sauenliste[0].rec;
        rec.setAbgang(dt(1, 12, 2012));
        QCOMPARE(KarteUebernehmen(t.ctx, 0, rec, {}, 0), 0);
        QCOMPARE(t.ctx.Sauenliste[0].rec, rec);
        QCOMPARE(t.ctx.Sauenliste[0].wuerfe, std::vector<TWurfRec>{erster});
        QCOMPARE(t.ctx.Geaendert, !einzeln);
        QCOMPARE(QFileInfo::exists(t.pfad(QStringLiteral("SAUWURF.DAT"))), einzeln);
    }
};

QTEST_MAIN(TestKartenbuchung)
#include "tst_kartenbuchung.moc"
