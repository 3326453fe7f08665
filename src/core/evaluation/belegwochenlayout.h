#pragma once

#include "evaluation/belegwochen.h"
#include "evaluation/berichtsdruck.h"

#include <QString>
#include <vector>

class Canvas;
class CsvWriter;

// The warning colour of a figure below its target.
inline constexpr std::uint32_t kWarnfarbe = 0xC00000;

// One column of the service-group list: its two head lines, its width in digit widths, its
// alignment and, for the table, its unit.
struct BelegwochenSpalte {
    QString kopf1, kopf2;
    double breite = 8;
    bool rechts = true;
    QString einheit;      // written in a column of its own in the table
    bool bereich = false; // a range of dates: two date columns in the table
};

// One cell as shown, with what the table writes.
struct BelegwochenZelle {
    QString text;
    bool warnung = false;
    bool zahl = false; // `wert` with `stellen` decimals; otherwise `text` (or the range)
    double wert = 0;
    int stellen = 0;
    TKurzDatum von, bis; // a range column
};

// The columns, defined once for screen, paper and table.
const std::vector<BelegwochenSpalte>& BelegwochenSpalten();
// The cells of a group in column order; figures below their target are marked.
std::vector<BelegwochenZelle> BelegwochenZellen(const TBelegwoche& g, const Belegwochenziele& z);

// Where the columns begin with a digit width `ziffer`, from x0; the last entry is the end.
std::vector<double> BelegwochenKanten(double ziffer, double x0);

// The two head lines at y and a group's line at y (columns from `kanten`).
void BelegwochenKopfZeichnen(Canvas& c, const std::vector<double>& kanten, double y, double h);
void BelegwochenZeileZeichnen(Canvas& c, const std::vector<double>& kanten, double y,
                              const TBelegwoche& g, const Belegwochenziele& z);

// Landscape pages: title and filter on the first, "Seite: n" and the heads on every page, the
// groups von..bis (from 1), then the chart of `diagramm` on the last page. False when
// cancelled.
bool BelegwochenDrucken(Canvas& c, const std::vector<TBelegwoche>& gruppen, int von, int bis,
                        const QString& filtertext, const Belegwochenziele& z, int diagramm,
                        const QString& schrift, const Druckfortschritt& fortschritt = {});

// One line per group, the columns as shown, numbers and units in separate columns.
CsvWriter BelegwochenAlsCsv(const std::vector<TBelegwoche>& gruppen, const Belegwochenziele& z);
