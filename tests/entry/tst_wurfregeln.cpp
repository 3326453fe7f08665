#include "entry/wurfregeln.h"
#include "entry/wurfuebersicht.h"
#include "platform/recordingcanvas.h"
#include "support/herdbau.h"

#include <QtTest>

using namespace wurfregeln;

class TestWurfregeln : public QObject {
    Q_OBJECT
private slots:
    void datumspruefungen_data() {
        QTest::addColumn<int>("fall");
        QTest::addColumn<TKurzDatum>("a");
        QTest::addColumn<TKurzDatum>("b");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<bool>("fokus");
        const auto zeile = [](const char* n, int fall, TKurzDatum a, TKurzDatum b, const char* m,
                              bool fokus) {
            QTest::newRow(n) << fall << a << b << QString(m) << fokus;
        };
        // fall 0: first mating on the first page (a = stalling in), 1: on a later page (a =
        // weaning)
        zeile("first mating after stalling in", 0, dt(1, 1, 2013), dt(2, 1, 2013), "", false);
        zeile("first mating on stalling day", 0, dt(1, 1, 2013), dt(1, 1, 2013),
              "Das Datum liegt nicht nach dem Einstallen vom 1.1.13!", true);
        zeile("no stalling date refuses", 0, {}, dt(1, 1, 2013),
              "Bitte zuerst das Einstalldatum (Zugang) der Sau eintragen!", true);
        zeile("no earlier weaning refuses", 1, {}, dt(1, 1, 2013),
              "Bitte zuerst das Absetzen des vorherigen Wurfs eintragen!", true);
        zeile("first mating before weaning", 1, dt(20, 5, 2013), dt(19, 5, 2013),
              "Das Datum liegt nicht nach dem vorherigen Absetzen vom 20.5.13!", true);
        zeile("second mating same day", 2, dt(1, 1, 2013), dt(1, 1, 2013),
              "Das Datum liegt nicht nach dem 1. Belegen!", false);
        zeile("third mating next day", 3, dt(1, 1, 2013), dt(2, 1, 2013), "", false);
        zeile("third mating before second", 3, dt(5, 1, 2013), dt(2, 1, 2013),
              "Das Datum liegt nicht nach dem 2. Belegen!", false);
        zeile("check on mating day", 4, dt(1, 1, 2013), dt(1, 1, 2013),
              "Das Datum liegt nicht nach dem vorherigen Belegen!", true);
        zeile("weaning on farrowing day passes", 5, dt(1, 5, 2013), dt(1, 5, 2013), "", false);
        zeile("weaning before farrowing", 5, dt(1, 5, 2013), dt(30, 4, 2013),
              "Das Datum liegt vor dem Abferkeltermin!", true);
    }

    void datumspruefungen() {
        QFETCH(int, fall);
        QFETCH(TKurzDatum, a);
        QFETCH(TKurzDatum, b);
        const Pruefung p[] = {pruefeBelegen1(b, true, a, {}),
                              pruefeBelegen1(b, false, {}, a),
                              pruefeBelegen2(a, b),
                              pruefeBelegen3(a, b),
                              pruefeTK(a, b),
                              pruefeAbsetzen(a, b)};
        QTEST(p[fall].meldung, "meldung");
        QTEST(p[fall].fokusZurueck, "fokus");
    }

    void abferkelpruefungNimmtLetzteBelegung() {
        Stand s;
        s.belegenText[0] = s.belegenText[1] = true;
        s.belegen[0] = dt(1, 1, 2013);
        s.belegen[1] = dt(20, 1, 2013);
        s.abferkeln = dt(10, 1, 2013);
        QCOMPARE(pruefeAbferkeln(s).meldung,
                 QStringLiteral("Das Datum liegt vor dem letzten Belegen!"));
        s.abferkeln = dt(14, 5, 2013);
        QVERIFY(pruefeAbferkeln(s).meldung.isEmpty());
        // 20.1.13 + 113 = 13.5.13: one day off is fine, 12 days off warns, 11 do not.
        QVERIFY(!weichtZuStarkAb(s, 113));
        s.abferkeln = dt(25, 5, 2013);
        QVERIFY(weichtZuStarkAb(s, 113));
        s.abferkeln = dt(24, 5, 2013);
        QVERIFY(!weichtZuStarkAb(s, 113));
        // With a third mating that one counts (10.2.13 + 113 = 3.6.13), not the second.
        s.belegenText[2] = true;
        s.belegen[2] = dt(10, 2, 2013);
        s.abferkeln = dt(5, 2, 2013);
        QCOMPARE(pruefeAbferkeln(s).meldung,
                 QStringLiteral("Das Datum liegt vor dem letzten Belegen!"));
        s.abferkeln = dt(4, 6, 2013); // 22 days after the second mating's date
        QVERIFY(pruefeAbferkeln(s).meldung.isEmpty());
        QVERIFY(!weichtZuStarkAb(s, 113));
        QCOMPARE(abferkelVorschlag(s, 113), QStringLiteral("~3.6.13"));
        // A third mating counts only after a second.
        Stand t;
        t.belegen[0] = dt(10, 3, 2013);
        t.belegen[2] = dt(31, 3, 2013);
        QCOMPARE(abferkelVorschlag(t, 113), QStringLiteral("~1.7.13"));
        QCOMPARE(abferkelVorschlag(Stand{}, 113), QString());
    }

    void freigabestufen() {
        Stand s;
        Freigabe f = freigaben(s);
        QVERIFY(!f.eber[0] && !f.belegen2 && !f.tkdatum1 && !f.abferkeln && !f.geborene);
        s.belegenText[0] = true;
        s.belegen[0] = dt(1, 1, 2013);
        f = freigaben(s);
        QVERIFY(f.eber[0] && f.mal[0] && f.belegnote[0] && f.belegen2 && f.tkdatum1 && f.abferkeln);
        QVERIFY(!f.belegen3 && !f.eber[1] && !f.tk1 && !f.tkdatum2);
        s.tkdatum1 = true;
        f = freigaben(s);
        QVERIFY(f.tk1 && !f.tkdatum2);
        s.tk1 = true;
        QVERIFY(freigaben(s).tkdatum2);
        s.abferkeln = dt(25, 4, 2013);
        f = freigaben(s);
        QVERIFY(f.geborene && f.todgeboren && !f.absetzen && !f.gelten);
        s.geborene = 10;
        f = freigaben(s);
        QVERIFY(f.gelten && f.geburtgew && f.zugesetzt && f.anomal && f.ausfall && f.absetzen &&
                f.ferkelnNote);
        QVERIFY(!f.anomalKnopf && !f.ausfallKnopf && !f.absetzenNurLesen && !f.abgesetzte);
        s.ausfall = 1;
        QVERIFY(freigaben(s).ausfallKnopf);
        s.absetzen = dt(25, 4, 2013);
        QVERIFY(!freigaben(s).abgesetzte); // weaning on the farrowing day
        s.absetzen = dt(26, 4, 2013);
        QVERIFY(freigaben(s).abgesetzte && freigaben(s).absetzgew);
        s.todgeboren = 10;
        QVERIFY(freigaben(s).absetzenNurLesen);
        // Without a first mating nothing of the farrowing opens, whatever the fields hold.
        s.belegenText[0] = false;
        f = freigaben(s);
        QVERIFY(!f.abferkeln && !f.geborene && !f.absetzen && !f.abgesetzte);
    }

    void abgesetztenzahl_data() {
        QTest::addColumn<int>("geb");
        QTest::addColumn<int>("tot");
        QTest::addColumn<int>("ausfall");
        QTest::addColumn<int>("zu");
        QTest::addColumn<bool>("abgesetzt");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("12 born, 1 dead, 2 losses, +1") << 12 << 1 << 2 << 1 << true << 10;
        QTest::newRow("fostered off") << 12 << 0 << 0 << -3 << true << 9;
        QTest::newRow("fostered off beyond the born: none") << 3 << 0 << 0 << -5 << true << 0;
        QTest::newRow("not weaned yet") << 12 << 1 << 2 << 1 << false << 0;
    }

    void abgesetztenzahl() {
        QFETCH(int, geb);
        QFETCH(int, tot);
        QFETCH(int, ausfall);
        QFETCH(int, zu);
        QFETCH(bool, abgesetzt);
        Stand s;
        s.geborene = geb;
        s.todgeboren = tot;
        s.ausfall = ausfall;
        s.zugesetzt = zu;
        if (abgesetzt) s.absetzen = dt(1, 6, 2013);
        QTEST(abgesetzte(s), "erwartet");
    }

    void entfernenBehaeltDieAndereArt() {
        TWurfRec w;
        for (int i = 1; i <= 3; ++i) {
            w.setVerlusttag(i, std::uint8_t(i + 1));
            w.setEintrag(i, QStringLiteral("V%1").arg(i));
        }
        w.setEintrag(14, QStringLiteral("A14"));
        w.setEintrag(13, QStringLiteral("A13"));
        TWurfRec a = w;
        anomalienEntfernen(a);
        QCOMPARE(a.Eintrag(14), QString());
        QCOMPARE(a.Eintrag(13), QString());
        QCOMPARE(a.Eintrag(3), QStringLiteral("V3"));
        QCOMPARE(a.Verlusttag(3), std::uint8_t(4));
        TWurfRec v = w;
        verlusteEntfernen(v);
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(v.Verlusttag(i), std::uint8_t(0));
            QCOMPARE(v.Eintrag(i), QString());
        }
        QCOMPARE(v.Eintrag(13), QStringLiteral("A13"));
    }

    void uebersichtsspalten() {
        const TWurfRec a = WurfMit(12, 1, -1, dt(1, 5, 2012), dt(25, 5, 2012), {2});
        RecordingCanvas c(1500, 300);
        c.setFont(QStringLiteral("Sans"), 10, 0);
        WurfUebersichtZeichnen(c, {a, wurf(2, {}, dt(1, 10, 2012), {}, 9), TWurfRec::leer(3)},
                               1500);
        QStringList texte;
        for (const auto& it : c.texts())
            texte << it.text;
        // Weaned of litter 1: 12 - 1 dead - 1 loss - 1 fostered off; litter 2 suckles.
        QCOMPARE(texte,
                 (QStringList{"Wurf   :", "geb.F :", "abg.F:", "1", "12", "9", "2", "9", "3"}));
    }
};

QTEST_GUILESS_MAIN(TestWurfregeln)
#include "tst_wurfregeln.moc"
