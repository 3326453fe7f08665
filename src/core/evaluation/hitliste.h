#pragma once

#include "evaluation/auswertung.h"
#include "evaluation/berichtsdruck.h"

#include <QString>
#include <array>
#include <functional>
#include <vector>

class Canvas;
class CsvWriter;

// One sow of the hit list: her index and its ingredients.
struct THitEintrag {
    Kurzname SauNr; // as stored, read as text where it is shown
    double Leistungsindex = 0;
    std::int32_t Wuerfe = 0;
    double GeboreneJahr = 0;
    double AbgesetzteJahr = 0;
    double AusfaelleProzent = 0;
    double AnomalienProzent = 0;
    double Umrauscher1Prozent = 0;
    double Umrauscher2Prozent = 0;
    double WeiblicheJahr = 0;
};

// The weighted index of a sow's sum; `gewichte` are INDEX1 .. INDEX7. Female piglets count
// only with `weibliche`.
double Leistungsindex(const TKennzahlenWerte& k, const std::array<int, 7>& gewichte,
                      bool weibliche);

// The entry of a sow's sum (the fields and the index).
THitEintrag HitEintrag(const Kurzname& sauNr, const TKennzahlen& k, const Einstellungen& e);

// Every sow of `kopie` with a weaned litter among those passing `filter`, by descending
// index; among equal indexes the sow later in the herd first. `fortschritt` gets each sow's
// index (may be empty).
std::vector<THitEintrag> HitlisteBilden(const Auswertungskopie& kopie,
                                        const TAuswertungsFilter& filter, const Einstellungen& e,
                                        const std::function<void(int)>& fortschritt = nullptr);

// Screen: the two head lines (h = text height) and entry n at y; with `weibliche` the
// columns from "1*Umr" on stand 60 pixels further right.
void HitKopfZeichnen(Canvas& c, bool weibliche);
void HitZeileZeichnen(Canvas& c, const THitEintrag& e, double y, bool weibliche);

// Portrait pages of entries von..bis (from 1) in `schrift` at 12 points: the title and
// the filter on the first page, "Seite: n" and the heads on every page. False when cancelled.
bool HitlisteDrucken(Canvas& c, const std::vector<THitEintrag>& liste, int von, int bis,
                     const QString& filtertext, bool weibliche, const QString& schrift,
                     const Druckfortschritt& fortschritt = {});

// The list as a table, the columns as shown.
CsvWriter HitlisteAlsCsv(const std::vector<THitEintrag>& liste, bool weibliche);
