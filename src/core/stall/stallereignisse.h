#pragma once

#include "entry/plausibel.h"
#include "herd/records.h"
#include "programm/appcontext.h"
#include "stall/stallbuchung.h"

#include <QStringList>
#include <vector>

// The events a booking from the barn makes, each worked out on copies of the sow's records
// as the card holds them: the card's date checks give the refusal, the plausibility rules the
// warnings to confirm.
namespace stallbuchung {

// A booking worked out on copies of the sow's records.
struct Arbeit {
    const AppContext& ctx;
    TSauRec rec;
    std::vector<TWurfRec> w;
    QStringList warnungen;
    QString aenderung;
    int wurf = -1; // the litter booked into (position in w)

    const PruefGrenzen& g() const { return ctx.einstellungen.pruefung; }
    QString nr() const { return rec.SauNr(); }
    // A plausibility finding, shown when the entry warnings are on.
    void warnen(std::optional<plausibel::Art> art, int wert = 0, int wert2 = 0, TKurzDatum d = {}) {
        if (!art || !g().warnen) return;
        plausibel::Befund b;
        b.art = *art;
        b.wert = wert;
        b.wert2 = wert2;
        b.datum = d;
        warnungen << plausibel::Warnung(b);
    }
    void datumWarnen(TKurzDatum d) {
        warnen(plausibel::Datum(d, TKurzDatum::aus(ctx.heute()), g()), 0, 0, d);
    }
};

// Applies `e` to the copies; the refusal's message, empty when it fits.
QString Anwenden(Arbeit& a, const Eingabe& e);

} // namespace stallbuchung
