#pragma once

#include "platform/seitenlauf.h"

#include <QString>
#include <functional>

class Canvas;

// The line pitch of these lists: 1.2 text heights of the canvas's font before the printer
// font is set, rounded, at least 1.
inline int Druckzeilenhoehe(Canvas& c) {
    return Seitenlauf::zeilenhoeheVon(c, 1.2);
}

// The unit of a printout: the page width divided into `teile` parts, at least 1.
inline int Druckeinheit(const Canvas& c, int teile) {
    return Seitenlauf::einheitVon(c, teile);
}

// The pages of a list printed by range: each page begins at y = 2 h with `kopf(y)`, which
// returns where its lines begin (y + h for one line of heads); then the lines follow by the
// line rule of `Seitenlauf` with pitch h. Returns the y after the last line, or a negative
// value when `fortschritt` cancelled.
double ListeDrucken(Canvas& c, int h, Druckbereich b, const std::function<double(double y)>& kopf,
                    const std::function<void(int i, double y)>& zeile,
                    const Druckfortschritt& fortschritt = {});

// The pages of a numbered list whose first page begins lower (title and filter above): every
// page draws `kopf(seite, y)`, which returns where its lines begin; later pages begin at 3 h.
// The lines follow by the line rule of `Seitenlauf` with pitch h. False when `fortschritt`
// cancelled.
bool SeitenDrucken(Canvas& c, double h, double y, Druckbereich b,
                   const std::function<double(int seite, double y)>& kopf,
                   const std::function<void(int i, double y)>& zeile,
                   const Druckfortschritt& fortschritt = {});

// The running number n + 1 of a screen line, right-aligned to end at `xEnde`, drawn between
// `grau(true)` and `grau(false)` when `grau` is given.
void Laufnummer(Canvas& c, double xEnde, double y, int n, const std::function<void(bool)>& grau);

// How far a screen list whose running numbers end at x 25 moves its columns to the right, so
// that the number `anzahl` keeps every digit: 0 while it fits.
double LaufnummerVersatz(const Canvas& c, int anzahl);
