#pragma once

#include "evaluation/kennzahlen.h"
#include "herd/sauherde.h"

#include <span>
#include <vector>

// One loss or anomaly slot of a litter: the slots that hold a name or a loss day.
struct KopieBefund {
    Kurzname Eintrag;
    std::uint8_t Verlusttag = 0;
};

// The part of a litter record the evaluations read.
struct KopieWurf {
    std::array<TKurzDatum, 3> Belegen{};
    std::array<Kurzname, 3> Eber{};
    std::array<std::uint8_t, 3> Mal{};
    std::array<TKurzDatum, 2> TKDatum{};
    std::array<std::uint8_t, 2> TKErgebnis{};
    TKurzDatum Abferkeln, Absetzen;
    std::uint8_t WurfNr = 0; // 1, 2, 3 ... in the order kept; as stored with `alleWuerfe`
    std::uint8_t Geborene = 0, Todgeborene = 0, Weibliche = 0;
    std::int8_t Ausgleich = 0;
    std::uint16_t Geburtsgewicht = 0, Absetzgewicht = 0;
    std::uint8_t Verluste = 0, Anomalien = 0; // as counted on the card
    int herdenIndex = 0;                      // position in the sow's own litter list
    std::uint32_t befundAnfang = 0;
    std::uint8_t befundAnzahl = 0;

    bool gefarrowed() const { return Abferkeln.vorhanden(); }
};

// The part of a sow record the evaluations read.
struct KopieSau {
    Kurzname SauNr, Herkunft, Rasse;
    TKurzDatum Zugang, Abgang;
    std::uint32_t wurfAnfang = 0;
    std::uint32_t wurfAnzahl = 0;
};

// The private copy of the herd an evaluation window works on, built when it opens. Sows keep
// their index; litters born all dead and litters whose farrowing and weaning fall on one day
// (an abortion, or farrowed and not yet weaned) are left out, the rest renumbered from 1.
// With `alleWuerfe` every litter is kept with its stored number (the live herd as the hit list
// and comparison read it).
class Auswertungskopie {
public:
    Auswertungskopie() = default;
    explicit Auswertungskopie(const Herde& herde, bool alleWuerfe = false);

    int sauenAnzahl() const { return int(sauen_.size()); }
    const KopieSau& sau(int i) const { return sauen_[std::size_t(i)]; }
    std::span<const KopieWurf> wuerfe(int sau) const {
        const KopieSau& s = sauen_[std::size_t(sau)];
        return {wuerfe_.data() + s.wurfAnfang, s.wurfAnzahl};
    }
    std::span<const KopieBefund> befunde(const KopieWurf& w) const {
        return {befunde_.data() + w.befundAnfang, w.befundAnzahl};
    }
    // The kept litter of sow `sau` that was at `herdenIndex` in her list, or -1.
    int wurfIndex(int sau, int herdenIndex) const;

private:
    std::vector<KopieSau> sauen_;
    std::vector<KopieWurf> wuerfe_;
    std::vector<KopieBefund> befunde_;
};

// Whether a litter stays in the working copy.
bool WurfAuswerten(const TWurfRec& w);
