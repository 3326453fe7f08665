#pragma once

#include <array>

class Canvas;

// The loss counts per loss day 1..75 of the chart (index 0 is day 1).
using Ausfalltage = std::array<int, 75>;

// The measures of one painting of the loss-day chart.
struct AusfallMasse {
    int L = 0;       // left margin
    int B = 0;       // base line
    int c = 0;       // column width
    int M = 1;       // largest count, at least 1
    double f = 0;    // pixels per loss
    int schritt = 1; // count between two labels of the scale
};

// The step of the count labels: the text height in losses, rounded to 1, 2, 3 ... times a
// power of ten (ties to even).
int AusfallSchritt(double textHoehe, double f);

// Paints the chart "Übersicht Ausfallzeitpunkt" with red bars on a W x H surface that the
// caller has filled white.
AusfallMasse AusfallzeitpunktZeichnen(Canvas& c, const Ausfalltage& tage, int W, int H);

// The chart as a W x H window shows it, scaled to fill the page with its proportions kept:
// printer, preview, PDF and the report tool draw it this way.
void AusfallzeitpunktDrucken(Canvas& c, const Ausfalltage& tage, int W = 640, int H = 400);
