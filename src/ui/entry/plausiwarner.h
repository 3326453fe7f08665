#pragma once

#include "entry/plausibel.h"

#include <QHash>
#include <QString>
#include <optional>

class AppContext;
class QWidget;
class tdate_ed;

// The warnings of the entry windows: when a field is left with a value that breaks a
// plausibility rule, a warning (the value stays), once per entered value and never for the
// value the field was filled with. The setting "Warnungen bei der Eingabe" turns them off.
class PlausiWarner {
public:
    explicit PlausiWarner(AppContext& ctx) : ctx_(ctx) {}

    // The value the field holds now was not typed: no warning while it stays.
    void merken(const QWidget* feld, const QString& wert) { gesehen_.insert(feld, wert); }
    // Warns when `wert` is new for the field and `befund` holds a finding. True when warned.
    bool pruefen(const QWidget* feld, const QString& wert,
                 const std::optional<plausibel::Befund>& befund);
    // The same with the warning's text already made; empty when nothing is wrong.
    bool pruefen(const QWidget* feld, const QString& wert, const QString& warnung);
    // The date rules (calendar, future) on a date field, else `weiter` when given.
    bool datumPruefen(const tdate_ed* feld,
                      const std::optional<plausibel::Befund>& weiter = std::nullopt);

    const PruefGrenzen& grenzen() const;

private:
    AppContext& ctx_;
    QHash<const QWidget*, QString> gesehen_;
};

// A finding of `art` with its values, for a warning.
plausibel::Befund Befund(plausibel::Art art, int wert = 0, int wert2 = 0, TKurzDatum datum = {});
