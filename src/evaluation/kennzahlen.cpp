#include "kennzahlen.h"

#include "platform/codepage.h"

#include <algorithm>

Kurzname Kurzname::aus(const QString& text) {
    const QByteArray b = cp1252::encode(text.left(15));
    Kurzname k;
    k.laenge = std::uint8_t(std::min<qsizetype>(b.size(), 15));
    std::memcpy(k.z.data(), b.constData(), k.laenge);
    return k;
}

QString Kurzname::text() const {
    return cp1252::decode(reinterpret_cast<const std::uint8_t*>(z.data()), laenge);
}

void TKennzahlen::Leeren() {
    auto anomalien = std::move(AnomalieListe);
    auto ausfaelle = std::move(AusfallListe);
    anomalien.clear();
    ausfaelle.clear();
    *this = TKennzahlen{};
    AnomalieListe = std::move(anomalien);
    AusfallListe = std::move(ausfaelle);
}

namespace {

// Adds one entry into `liste`: to the first entry of the same name, or as a new entry.
// Returns false when the list is full and the name is new.
bool eintragen(std::vector<TBefundEintrag>& liste, const TBefundEintrag& e) {
    for (TBefundEintrag& d : liste) {
        if (d.Name == e.Name) {
            d.Anzahl += e.Anzahl;
            return true;
        }
    }
    if (int(liste.size()) >= TKennzahlen::kMaxNamen) return false;
    liste.push_back({e.Name, 0, e.Anzahl});
    return true;
}

std::int32_t summe(const std::vector<TBefundEintrag>& liste) {
    std::int32_t n = 0;
    for (const TBefundEintrag& e : liste)
        n += e.Anzahl;
    return n;
}

} // namespace

void KennzahlenAddieren(TKennzahlen& d, const TKennzahlen& q) {
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

    for (const TBefundEintrag& e : q.AnomalieListe)
        if (!eintragen(d.AnomalieListe, e)) d.AnomalienOhneNamen += e.Anzahl;
    for (const TBefundEintrag& e : q.AusfallListe) {
        if (!eintragen(d.AusfallListe, e)) d.AusfaelleOhneNamen += e.Anzahl;
        if (e.Tag > 0 && e.Tag < 76) {
            d.Verlusttage[e.Tag] += e.Anzahl;
            d.verlusttageBelegt = true;
        }
    }
    // A sum added into a sum brings its day counts along; a litter's own array is empty.
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
