#pragma once

#include "feed/futterrecords.h"

#include <QString>
#include <array>

class Canvas;
class CsvWriter;
class Futtermix;

// A value as the feed windows show it: fixed decimals, decimal comma.
QString FutterZahl(double v, int nachkomma);

// Prints the mix on one landscape page of `c` in `schrift` at 12 points: the name, the
// heads, one line per entry with a share above 0 and the totals. `preisKopf` heads the
// price column.
void MischungDrucken(Canvas& c, const Futtermix& mix, const QString& schrift,
                     const QString& preisKopf);

// The mix as a table: the columns of the window, one line per entry, then the totals and the
// targets.
CsvWriter MischungAlsCsv(const Futtermix& mix, const QString& preisKopf);
