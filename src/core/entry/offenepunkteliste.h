#pragma once

#include "entry/offenepunkte.h"
#include "evaluation/berichtsdruck.h"

#include <QString>
#include <functional>
#include <vector>

class Canvas;
class CsvWriter;

// The open points as a list: screen lines, portrait pages and a table, from one column table.
namespace offenepunkte {

// "überfällig" or "unplausibel".
QString ArtText(const plausibel::Befund& b);
// What is wrong; a date rule names its field first ("Abferkeln: Das Datum liegt ...").
QString BefundText(const plausibel::Befund& b);
QString WurfText(const Herde& herde, const plausibel::Befund& b); // litter number, or empty
// The limits the list was judged by, for its head.
QString GrenzenText(const OffenePunkteVorgaben& v);

void KopfZeichnen(Canvas& c, int anzahl);
void ZeileZeichnen(Canvas& c, const Herde& herde, const plausibel::Befund& b, int n, double y,
                   int anzahl, const std::function<void(bool)>& grau = {});

// Portrait pages of lines von..bis (from 1) under the title, the limits and the heads.
bool Drucken(Canvas& c, const Herde& herde, const std::vector<plausibel::Befund>& liste, int von,
             int bis, const QString& schrift, const QString& grenzen,
             const Druckfortschritt& fortschritt = {});

// Every line: Nr., Sau, Wurf, Art, Befund, Datum.
CsvWriter AlsCsv(const Herde& herde, const std::vector<plausibel::Befund>& liste);

} // namespace offenepunkte
