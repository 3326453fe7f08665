#pragma once

#include "evaluation/belegwochen.h"

#include <QString>
#include <vector>

class Canvas;

// What the bars of the service-group chart show.
enum Belegwochenwert : int { bwAbferkelrate = 0, bwLebend = 1, bwAbgesetzt = 2 };

// "Abferkelrate %", "lebend geboren je Wurf", "abgesetzt je Wurf".
QString BelegwochenwertName(int wert);

// One bar: the group's figure, whether it has one (an open group's rate has none) and whether
// it lies below its target.
struct Belegwochenbalken {
    QString name;
    bool hatWert = false;
    double wert = 0;
    bool unterZiel = false;
};

// The bars oldest group first, and the target the chart draws as a line.
std::vector<Belegwochenbalken> BelegwochenBalken(const std::vector<TBelegwoche>& gruppen, int wert,
                                                 const Belegwochenziele& z);
double BelegwochenZiel(int wert, const Belegwochenziele& z);

// Paints the chart into the rectangle x, y, w, h of the canvas: title, scale, one bar per group
// (below-target bars in the warning colour), the target as a line, group names under the bars
// as far as they have room.
void BelegwochenChartZeichnen(Canvas& c, const std::vector<TBelegwoche>& gruppen, int wert,
                              const Belegwochenziele& z, double x, double y, double w, double h);
