#pragma once

#include "herd/kurzdatum.h"
#include "herd/pruefgrenzen.h"
#include "herd/records.h"
#include "herd/saustatus.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

// The plausibility rules of the herd book: what is implausible in a sow's or litter's values
// and which points are overdue. The open points list, the overview and the warnings of the
// entry windows all ask these functions.
namespace plausibel {

// The card field a point is fixed in; its control carries the name `FeldName` gives.
enum class Feld : std::uint8_t {
    Keins, // the litter page itself
    Zugang,
    Abgang,
    Belegen1,
    Belegen2,
    Belegen3,
    TK1,
    TK2,
    Abferkeln,
    Absetzen,
    Geborene,
    Todgeboren,
    Gelten,
    Ausfall,
};
QString FeldName(Feld f);  // the control's objectName ("Belegen1", "tkdatum1", ...)
QString FeldTitel(Feld f); // how the list names the field ("1. Belegen", "Abferkeln", ...)

enum class Art : std::uint8_t {
    // implausible values
    Zukunft,
    KeinKalendertag,
    ZuVieleLebende,
    ZuVieleTote,
    ZuVieleWeibliche,
    ZuVieleVerluste,
    VerlustNachAbsetzen,
    TragezeitKurz,
    TragezeitLang,
    AbsetzenVorAbferkeln,
    BelegenNachAbsetzen,
    WurfNrDoppelt,
    // overdue points
    AbferkelnUeberfaellig,
    TKUeberfaellig,
    AbsetzenUeberfaellig,
    OhneEreignis,
};
bool Ueberfaellig(Art a);

// One point: the sow (index in the herd), her litter (position in her list, -1 for the sow
// herself), what is wrong, the field to fix, the date it refers to and the values the text
// names.
struct Befund {
    int sau = -1;
    int wurf = -1;
    Art art = Art::Zukunft;
    Feld feld = Feld::Keins;
    TKurzDatum datum;
    int wert = 0;
    int wert2 = 0;
};

// What is wrong, in plain German ("45 lebend geborene Ferkel?").
QString Text(const Befund& b);
// The warning of an entry window: the text and " Bitte prüfen.".
QString Warnung(const Befund& b);

// The rules on single values; each returns true when the value breaks it. Inline: the open
// points ask them for every date of every litter.
inline bool ZuVieleLebende(int lebend, const PruefGrenzen& g) {
    return lebend > g.maxLebend;
}
inline bool ZuVieleTote(int tot, const PruefGrenzen& g) {
    return tot > g.maxTot;
}
inline bool ZuVieleWeibliche(int weibliche, int lebend) {
    return weibliche > lebend;
}
// Losses that leave fewer than no piglets to wean.
inline bool ZuVieleVerluste(int lebend, int ausgleich, int verluste) {
    return verluste > 0 && AbgesetzteFerkel(lebend, 0, verluste, ausgleich) < 0;
}
// A loss on a day of life after the weaning day.
inline bool VerlustNachAbsetzen(int verlusttag, Tagdatum abferkeln, Tagdatum absetzen) {
    if (verlusttag <= 0 || !abferkeln.vorhanden() || !absetzen.vorhanden()) return false;
    return verlusttag > TageZwischen(abferkeln, absetzen);
}
// Gestation from the mating to the farrowing: too short, too long or nothing (both present).
inline std::optional<Art> Tragezeit(Tagdatum belegen, Tagdatum abferkeln, const PruefGrenzen& g) {
    if (!belegen.vorhanden() || !abferkeln.vorhanden()) return std::nullopt;
    const int tage = TageZwischen(belegen, abferkeln);
    if (tage < g.minTragezeit) return Art::TragezeitKurz;
    if (tage > g.maxTragezeit) return Art::TragezeitLang;
    return std::nullopt;
}
inline bool AbsetzenVorAbferkeln(Tagdatum abferkeln, Tagdatum absetzen) {
    return abferkeln.vorhanden() && absetzen.vorhanden() && TageZwischen(abferkeln, absetzen) < 0;
}
inline bool BelegenZuFrueh(Tagdatum vorherigesAbsetzen, Tagdatum belegen, const PruefGrenzen& g) {
    return vorherigesAbsetzen.vorhanden() && belegen.vorhanden() &&
           TageZwischen(vorherigesAbsetzen, belegen) < g.minBelegenNachAbsetzen;
}
// A present date that does not exist, or lies more than the allowed days after today. A
// calendar date not after today is no day after it, so only later dates are counted in days.
inline std::optional<Art> Datum(TKurzDatum d, Tagdatum heute, const PruefGrenzen& g) {
    if (!d.vorhanden()) return std::nullopt;
    if (!DatumImKalender(d)) return Art::KeinKalendertag;
    if (g.zukunftTage >= 0 && !DatumVor(heute.datum, d)) return std::nullopt;
    if (TageZwischen(heute, Tagdatum(d)) > g.zukunftTage) return Art::Zukunft;
    return std::nullopt;
}

} // namespace plausibel
