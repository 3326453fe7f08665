#pragma once

#include "evaluation/kennzahlzeilen.h"

class Canvas;

// Where the figures pane placed its buttons and how tall it needs to be (pixels).
struct KennzahlPane {
    int anomalienY = -1; // the "Anomalitäten" row, -1 when not shown
    int ausfaelleY = -1; // the "Ausfälle" row
    int zeitpunktY = -1; // the row below "Ausfälle"
    int hoehe = 0;       // bottom of the last row
};

// Line height of the panes: text height of "Mg" x 1.25, rounded.
int Zeilenhoehe(const Canvas& c);

// The header pane: who or what is evaluated, and the column heads.
void KopfZeichnen(Canvas& c, const TAuswertungsStand& st, const Auswertungskopie& kopie, int h);

// The figure rows of the screen at the pixel columns of the pane.
KennzahlPane KennzahlenZeichnen(Canvas& c, const std::vector<KennzahlZeile>& zeilen,
                                TAuswertungsModus modus, int h);

// The number shown after "Wurf": the evaluated litter's number, or, for a litter left out of
// the working copy, its own number in the herd.
int AngezeigteWurfNr(const TAuswertungsStand& st, const Auswertungskopie& kopie);

// The printout: one portrait page (a long litter table goes on with its heads repeated).
void AuswertungDrucken(Canvas& c, const TAuswertungsStand& st, const Auswertungskopie& kopie,
                       const Einstellungen& e);

// The figures as CSV (label; mittel; gesamt; je Wurf) and, in "Sau" mode, the litter table:
// semicolons, UTF-8 with BOM, decimal comma.
QByteArray AuswertungCsv(const TAuswertungsStand& st, const Auswertungskopie& kopie,
                         const Einstellungen& e);

extern const char* const kNichtAusgewertet;
