#pragma once

#include "herd/kurzname.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

// One named finding of a litter or a sum: an anomaly or a cause of loss.
struct TBefundEintrag {
    Kurzname Name;
    std::uint16_t Tag = 0; // a loss's Verlusttag; no meaning in a sum
    std::int32_t Anzahl = 0;
};

// The counters and sums a litter contributes to a figures record.
struct TKennzahlenWerte {
    std::int32_t Wuerfe = 0;
    std::int32_t Zwischenwurfzeit = 0;
    std::int32_t Leertage = 0;
    std::int32_t Traechtigkeit = 0;
    std::int32_t TragenUndSaeugen = 0;
    std::int32_t Saeugetage = 0;
    std::int32_t Umrauschtage = 0;
    std::int32_t Einstalltage = 0;
    std::int32_t LeerBisAbgang = 0;
    std::int32_t Geborene = 0;
    std::int32_t Weibliche = 0;
    std::int32_t Todgeborene = 0;
    std::int32_t Abgesetzte = 0;
    double GeburtsgewichtSumme = 0;
    double AbsetzgewichtSumme = 0;
    std::int32_t GeburtsgewichtAnzahl = 0;
    std::int32_t AbsetzgewichtAnzahl = 0;
    std::int32_t AnomalienAnzahl = 0;
    std::int32_t AusfaelleAnzahl = 0;
    // Counts are 32 bits wide: a large herd's sums pass 65,535.
    std::int32_t ErstBelegungen = 0;
    std::int32_t ZweitBelegungen = 0;
    std::int32_t DrittBelegungen = 0;
    std::int32_t Deckungen = 0;
    std::int32_t Treffer = 0;
    std::int32_t Mehrfach = 0;
    std::int32_t AusgleichAb = 0;
    std::int32_t AusgleichZu = 0;
};

// The figures of one litter or the sums over many.
struct TKennzahlen : TKennzahlenWerte {
    static constexpr int kMaxNamen = 255;

    std::int32_t Sauen = 0; // set by the computation per mode
    double Remontierungsquote = 0;
    // Counts of names that found no room in a full list; they stay in the totals.
    std::int32_t AnomalienOhneNamen = 0;
    std::int32_t AusfaelleOhneNamen = 0;

    std::vector<TBefundEintrag> AnomalieListe;
    std::vector<TBefundEintrag> AusfallListe;
    std::array<std::int32_t, 76> Verlusttage{}; // losses per Verlusttag; index 0 stays 0
    bool verlusttageBelegt = false;             // some day count is not 0

    // Every counter to zero, both lists emptied (their storage is kept).
    void Leeren();
};

// Adds the figures of `q` into `d`: every counter and sum except Sauen and
// Remontierungsquote; the finding lists are merged by exact name.
void KennzahlenAddieren(TKennzahlen& d, const TKennzahlen& q);

// The parts of that: the counters and sums (not the two finding counts) ...
void WerteAddieren(TKennzahlenWerte& d, const TKennzahlenWerte& q);
// ... and one finding, merged into its list by name, counted in its total and, for a loss
// with a day below 76, under that day.
void BefundAddieren(TKennzahlen& d, bool ausfall, const Kurzname& name, int tag, int anzahl);
