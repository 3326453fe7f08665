#pragma once

#include "platform/seitenhelfer.h"

#include <QString>
#include <functional>

class Canvas;

// The lines von..bis (from 1) that a printout of `anzahl` lines covers: von at least 1, bis
// at most anzahl. von > bis is kept; such a printout is one page of heads.
struct Druckbereich {
    int von = 1;
    int bis = 0;
    static Druckbereich geklemmt(int von, int bis, int anzahl);
};

// Told after every printed page with the lines done so far; false cancels the printout.
using Druckfortschritt = std::function<bool(int erledigt, int gesamt)>;

// The line pitch of these lists: 1.2 text heights of the canvas's font before the printer
// font is set, rounded, at least 1.
int Druckzeilenhoehe(Canvas& c);

// The pages of a list printed by range: each page begins at y = 2 h with `kopf(y)`, which
// returns where its lines begin (y + h for one line of heads); then lines follow one pitch apart
// while they lie above the page height less three pitches; a page that has room for none still
// takes one, so every printout ends. Returns the y after the last line, or a negative value when
// `fortschritt` cancelled.
double ListeDrucken(Canvas& c, int h, Druckbereich b, const std::function<double(double y)>& kopf,
                    const std::function<void(int i, double y)>& zeile,
                    const Druckfortschritt& fortschritt = {});

// The pages of a numbered list whose first page begins lower (title and filter above): every
// page draws `kopf(seite, y)`, which returns where its lines begin; later pages begin at 3 h.
// Lines follow h apart while they lie above the page height less 3 h, at least one per page.
// False when `fortschritt` cancelled.
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

// The unit of a printout: the page width divided into `teile` parts, at least 1.
int Druckeinheit(const Canvas& c, int teile);
