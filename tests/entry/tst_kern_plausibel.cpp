#include "entry/offenepunkte.h"
#include "entry/offenepunkteliste.h"
#include "evaluation/auswertungtesthilfe.h"
#include "plan/uebersicht.h"
#include "platform/recordingcanvas.h"

#include <QtTest>

using plausibel::Art;

Q_DECLARE_METATYPE(plausibel::Art)

namespace {

constexpr int kHeute = 1000; // Tuesday 27.9.2022; its week starts on day 999

OffenePunkteVorgaben vorgaben() {
    OffenePunkteVorgaben v;
    v.heute = QDate(2020, 1, 1).addDays(kHeute);
    return v; // gestation 113, weaning window up to day 30
}

bool gemeldet(const Sau& sau, Art art) {
    std::vector<plausibel::Befund> out;
    SauPruefen(sau, 0, vorgaben(), out);
    return std::any_of(out.begin(), out.end(), [art](const auto& b) { return b.art == art; });
}

TWurfRec geprueft(TWurfRec w) { // a positive check keeps the check rules out of the way
    w.setTKDatum(1, TageAddierenDatum(25, w.Belegen(1)));
    w.setTKErgebnis(1, 1);
    return w;
}

TWurfRec mitVerlusten(TWurfRec w, int anzahl, int tag) {
    for (int i = 1; i <= anzahl; ++i) {
        w.setEintrag(i, QStringLiteral("erdrückt"));
        w.setVerlusttag(i, std::uint8_t(tag));
    }
    return w;
}

TWurfRec weiblich(TWurfRec w, int n) {
    w.setWeibliche(std::uint8_t(n));
    return w;
}

} // namespace

class TestPlausibel : public QObject {
    Q_OBJECT
private slots:
    // Each rule a day (or a piglet) inside and outside its limit: the first sow passes, the
    // second is reported.
    void regelKanten_data() {
        QTest::addColumn<Sau>("sau");
        QTest::addColumn<Art>("art");
        QTest::addColumn<bool>("gemeldet");
        const auto kante = [](const char* name, Art a, const Sau& innen, const Sau& aussen) {
            QTest::addRow("%s: inside", name) << innen << a << false;
            QTest::addRow("%s: outside", name) << aussen << a << true;
        };
        const auto eine = [](TWurfRec w) { return Sau1("1", 100, {w}); };
        const auto geferkelt = [](int geb, int tot) {
            return geprueft(Wurf(1, 500, 614, 642, geb, tot));
        };
        const auto tragezeit = [&](int tage) {
            return eine(geprueft(Wurf(1, 500, 500 + tage, 650, 10)));
        };
        kante("alive 25/26", Art::ZuVieleLebende, eine(geferkelt(25, 0)), eine(geferkelt(26, 0)));
        kante("dead 10/11", Art::ZuVieleTote, eine(geferkelt(20, 10)), eine(geferkelt(20, 11)));
        kante("female", Art::ZuVieleWeibliche, eine(weiblich(geferkelt(12, 2), 10)),
              eine(weiblich(geferkelt(12, 2), 11)));
        kante("losses", Art::ZuVieleVerluste, eine(mitVerlusten(geferkelt(4, 1), 3, 5)),
              eine(mitVerlusten(geferkelt(4, 1), 4, 5)));
        kante("loss on/after weaning day", Art::VerlustNachAbsetzen,
              eine(mitVerlusten(geferkelt(12, 0), 1, 28)),
              eine(mitVerlusten(geferkelt(12, 0), 1, 29)));
        kante("gestation 105/104", Art::TragezeitKurz, tragezeit(105), tragezeit(104));
        kante("gestation 125/126", Art::TragezeitLang, tragezeit(125), tragezeit(126));
        kante("weaned on/before farrowing day", Art::AbsetzenVorAbferkeln,
              eine(geprueft(Wurf(1, 500, 614, 614, 10))),
              eine(geprueft(Wurf(1, 500, 614, 613, 10))));
        kante("mated 3/2 days after weaning", Art::BelegenNachAbsetzen,
              Sau1("1", 100, {geferkelt(10, 0), geprueft(Wurf(2, 645, 760, 788, 10))}),
              Sau1("1", 100, {geferkelt(10, 0), geprueft(Wurf(2, 644, 760, 788, 10))}));
        kante("stalled in in 1/2 days", Art::Zukunft, Sau1("1", kHeute + 1, {}),
              Sau1("1", kHeute + 2, {}));
        Sau feb29 = Sau1("1", 100, {}), feb31 = feb29;
        feb29.rec.setZugang(TKurzDatum::aus(29, 2, 2020));
        feb31.rec.setZugang(TKurzDatum{31, 2, 120, 0});
        kante("29.2./31.2.2020", Art::KeinKalendertag, feb29, feb31);
        Sau doppelt = Sau1("1", 100, {geferkelt(10, 0), geferkelt(10, 0)}), folge = doppelt;
        folge.wuerfe[1].setWurfNr(2);
        kante("litter numbers", Art::WurfNrDoppelt, folge, doppelt);
        // Overdue: gestation 113 + 7, check 42, weaning window 30 + 7, no event 365 days.
        kante("farrowing 120/121 days after mating", Art::AbferkelnUeberfaellig,
              eine(geprueft(Wurf(1, kHeute - 120))), eine(geprueft(Wurf(1, kHeute - 121))));
        kante("no check 41/42 days", Art::TKUeberfaellig, eine(Wurf(1, kHeute - 41)),
              eine(Wurf(1, kHeute - 42)));
        kante("suckling 37/38 days", Art::AbsetzenUeberfaellig,
              eine(geprueft(Wurf(1, kHeute - 150, kHeute - 37, -1, 9))),
              eine(geprueft(Wurf(1, kHeute - 150, kHeute - 38, -1, 9))));
        kante("last event 365/366 days ago", Art::OhneEreignis, Sau1("1", kHeute - 365, {}),
              Sau1("1", kHeute - 366, {}));
        TWurfRec negativ = Wurf(1, kHeute - 200);
        negativ.setTKDatum(1, Tag(kHeute - 170));
        QTest::newRow("checked negative") << eine(negativ) << Art::AbferkelnUeberfaellig << false;
        QTest::newRow("sold sow is not overdue")
            << Sau1("1", 100, {Wurf(1, 800)}, 900) << Art::TKUeberfaellig << false;
    }

    void regelKanten() {
        QFETCH(Sau, sau);
        QFETCH(Art, art);
        QTEST(::gemeldet(sau, art), "gemeldet");
    }

    // A line names the date it refers to and what is wrong; the printout heads its pages with
    // the limits.
    void zeileUndDruckNennenDatumUndGrenzen() {
        const Herde herde = {Sau1("1", kHeute - 366, {})};
        const auto punkte = OffenePunkte(herde, vorgaben());
        QCOMPARE(punkte.size(), std::size_t(1));
        RecordingCanvas zeile(420, 100);
        offenepunkte::ZeileZeichnen(zeile, herde, punkte[0], 0, 0, 1, [](bool) {});
        QString gezeichnet, gedruckt;
        for (const auto& t : zeile.texts())
            gezeichnet += t.text + u'|';
        QVERIFY2(gezeichnet.contains(KurzDatumText(Tag(kHeute - 366))), qPrintable(gezeichnet));
        QVERIFY2(gezeichnet.contains(QStringLiteral("Seit")), qPrintable(gezeichnet));
        RecordingCanvas seite(9000, 13090, 1200.0 / 72);
        const QString grenzen = offenepunkte::GrenzenText(vorgaben());
        QVERIFY(offenepunkte::Drucken(seite, herde, punkte, 1, 1, "Arial", grenzen, {}));
        for (const auto& t : seite.texts())
            gedruckt += t.text;
        QVERIFY2(gedruckt.contains(grenzen.section(QStringLiteral("; "), 1)), qPrintable(gedruckt));
    }

    // One sow in every case; today is Tuesday, the week runs from day 999 to day 1005.
    void uebersichtZaehltJeFallEineSau() {
        const auto tragend = [](int beleg) { return geprueft(Wurf(1, beleg)); };
        TWurfRec umrauscher = Wurf(1, 950);
        umrauscher.setTKDatum(1, Tag(975));
        const Herde herde = {
            Sau1("leer", 100, {geprueft(Wurf(1, 800, 914, 942, 10))}),
            Sau1("UR", 100, {umrauscher}),
            Sau1("B-W", 100, {Wurf(1, 980)}),   // heat 998..1004, check 1001..1015
            Sau1("Abf-W", 100, {tragend(886)}), // expected on day 999
            Sau1("Abf-U", 100, {tragend(880)}), // expected on day 993
            Sau1("Abs-W", 100, {geprueft(Wurf(1, 850, 971, -1, 10))}),
            Sau1("Abs-U", 100, {geprueft(Wurf(1, 850, 960, -1, 10))}),
            Sau1("JS-W", 957, {}),
            Sau1("JS-U", 900, {}),
            Sau1("verkauft", 100, {}, 950),
            Sau1("V2021", 100, {}, 600),
            Sau1("B-U", 100, {Wurf(1, 950)}), // check window ended on day 985
        };
        const HerdUebersicht u =
            UebersichtBilden(herde, PlanZeitenStandard(), PruefGrenzen{}, 113, vorgaben().heute);
        QCOMPARE(u.wochenanfang, QDate(2020, 1, 1).addDays(999));
        const std::array<int, 7> status{1, 1, 2, 2, 2, 0, 2};
        QCOMPARE(u.status, status);
        QCOMPARE(u.bestand, 10);
        QCOMPARE(u.abgaengeJahr, 1);
        const auto namen = [&](const std::vector<FaelligeSau>& l) {
            QStringList n;
            for (const FaelligeSau& s : l)
                n << herde[std::size_t(s.sau)].rec.SauNr();
            return n.join(u',');
        };
        // Due this week, then overdue: farrowing, weaning, check, heat, first mating.
        QStringList faellig;
        for (const auto* listen : {&u.woche, &u.ueberfaellig})
            for (int fall : {faAbferkeln, faAbsetzen, faTK, faUmrauschen, faErstbelegung})
                faellig << namen((*listen)[std::size_t(fall)]);
        QCOMPARE(faellig, QStringList({"Abf-W", "Abs-W", "B-W", "B-W", "JS-W", "Abf-U", "Abs-U",
                                       "B-U", "B-U", "JS-U"}));
    }

    // A date counts as future by its days after today, also where only the calendar order is
    // looked at: around the turn of a year, a leap day, 2000 and 2100, and for every limit.
    void zukunftZaehltTage() {
        PruefGrenzen g;
        for (const QDate heute : {QDate(1999, 12, 31), QDate(2000, 2, 28), QDate(2000, 2, 29),
                                  QDate(2100, 2, 28), QDate(2024, 3, 10)})
            for (int tage = -3; tage <= 3; ++tage)
                for (const int grenze : {-2, 0, 1, 2}) {
                    g.zukunftTage = grenze;
                    const TKurzDatum d = TKurzDatum::aus(heute.addDays(tage)),
                                     h = TKurzDatum::aus(heute);
                    const bool zukunft = plausibel::Datum(d, h, g) == Art::Zukunft;
                    QVERIFY2(zukunft == (TageZwischen(h, d) > grenze),
                             qPrintable(KurzDatumText(d) + QString::number(grenze)));
                }
    }
};

QTEST_APPLESS_MAIN(TestPlausibel)
#include "tst_kern_plausibel.moc"
