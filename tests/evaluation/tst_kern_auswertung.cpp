// The evaluation engine: working copy, litter figures, adding, filter, replacement rate, the rows
// derived from a sum, and their CSV.

#include "auswertungtesthilfe.h"
#include "evaluation/auswertunglayout.h"
#include "evaluation/kennzahlzeilen.h"
#include "herd/saustatus.h"

#include <QTest>
#include <numeric>

namespace {

const QString X = "Xaver", Y = "Yannick";
const QString kCsvKopf =
    "Kennzahl;mittel;2. Wert;Einheit;gesamt;2. Wert;Einheit;je Wurf;2. Wert;Einheit";

const KennzahlZeile* zeile(const std::vector<KennzahlZeile>& z, const QString& text) {
    for (const KennzahlZeile& r : z)
        if (r.text == text) return &r;
    return nullptr;
}

// A litter mated by the given boars three weeks apart, farrowed 115 days after the last.
TWurfRec Belegt(std::initializer_list<QString> eber, int geb = 10) {
    TWurfRec w = TWurfRec::leer(1);
    int k = 1, tag = 0;
    for (const QString& e : eber) {
        w.setBelegen(k, Tag(tag));
        w.setEber(k++, e);
        tag += 21;
    }
    w.setAbferkeln(Tag(tag - 21 + 115));
    w.setAbsetzen(Tag(tag - 21 + 140));
    w.setGeborene(std::uint8_t(geb));
    return w;
}

// Three matings by Xaver, a pregnancy check after the first with the result `tk` (-1: none).
TWurfRec DreimalX(int tk) {
    TWurfRec w = Belegt({X, X, X}, 11);
    if (tk >= 0) {
        w.setTKDatum(1, Tag(25));
        w.setTKErgebnis(1, std::uint8_t(tk));
    }
    return w;
}

TAuswertungsFilter EberFilter(const QString& e) {
    TAuswertungsFilter f = AllesFilter();
    f.EberFilter = e;
    return f;
}

// A sow with `n` weaned litters, each with a loss and fostering.
Herde SauMitWuerfen(int n) {
    std::vector<TWurfRec> w;
    for (int i = 0; i < n; ++i) {
        TWurfRec r = Wurf(i + 1, i * 150, i * 150 + 115, i * 150 + 140, 12, 1);
        r.setAusgleich(2);
        Verluste(r, {{"erdrückt", 3}});
        w.push_back(r);
    }
    return {Sau1("4711", 0, w)};
}

// The evaluation of such a sow (sow mode) or of the herd (selection, with the
// losses opened and the origin filter cleared).
struct Ausgewertet {
    Herde h;
    Auswertungskopie kopie{h};
    TAuswertungsStand st;
    Ausgewertet(int wuerfe, TAuswertungsModus modus) : h(SauMitWuerfen(wuerfe)) {
        st.Modus = modus;
        st.Sau = 0;
        if (modus == amAuswahl) {
            st.filter = AllesFilter();
            st.filter.HerkunftFilter.clear();
            st.AusfaelleOffen = true;
        }
        KennzahlenBerechnen(st, kopie, {});
    }
};

} // namespace

class TstAuswertung : public QObject {
    Q_OBJECT
private slots:
    // Names are read within their fields: a damaged length byte counts as the field's size.
    void kopieLiestNamenImFeld_data() {
        QTest::addColumn<int>("laengenbyte");
        QTest::addColumn<QString>("eber");
        QTest::addColumn<QString>("sauNr");
        QTest::newRow("as stored") << 4 << QString("Ajax") << QString("4711");
        QTest::newRow("length byte 200") << 200 << QString("AjaxBBBBBB") << QString("4711SSSSSS");
    }
    void kopieLiestNamenImFeld() {
        QFETCH(int, laengenbyte);
        Sau s = Sau1(QStringLiteral("4711SSSSSSXX"), 0, {Wurf(1, 0)});
        s.wuerfe[0].setEber(1, QStringLiteral("AjaxBBBBBBCC"));
        // Past each field lies the next one: the boar's 11th byte is the next boar's length.
        s.rec.bytes()[sauofs::SauNr] = std::uint8_t(laengenbyte);
        s.wuerfe[0].bytes()[wurfofs::Eber] = std::uint8_t(laengenbyte);
        const Auswertungskopie k(Herde{s}, true);
        QTEST(k.wuerfe(0)[0].Eber(1).text(), "eber");
        QTEST(k.sau(0).SauNr.text(), "sauNr");
    }

    void kopieLaesstWuerfeAusUndNummeriertNeu() {
        TWurfRec erster = Wurf(1, 0, 115, 140, 12, 1);
        Verluste(erster, {{"erdrückt", 2}, {"Durchfall", 3}});
        erster.setEintrag(5, "Spreizer");
        erster.setEintrag(13, "Zitterer");
        erster.setEintrag(14, "Afterlos");
        const Herde h{
            Sau1("1", 0,
                 {erster, Wurf(2, 150, 265, 290, 9, 9), Wurf(3, 300, 415, 440, 0, 0),
                  Wurf(4, 450, 500, 500, 3, 0), Wurf(5, 600, 715, -1, 12, 0), Wurf(6, 750)})};
        const Auswertungskopie k(h);
        const auto w = k.wuerfe(0);
        QCOMPARE(int(w.size()), 3);
        const int herkunft[] = {0, 2, 5};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(w[std::size_t(i)].herdenIndex, herkunft[i]);
            QCOMPARE(int(w[std::size_t(i)].WurfNr), i + 1);
        }
        // The card's counts: losses from slot 1 up, anomalies from slot 14 down.
        QCOMPARE(int(w[0].Verluste), Verluste(erster));
        QCOMPARE(int(w[0].Anomalien), Anomalien(erster));
        QCOMPARE(int(k.befunde(0, 0).size()), 5);
        QCOMPARE(k.befunde(0, 0)[2].Eintrag.text(), "Spreizer");
        QCOMPARE(k.wurfIndex(0, 2), 1);
        QCOMPARE(k.wurfIndex(0, 4), -1); // the suckling litter is not in the copy
    }

    void sauSumme_data() {
        QTest::addColumn<TWurfRec>("zweiter");
        QTest::addColumn<int>("wuerfe");
        QTest::addColumn<int>("geborene");
        QTest::addColumn<int>("erstBelegungen");
        QTest::addColumn<int>("abgesetzte");
        QTest::newRow("letzter Wurf säugend") << Wurf(2, 145, 260, -1, 14) << 1 << 12 << 1 << 11;
        QTest::newRow("0 geboren bleibt") << Wurf(2, 145, 260, 285, 0, 0) << 2 << 12 << 2 << 11;
        // Born piglets entered without a farrowing date count as born, not as weaned.
        QTest::newRow("nur belegt") << Wurf(2, 145, -1, -1, 5) << 1 << 17 << 2 << 11;
    }
    void sauSumme() {
        QFETCH(TWurfRec, zweiter);
        const Herde h{Sau1("1", 0, {Wurf(1, 0, 115, 140, 12, 1), zweiter})};
        const TKennzahlen s = Auswerten(h, amSau);
        QTEST(s.Wuerfe, "wuerfe");
        QTEST(s.Geborene, "geborene");
        QTEST(s.ErstBelegungen, "erstBelegungen");
        QTEST(s.Abgesetzte, "abgesetzte");
        QCOMPARE(s.Sauen, 1);
    }

    void leertage_data() {
        QTest::addColumn<int>("wurf");
        QTest::addColumn<int>("leertage");
        // Weaning to next mating: 7 days after litter 1, 10 after litter 2, 12 after litter 3.
        QTest::newRow("1. Wurf: danach") << 0 << 7;
        QTest::newRow("2. Wurf: danach") << 1 << 10;
        QTest::newRow("3. Wurf: davor") << 2 << 10;
        QTest::newRow("4. Wurf: davor") << 3 << 12;
    }
    void leertage() {
        QFETCH(int, wurf);
        const Herde h{Sau1("1", 0,
                           {Wurf(1, 0, 115, 140, 10), Wurf(2, 147, 262, 290, 10),
                            Wurf(3, 300, 415, 440, 10), Wurf(4, 452, 567, 590, 10)})};
        const TKennzahlen s = Auswerten(h, amSauWurf, AllesFilter(), {}, wurf);
        QTEST(s.Leertage, "leertage");
    }

    void zwischenwurfzeitMitVerkaufUndEinstallen_data() {
        QTest::addColumn<bool>("verkauf");
        QTest::addColumn<bool>("einstall");
        QTest::addColumn<int>("zwz");
        // 115 days pregnant + 25 suckling; 10 days to the sale; 30 from stalling in.
        QTest::newRow("ohne") << false << false << 140;
        QTest::newRow("MITVERKAUF") << true << false << 150;
        QTest::newRow("MITEINSTALL") << false << true << 170;
        QTest::newRow("beide") << true << true << 180;
    }
    void zwischenwurfzeitMitVerkaufUndEinstallen() {
        QFETCH(bool, verkauf);
        QFETCH(bool, einstall);
        Einstellungen e;
        e.mitVerkauf = verkauf;
        e.mitEinstall = einstall;
        const Herde h{Sau1("1", 0, {Wurf(1, 30, 145, 170, 10)}, 180)};
        const TKennzahlen s = Auswerten(h, amSau, AllesFilter(), e);
        QCOMPARE(s.LeerBisAbgang, 10);
        QTEST(s.Zwischenwurfzeit, "zwz");
    }

    void eberModus_data() {
        QTest::addColumn<TWurfRec>("wurf");
        QTest::addColumn<int>("deckungen");
        QTest::addColumn<int>("treffer");
        QTest::addColumn<int>("geborene");
        QTest::addColumn<int>("umrauschtage");
        QTest::addColumn<bool>("imFilter");
        QTest::addColumn<int>("zweit");
        QTest::addColumn<int>("dritt");
        // Mated twice: one second mating and no third.
        QTest::newRow("Y, dann X") << Belegt({Y, X}) << 1 << 1 << 10 << 21 << true << 1 << 0;
        QTest::newRow("zweimal X") << Belegt({X, X}) << 2 << 1 << 10 << 21 << true << 1 << 0;
        // No hit, so no piglets; the re-mating days are set before the hit test all the same.
        QTest::newRow("X, dann Y") << Belegt({X, Y}) << 1 << 0 << 0 << 21 << false << 1 << 0;
        QTest::newRow("nur X, Groß/klein")
            << Belegt({"xAVER"}) << 1 << 1 << 10 << 0 << false << 0 << 0;
        // The third mating hits only after a positive check (re-mating days not checked).
        QTest::newRow("dreimal X, TK positiv")
            << DreimalX(1) << 3 << 1 << 11 << -1 << true << 1 << 1;
        QTest::newRow("dreimal X, TK negativ")
            << DreimalX(0) << 3 << 0 << 0 << -1 << true << 1 << 1;
        QTest::newRow("dreimal X, keine TK") << DreimalX(-1) << 3 << 0 << 0 << -1 << true << 1 << 1;
    }
    void eberModus() {
        QFETCH(TWurfRec, wurf);
        QFETCH(int, umrauschtage);
        QFETCH(bool, imFilter);
        const Herde h{Sau1("1", 0, {wurf})};
        const Auswertungskopie kopie(h);
        const Filtervergleich f(EberFilter(X));
        TKennzahlen k;
        WurfKennzahlen(f, kopie.sicht(0), 0, k, amEber, {});
        QTEST(k.Deckungen, "deckungen");
        QTEST(k.Treffer, "treffer");
        QTEST(k.Geborene, "geborene");
        QTEST(k.ZweitBelegungen, "zweit");
        QTEST(k.DrittBelegungen, "dritt");
        if (umrauschtage >= 0) QCOMPARE(k.Umrauschtage, umrauschtage);
        QCOMPARE(WurfImFilter(f, kopie.sicht(0), 0), imFilter);
        // The herd evaluation adds the litter only when it passes the filter.
        const TKennzahlen s = Auswerten(h, amEber, EberFilter(X));
        QCOMPARE(s.Sauen, imFilter ? 1 : 0);
        QCOMPARE(Werte(s), Werte(imFilter ? k : TKennzahlen{}));
    }

    // Fostering off counts by its amount, apart from fostering on; both move the weaned.
    void ausgleichZuUndAb() {
        TWurfRec ab = Wurf(1, 0, 115, 140, 10), zu = ab;
        ab.setAusgleich(-3);
        zu.setAusgleich(2);
        const TKennzahlen s = Auswerten(Herde{Sau1("1", 0, {ab}), Sau1("2", 0, {zu})}, amAuswahl);
        QCOMPARE(s.AusgleichAb, 3);
        QCOMPARE(s.AusgleichZu, 2);
        QCOMPARE(s.Abgesetzte, 10 - 3 + 10 + 2);
    }

    void traechtigkeitWirdAddiert() {
        const Herde h{Sau1("1", 0, {Wurf(1, 0, 115, 140, 10), Wurf(2, 147, 264, 290, 10)})};
        TAuswertungsStand st;
        st.Modus = amSau;
        st.Summe = Auswerten(h, amSau);
        QCOMPARE(st.Summe.Traechtigkeit, 115 + 117);
        const auto z = KennzahlZeilen(st, {}, false);
        QCOMPARE(zeile(z, "Trächtigkeitsdauer")->zellen.at(0).zahl, " 116");
    }

    void ausfaelleZusammengefasstUndVerlusttage() {
        TWurfRec a = Wurf(1, 0, 115, 140, 12), b = a, c = a;
        Verluste(a, {{"erdrückt", 2}});
        Verluste(b, {{"erdrückt", 2}, {"Erdrückt", 3}});
        Verluste(c, {{"Durchfall", 80}});
        c.setEintrag(14, "Spreizer");
        const Herde h{Sau1("1", 0, {a}), Sau1("2", 0, {b}), Sau1("3", 0, {c})};
        TAuswertungsStand st;
        st.Modus = amAuswahl;
        st.Summe = Auswerten(h, amAuswahl);
        const TKennzahlen& s = st.Summe;
        QCOMPARE(int(s.AusfallListe.size()), 3);
        QCOMPARE(s.AusfallListe[0].Name.text(), "erdrückt");
        QCOMPARE(s.AusfallListe[0].Anzahl, 2);
        QCOMPARE(s.AusfaelleAnzahl, 4);
        QCOMPARE(s.AnomalienAnzahl, 1);
        QCOMPARE(s.Verlusttage[2], 2);
        QCOMPARE(s.Verlusttage[3], 1);
        // The loss on day 80 is counted, but on no day.
        QCOMPARE(std::accumulate(s.Verlusttage.begin(), s.Verlusttage.end(), 0), 3);
        QCOMPARE(s.Abgesetzte, 3 * 12 - 4);

        st.AusfaelleOffen = true;
        const auto z = KennzahlZeilen(st, {}, false);
        std::size_t i = 0;
        while (z[i].text != "Ausfälle")
            ++i;
        QCOMPARE(z[i + 1].text, "erdrückt");
        QCOMPARE(z[i + 1].zellen.at(0).zahl, "50,0");
        QCOMPARE(z[i + 1].zellen.at(1).zahl, "2");
        QCOMPARE(z[i + 3].text, "Durchfall");
    }

    void remontierungsquote_data() {
        QTest::addColumn<Herde>("herde");
        QTest::addColumn<double>("quote");
        // Period day 100 to 200.
        QTest::newRow("über den Anfangsbestand")
            << Herde{Sau1("A", 0, {}), Sau1("B", 0, {}, 150), Sau1("C", 120, {})} << 50.0;
        QTest::newRow("über den Bestand") << Herde{Sau1("C", 120, {}), Sau1("D", 130, {}),
                                                   Sau1("E", 140, {}, 160), Sau1("F", 150, {}, 170)}
                                          << 100.0;
        QTest::newRow("kein Bestand") << Herde{Sau1("G", 0, {}, 50)} << 0.0;
        QTest::newRow("über Bis hinaus da")
            << Herde{Sau1("H", 0, {}, 300), Sau1("I", 0, {}, 150)} << 50.0;
    }
    void remontierungsquote() {
        QFETCH(Herde, herde);
        TAuswertungsFilter f;
        f.Von = Tag(100);
        f.Bis = Tag(200);
        QTEST(RemontierungsquoteBerechnen(Filtervergleich(f), Auswertungskopie(herde)), "quote");
    }

    void leereAuswertung() {
        TAuswertungsStand st;
        st.Modus = amAuswahl;
        st.Summe = Auswerten({}, amAuswahl);
        const auto z = KennzahlZeilen(st, {}, false);
        const auto zelle = [&](const char* t, int i) {
            return zeile(z, QString::fromUtf8(t))->zellen.at(std::size_t(i));
        };
        QCOMPARE(zelle("Zwischenwurfzeit", 0).zahl, "   0");
        QCOMPARE(zelle("Zwischenwurfzeit", 1).zahl, QString());
        QCOMPARE(zelle("geborene Ferkel/Jahr", 0).zahl, QString());
        QCOMPARE(zelle("abgesetzte Ferkel/Jahr", 2).zahl.trimmed(), "0,0");
        QCOMPARE(zelle("Umrauscher         1 mal", 0).zahl, "0");
        QVERIFY(zeile(z, "Anomalitäten")->zellen.empty());
        QVERIFY(!zeile(z, "Saldo Wurfausgleiche :"));
    }

    // A random herd: the herd loop adds each litter at once; litter records added one by one
    // give the same.
    void wurfweiseAddiertWieHerde() {
        const Herde h = zufallsHerde(17, 400);
        TAuswertungsFilter f = AllesFilter();
        f.Bis = Tag(20000);
        const TKennzahlen s = Auswerten(h, amAuswahl, f);
        QVERIFY(s.Wuerfe > 500 && s.AusfaelleAnzahl > 0 && s.AusgleichAb > 0);
        const Auswertungskopie kopie(h);
        const Filtervergleich fv(f);
        TKennzahlen einzeln, wurf;
        for (int sau = 0; sau < kopie.sauenAnzahl(); ++sau)
            for (int i = 0; i < int(kopie.wuerfe(sau).size()); ++i)
                if (WurfImFilter(fv, kopie.sicht(sau), i)) {
                    WurfKennzahlen(fv, kopie.sicht(sau), i, wurf, amAuswahl, {});
                    KennzahlenAddieren(einzeln, wurf);
                }
        QCOMPARE(Werte(s), Werte(einzeln));
        QCOMPARE(s.Verlusttage, einzeln.Verlusttage);
        QCOMPARE(int(s.AusfallListe.size()), int(einzeln.AusfallListe.size()));
        for (std::size_t i = 0; i < s.AusfallListe.size(); ++i) {
            QCOMPARE(s.AusfallListe[i].Name.text(), einzeln.AusfallListe[i].Name.text());
            QCOMPARE(s.AusfallListe[i].Anzahl, einzeln.AusfallListe[i].Anzahl);
        }
    }

    // A missing date counts no days. Before 1989 the day count from the empty date (day -31) stays
    // below the cut-off of 32766 days, so only the missing date's test keeps it out.
    void fehlendesDatumZaehltKeineTage_data() {
        QTest::addColumn<Herde>("herde");
        QTest::addColumn<int>("einstall");
        QTest::addColumn<int>("umrausch");
        QTest::addColumn<int>("leer");
        QTest::addColumn<int>("leerBisAbgang");
        const auto d = [](int tag) { return TKurzDatum::aus(QDate(1985, 3, 1).addDays(tag)); };
        TWurfRec nurZweite = wurf(1);
        nurZweite.setBelegen(2, d(21));
        Sau ohneBelegung = SauMit("", d(-30), d(60));
        ohneBelegung.wuerfe = {wurf(1)};
        QTest::newRow("no entry day") << Herde{sau("", {wurf(1, d(0))}, {})} << 0 << 0 << 0 << 0;
        QTest::newRow("second mating only")
            << Herde{sau("", {nurZweite}, d(-30))} << 0 << 0 << 0 << 0;
        QTest::newRow("next mating, no weaning")
            << Herde{sau("", {wurf(1, d(0)), wurf(2, d(40))}, d(-30))} << 30 << 0 << 0 << 0;
        QTest::newRow("departed, never mated") << Herde{ohneBelegung} << 0 << 0 << 0 << 0;
    }
    void fehlendesDatumZaehltKeineTage() {
        QFETCH(Herde, herde);
        TAuswertungsFilter f = AllesFilter();
        f.Von = TKurzDatum::aus(QDate(1980, 1, 1));
        const TKennzahlen s = Auswerten(herde, amSau, f);
        QTEST(s.Einstalltage, "einstall");
        QTEST(s.Umrauschtage, "umrausch");
        QTEST(s.Leertage, "leer");
        QTEST(s.LeerBisAbgang, "leerBisAbgang");
    }

    // A farrowed litter counts once weaned on another day; before 1989 too.
    void wurfAuswertenBrauchtAbsetzen_data() {
        QTest::addColumn<int>("absetzen");
        QTest::addColumn<bool>("auswerten");
        QTest::newRow("not weaned") << -1 << false;
        QTest::newRow("weaned on the farrowing day") << 0 << false;
        QTest::newRow("weaned") << 25 << true;
    }
    void wurfAuswertenBrauchtAbsetzen() {
        QFETCH(int, absetzen);
        const QDate ferkeln(1985, 6, 1);
        const TKurzDatum abgesetzt = absetzen < 0 ? TKurzDatum{} : K(ferkeln.addDays(absetzen));
        QTEST(WurfAuswerten(wurf(1, {}, K(ferkeln), abgesetzt)), "auswerten");
    }

    // The period of the filter compares date keys: a damaged day byte of 110 in
    // January lies in February.
    void zeitraumNachDatumsschluessel() {
        const Sau s = SauMit("", TKurzDatum{110, 1, 113, 0}, dt(15, 2, 2013));
        TAuswertungsFilter f = AllesFilter();
        f.Von = TKurzDatum::aus(QDate(2013, 2, 1));
        f.Bis = TKurzDatum::aus(QDate(2013, 2, 28));
        const Auswertungskopie kopie(Herde{s});
        const Filtervergleich vergleich(f);
        // Counted as come in: no sow at the start, so no quota (not in: 100 %).
        QCOMPARE(RemontierungsquoteBerechnen(vergleich, kopie), 0.0);
    }

    // The CSV opens with what the printout's head says; then every figure a number with decimal
    // comma in its own column, the unit beside it, both numbers of a pair apart, labels without
    // padding. On paper the sow's evaluation carries her litter table, the selection's its filter.
    void csvUndDruck_data() {
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("wuerfe");
        QTest::addColumn<QStringList>("anfang");
        QTest::addColumn<QString>("zeile");    // a line anywhere in the table
        QTest::addColumn<QString>("gedruckt"); // a text on the printed page
        const auto sau = [](const char* n, const QString& zeile) {
            QTest::newRow(n) << int(amSau) << 2 << QStringList{"Würfe;2"} << zeile
                             << QString("geb/ tot/w");
        };
        sau("column heads", kCsvKopf);
        sau("unit apart", "Zwischenwurfzeit;145;;Tage;2,52;;Würfe/Jahr;;;");
        sau("pair in two columns", "lebend/tot;27,7;2,5;;22;2;;11,0;1,0;");
        sau("padded label trimmed", "Umrauscher 1 mal;0,0;;%;0;;;;;");
        sau("balance: given and taken apart", "Saldo Wurfausgleiche;4;;;4;0;;;;");
        sau("litter table", "1;01.01.2020;Ajax;25.04.2020;12;1;0;2;1;0;20.05.2020;12");
        const QString filter = Filterbeschreibung(Ausgewertet(1, amAuswahl).st.filter);
        QTest::newRow("Auswahl: filter and counts")
            << int(amAuswahl) << 3 << QStringList{filter, "Sauen;1;Würfe;3", kCsvKopf} << QString()
            << filter;
        QTest::newRow("litter left out: why")
            << int(amSauWurf) << 3 << QStringList{QString::fromUtf8(kNichtAusgewertet), ""}
            << QString() << QString::fromUtf8(kNichtAusgewertet);
    }
    void csvUndDruck() {
        QFETCH(int, modus);
        QFETCH(int, wuerfe);
        QFETCH(QStringList, anfang);
        QFETCH(QString, zeile);
        const Ausgewertet d(wuerfe, TAuswertungsModus(modus));
        const QByteArray b = AuswertungCsv(d.st, d.kopie, {});
        QVERIFY(b.startsWith("\xEF\xBB\xBF"));
        const QStringList z = QString::fromUtf8(b.mid(3)).split("\r\n");
        QCOMPARE(z.mid(0, anfang.size()), anfang);
        QVERIFY2(zeile.isEmpty() || z.contains(zeile), qPrintable(z.join(u'\n')));
        QFETCH(QString, gedruckt);
        RecordingCanvas c(800, 1100);
        AuswertungDrucken(c, d.st, d.kopie, {});
        QVERIFY2(texte(c).contains(gedruckt), qPrintable(texte(c).join(u'|')));
    }
};

QTEST_GUILESS_MAIN(TstAuswertung)
#include "tst_kern_auswertung.moc"
