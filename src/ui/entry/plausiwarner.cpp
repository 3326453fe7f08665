#include "entry/plausiwarner.h"

#include "controls/tdate_ed.h"
#include "platform/messages.h"
#include "programm/appcontext.h"

plausibel::Befund Befund(plausibel::Art art, int wert, int wert2, TKurzDatum datum) {
    plausibel::Befund b;
    b.art = art;
    b.wert = wert;
    b.wert2 = wert2;
    b.datum = datum;
    return b;
}

const PruefGrenzen& PlausiWarner::grenzen() const {
    return ctx_.einstellungen.pruefung;
}

bool PlausiWarner::pruefen(const QWidget* feld, const QString& wert,
                           const std::optional<plausibel::Befund>& befund) {
    return pruefen(feld, wert, befund ? plausibel::Warnung(*befund) : QString());
}

bool PlausiWarner::pruefen(const QWidget* feld, const QString& wert, const QString& warnung) {
    const auto it = gesehen_.constFind(feld);
    if (it != gesehen_.cend() && *it == wert) return false;
    gesehen_.insert(feld, wert);
    if (warnung.isEmpty() || !grenzen().warnen) return false;
    ctx_.messages().warning(warnung);
    return true;
}

bool PlausiWarner::datumPruefen(const tdate_ed* feld,
                                const std::optional<plausibel::Befund>& weiter) {
    const TKurzDatum d = feld->Getdatum();
    std::optional<plausibel::Befund> befund = weiter;
    if (const auto art = plausibel::Datum(d, TKurzDatum::aus(ctx_.heute()), grenzen()))
        befund = Befund(*art, 0, 0, d);
    return pruefen(feld, feld->text(), befund);
}
