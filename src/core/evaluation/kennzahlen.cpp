#include "evaluation/kennzahlen.h"

#include <algorithm>

void TKennzahlen::Leeren() {
    static_cast<TKennzahlenWerte&>(*this) = TKennzahlenWerte{};
    Sauen = 0;
    Remontierungsquote = 0;
    AnomalienOhneNamen = AusfaelleOhneNamen = 0;
    AnomalieListe.clear();
    AusfallListe.clear();
    if (verlusttageBelegt) Verlusttage.fill(0);
    verlusttageBelegt = false;
}

namespace {

std::int32_t summe(const std::vector<TBefundEintrag>& liste) {
    std::int32_t n = 0;
    for (const TBefundEintrag& e : liste)
        n += e.Anzahl;
    return n;
}

} // namespace

void WerteAddieren(TKennzahlenWerte& d, const TKennzahlenWerte& q) {
    d.Wuerfe += q.Wuerfe;
    d.Zwischenwurfzeit += q.Zwischenwurfzeit;
    d.Traechtigkeit += q.Traechtigkeit;
    d.TragenUndSaeugen += q.TragenUndSaeugen;
    d.Saeugetage += q.Saeugetage;
    d.Leertage += q.Leertage;
    d.Umrauschtage += q.Umrauschtage;
    d.LeerBisAbgang += q.LeerBisAbgang;
    d.Einstalltage += q.Einstalltage;
    d.Geborene += q.Geborene;
    d.Todgeborene += q.Todgeborene;
    d.Weibliche += q.Weibliche;
    d.Abgesetzte += q.Abgesetzte;
    d.GeburtsgewichtSumme += q.GeburtsgewichtSumme;
    d.AbsetzgewichtSumme += q.AbsetzgewichtSumme;
    d.GeburtsgewichtAnzahl += q.GeburtsgewichtAnzahl;
    d.AbsetzgewichtAnzahl += q.AbsetzgewichtAnzahl;
    d.ErstBelegungen += q.ErstBelegungen;
    d.ZweitBelegungen += q.ZweitBelegungen;
    d.DrittBelegungen += q.DrittBelegungen;
    d.Deckungen += q.Deckungen;
    d.Treffer += q.Treffer;
    d.Mehrfach += q.Mehrfach;
    d.AusgleichAb += q.AusgleichAb;
    d.AusgleichZu += q.AusgleichZu;
}

void BefundAddieren(TKennzahlen& d, bool ausfall, const Kurzname& name, int tag, int anzahl) {
    std::vector<TBefundEintrag>& liste = ausfall ? d.AusfallListe : d.AnomalieListe;
    (ausfall ? d.AusfaelleAnzahl : d.AnomalienAnzahl) += anzahl;
    if (ausfall && tag > 0 && tag < 76) {
        d.Verlusttage[std::size_t(tag)] += anzahl;
        d.verlusttageBelegt = true;
    }
    for (TBefundEintrag& e : liste) {
        if (e.Name == name) {
            e.Anzahl += anzahl;
            return;
        }
    }
    if (int(liste.size()) < TKennzahlen::kMaxNamen)
        liste.push_back({name, 0, anzahl});
    else
        (ausfall ? d.AusfaelleOhneNamen : d.AnomalienOhneNamen) += anzahl;
}

void KennzahlenAddieren(TKennzahlen& d, const TKennzahlen& q) {
    WerteAddieren(d, q);
    for (const TBefundEintrag& e : q.AnomalieListe)
        BefundAddieren(d, false, e.Name, 0, e.Anzahl);
    for (const TBefundEintrag& e : q.AusfallListe)
        BefundAddieren(d, true, e.Name, e.Tag, e.Anzahl);
    // A sum added into a sum brings its day counts and unnamed counts along.
    if (q.verlusttageBelegt) {
        for (std::size_t t = 1; t < d.Verlusttage.size(); ++t)
            d.Verlusttage[t] += q.Verlusttage[t];
        d.verlusttageBelegt = true;
    }
    d.AnomalienOhneNamen += q.AnomalienOhneNamen;
    d.AusfaelleOhneNamen += q.AusfaelleOhneNamen;
    d.AnomalienAnzahl = summe(d.AnomalieListe) + d.AnomalienOhneNamen;
    d.AusfaelleAnzahl = summe(d.AusfallListe) + d.AusfaelleOhneNamen;
}
