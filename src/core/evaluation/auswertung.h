#pragma once

#include "evaluation/auswertungskopie.h"
#include "evaluation/kennzahlen.h"
#include "herd/einstellungen.h"
#include "herd/kurzdatum.h"

#include <QString>
#include <functional>

enum TAuswertungsModus : std::uint8_t { amSauWurf = 0, amSau = 1, amEber = 2, amAuswahl = 3 };
enum TDatumsart : std::uint8_t { daEinstallen = 0, daBelegen = 1, daFerkeln = 2, daAbsetzen = 3 };

// The period and filter of a herd-wide evaluation, as read from the filter dialog.
struct TAuswertungsFilter {
    TKurzDatum Von, Bis;
    TDatumsart Datumsart = daBelegen;
    bool NurGanzeWuerfe = false;
    bool NurErsterWurf = false;
    bool NurVorhandeneSauen = false;
    QString EberFilter, HerkunftFilter, RasseFilter; // empty = no filter
};

// What an evaluation window holds besides its controls: the display flags, the chosen sow
// and litter, the mode, the filter and the sum.
struct TAuswertungsStand {
    bool AnomalienOffen = false;
    bool AusfaelleOffen = false;
    int Sau = -1;  // the chosen sow in the working copy
    int Wurf = -1; // the chosen litter (index in the sow's kept litters), -1 for none
    int SauIndex = -1;
    TAuswertungsModus Modus = amAuswahl;
    TAuswertungsFilter filter;
    TKennzahlen Summe;
    // "Wurf" mode: the number the chosen litter has in the sow's own list; the litter may
    // have been left out of the working copy.
    int gewaehlteWurfNr = 0;
};

// The filter in the forms the loops compare with.
class Filtervergleich {
public:
    explicit Filtervergleich(const TAuswertungsFilter& f);
    const TAuswertungsFilter& filter() const { return f_; }
    bool eberGesetzt() const { return eberGesetzt_; }
    const Kurzname& eber() const { return eber_; }
    const QString& eberGross() const { return eberGross_; }
    bool herkunftPasst(const KopieSau& s) const;
    bool rassePasst(const KopieSau& s) const;
    // Whether `d` is a date within the period; the period compares the date keys.
    bool imZeitraum(TKurzDatum d) const {
        const int k = DatumsSchluessel(d);
        return d.vorhanden() && k >= von_ && k <= bis_;
    }
    // Whether the filter tests the period alone: no flag set and no name to match.
    bool nurZeitraum() const {
        return !(f_.NurGanzeWuerfe || f_.NurErsterWurf || f_.NurVorhandeneSauen || eberGesetzt_ ||
                 herkunftGesetzt_ || rasseGesetzt_);
    }

private:
    TAuswertungsFilter f_;
    bool eberGesetzt_, herkunftGesetzt_, rasseGesetzt_;
    Kurzname eber_, herkunft_, rasse_;
    QString eberGross_;
    int von_, bis_; // the date keys of the period
};

// The figures of litter `i` of the sow `s` of the working copy into `k` (cleared first).
void WurfKennzahlen(const Filtervergleich& f, const KopieSauSicht& s, int i, TKennzahlen& k,
                    TAuswertungsModus modus, const Einstellungen& e);
// The same added into `summe` at once (the figures of WurfKennzahlen, then
// KennzahlenAddieren, without the litter's own record).
void WurfKennzahlenAddieren(const Filtervergleich& f, const KopieSauSicht& s, int i,
                            TKennzahlen& summe, TAuswertungsModus modus, const Einstellungen& e);
// The same with the findings counted only, their name lists left as they are (for lists
// that show the totals alone).
void WurfZahlenAddieren(const Filtervergleich& f, const KopieSauSicht& s, int i,
                        TKennzahlenWerte& summe, TAuswertungsModus modus, const Einstellungen& e);
// Whether litter `i` of the sow `s` passes period and filter.
bool WurfImFilter(const Filtervergleich& f, const KopieSauSicht& s, int i);
QString Filterbeschreibung(const TAuswertungsFilter& f);
double RemontierungsquoteBerechnen(const Filtervergleich& f, const Auswertungskopie& kopie);

// Computes `stand.Summe` for the stand's mode. Herd modes call `fortschritt` with each sow
// index (may be empty).
void KennzahlenBerechnen(TAuswertungsStand& stand, const Auswertungskopie& kopie,
                         const Einstellungen& e,
                         const std::function<void(int)>& fortschritt = nullptr);

// The stand for one sow and one of her litters (`wurfInListe` indexes her own list), for one
// sow alone, and for the herd by boar or by selection; the filter texts are cut to 15.
void SauWurfWaehlen(TAuswertungsStand& stand, const Auswertungskopie& kopie, const Sau& sau,
                    int sauIndex, int wurfInListe);
void SauWaehlen(TAuswertungsStand& stand, int sauIndex);
void HerdeWaehlen(TAuswertungsStand& stand, TAuswertungsModus modus,
                  const TAuswertungsFilter& filter);
