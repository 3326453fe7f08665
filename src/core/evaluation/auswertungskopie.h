#pragma once

#include "evaluation/kennzahlen.h"
#include "herd/sauherde.h"
#include "herd/saustatus.h"

#include <memory>
#include <span>
#include <vector>

class AppContext;

// One loss or anomaly slot of a litter: the slots that hold a name or a loss day.
struct KopieBefund {
    Kurzname Eintrag;
    std::uint8_t Verlusttag = 0;
};

// The part of a litter record the evaluations read, with the record's own names and 1-based
// numbering of matings and checks, so that the litter rules (saustatus.h) read it as they read
// a record.
class KopieWurf {
public:
    TKurzDatum Belegen(int k) const { return belegen_[std::size_t(k - 1)].datum; }
    const Kurzname& Eber(int k) const { return eber_[std::size_t(k - 1)]; }
    std::uint8_t Mal(int k) const { return mal_[std::size_t(k - 1)]; }
    TKurzDatum TKDatum(int k) const { return tkDatum_[std::size_t(k - 1)]; }
    std::uint8_t TKErgebnis(int k) const { return tkErgebnis_[std::size_t(k - 1)]; }
    TKurzDatum Abferkeln() const { return abferkeln_.datum; }
    TKurzDatum Absetzen() const { return absetzen_.datum; }
    bool abgeferkelt() const { return abferkeln_.vorhanden(); }
    // The day numbers (Tagesnummer) of those dates, worked out once when copied.
    int TagBelegen(int k) const { return belegen_[std::size_t(k - 1)].nummer; }
    int TagAbferkeln() const { return abferkeln_.nummer; }
    int TagAbsetzen() const { return absetzen_.nummer; }
    // The latest mating (LetzteBelegung), found once when copied.
    int letzteBelegung() const { return letzte_; }

    // Copies the dated fields of `w`.
    void datenAus(const TWurfRec& w);

    std::uint8_t WurfNr = 0; // 1, 2, 3 ... in the order kept; as stored with `alleWuerfe`
    std::uint8_t Geborene = 0, Todgeborene = 0, Weibliche = 0;
    std::int8_t Ausgleich = 0;
    std::uint16_t Geburtsgewicht = 0, Absetzgewicht = 0;
    std::uint8_t Verluste = 0, Anomalien = 0; // as counted on the card
    int herdenIndex = 0;                      // position in the sow's own litter list
    std::uint32_t befundAnfang = 0;           // in its block's findings
    std::uint8_t befundAnzahl = 0;
    std::uint8_t befundAusfaelle = 0; // of them with a loss day; the rest are anomalies

private:
    std::array<Tagdatum, 3> belegen_{};
    std::array<Kurzname, 3> eber_{};
    std::array<std::uint8_t, 3> mal_{};
    std::array<TKurzDatum, 2> tkDatum_{};
    std::array<std::uint8_t, 2> tkErgebnis_{};
    Tagdatum abferkeln_, absetzen_;
    std::uint8_t letzte_ = 1;
};

// The part of a sow record the evaluations read.
struct KopieSau {
    Kurzname SauNr, Herkunft, Rasse;
    TKurzDatum Zugang, Abgang;
    int TagZugang = 0, TagAbgang = 0; // their day numbers
    std::uint32_t wurfAnfang = 0;     // in its block's litters
    std::uint32_t wurfAnzahl = 0;
};

// One sow of the working copy with her kept litters and their findings, looked up once for a
// walk over her litters.
struct KopieSauSicht {
    const KopieSau& sau;
    std::span<const KopieWurf> wuerfe;
    const KopieBefund* befundBasis; // the findings of the sow's block
    // The findings of litter `i`.
    std::span<const KopieBefund> befunde(int i) const {
        const KopieWurf& w = wuerfe[std::size_t(i)];
        return {befundBasis + w.befundAnfang, w.befundAnzahl};
    }
};

// The private copy of the herd an evaluation window works on, built when it opens. Sows keep
// their index; litters born all dead and litters whose farrowing and weaning fall on one day
// (an abortion, or farrowed and not yet weaned) are left out, the rest renumbered from 1.
// With `alleWuerfe` every litter is kept with its stored number (the live herd as the hit list
// and comparison read it).
//
// The copy is made of blocks of `kBlock` sows that never change once built, so that a copy
// made after a few sows changed takes the other blocks over from the one before.
class Auswertungskopie {
public:
    static constexpr int kBlock = 64;

    Auswertungskopie() = default;
    explicit Auswertungskopie(const Herde& herde, bool alleWuerfe = false);
    // The copy of `herde` after the sows `geaendert` (ascending) changed and nothing else since
    // `vorige` was made with the same `alleWuerfe`.
    Auswertungskopie(const Herde& herde, bool alleWuerfe, const Auswertungskopie& vorige,
                     const std::vector<int>& geaendert);

    int sauenAnzahl() const { return anzahl_; }
    KopieSauSicht sicht(int sau) const {
        const Block& b = block(sau);
        const KopieSau& s = b.teil->sauen[b.erste + std::size_t(sau % kBlock)];
        return {s, {b.teil->wuerfe.data() + s.wurfAnfang, s.wurfAnzahl}, b.teil->befunde.data()};
    }
    const KopieSau& sau(int i) const { return sicht(i).sau; }
    std::span<const KopieWurf> wuerfe(int sau) const { return sicht(sau).wuerfe; }
    // The findings of litter `i` of sow `sau`.
    std::span<const KopieBefund> befunde(int sau, int i) const { return sicht(sau).befunde(i); }
    // The kept litter of sow `sau` that was at `herdenIndex` in her list, or -1.
    int wurfIndex(int sau, int herdenIndex) const;

private:
    // The copied sows of a run of blocks, with their litters and findings.
    struct Teil {
        std::vector<KopieSau> sauen;
        std::vector<KopieWurf> wuerfe;
        std::vector<KopieBefund> befunde;
    };
    struct Block {
        std::shared_ptr<const Teil> teil;
        std::size_t erste = 0; // the block's first sow in `teil`
    };
    // Copies the sows of the blocks `bloecke` (ascending) into one part.
    void kopieren(const Herde& herde, bool alleWuerfe, const std::vector<std::size_t>& bloecke);
    const Block& block(int sau) const { return bloecke_[std::size_t(sau / kBlock)]; }

    std::vector<Block> bloecke_;
    int anzahl_ = 0;
};

// The working copy of the live herd, shared: made on first use, and after a change made again
// from the copy before with only the changed sows copied anew, so that evaluations opened one
// after the other copy the herd once. A window that holds one keeps it as it was when taken.
std::shared_ptr<const Auswertungskopie> Herdenkopie(AppContext& ctx, bool alleWuerfe = false);

// Weaned piglets of a copied litter, by the record's rule.
inline int Abgesetzte(const KopieWurf& w) {
    return AbgesetzteFerkel(w.Geborene, w.Todgeborene, w.Verluste, w.Ausgleich);
}

// Whether a litter stays in the working copy.
bool WurfAuswerten(const TWurfRec& w);
