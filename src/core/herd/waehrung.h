#pragma once

#include "herd/records.h"

#include <QString>
#include <array>

// Rates (units per Euro) and abbreviations of the five currencies, and the one amounts
// are shown in.
struct Waehrungstabelle {
    std::array<double, 5> kurs{1.0, 1.95583, 13.7603, 1.601, 1.0};
    std::array<QString, 5> kuerzel{QStringLiteral("E"), QStringLiteral("DM"), QStringLiteral("S"),
                                   QStringLiteral("Fr"), QString()};
    TWaehrung anzeige = DM;

    QString kuerzelVon(int w) const {
        return w >= 0 && w < 5 ? kuerzel[std::size_t(w)] : QString();
    }
};

// Amount x in currency c converted into the display currency.
double Umrechnen(const Waehrungstabelle& t, TWaehrung c, double x);
