#pragma once

#include "evaluation/berichtsdruck.h"
#include "evaluation/kennzahlen.h"
#include "herd/kurzdatum.h"
#include "herd/sauherde.h"

#include <QString>
#include <functional>
#include <vector>

class Canvas;
class CsvWriter;

// One sow in the register of animal movements. The names keep their stored characters and
// are read as text where a line is drawn or written.
struct TBewegung {
    Kurzname SauNr;
    TKurzDatum Zugang;
    TKurzDatum Abgang;
    Kurzname Herkunft;
    Kurzname Abnehmer;
    Kurzname TVG;
};

// Every sow of the herd, ascending by Zugang (no date first); on equal dates the sow later in
// the herd comes first.
std::vector<TBewegung> BewegungenBilden(const Herde& herde);

// Screen: the heads in a pane and one line (n from 0) at y of a list of `anzahl` lines; the
// columns move right as far as the largest running number needs. `grau(true)` is called
// before the running number, `grau(false)` after it.
void BewegungKopfZeichnen(Canvas& c, int anzahl);
void BewegungZeileZeichnen(Canvas& c, const TBewegung& b, int n, double y, int anzahl,
                           const std::function<void(bool)>& grau = {});

// Portrait pages of lines von..bis (from 1, clamped to the list) in `schrift` at 12 points,
// under two lines of heads. The origin column widens to its longest name as far as the
// buyers still fit the page. False when cancelled.
bool BewegungenDrucken(Canvas& c, const std::vector<TBewegung>& liste, int von, int bis,
                       const QString& schrift, const Druckfortschritt& fortschritt = {});

// All lines as a table: running number, the six fields, dates as dd.mm.yyyy.
CsvWriter BewegungenAlsCsv(const std::vector<TBewegung>& liste);
