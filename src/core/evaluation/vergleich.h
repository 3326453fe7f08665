#pragma once

#include "evaluation/auswertung.h"
#include "evaluation/berichtsdruck.h"

#include <QStringList>
#include <functional>
#include <vector>

class Canvas;
class CsvWriter;

// What the comparison groups by.
enum Vergleichsart : std::uint8_t { vaEber = 1, vaHerkunft = 2, vaRasse = 3 };

// The groups in order of first appearance, each with its sum.
struct TVergleichsgruppen {
    std::vector<TKennzahlen> Gruppen;
    QStringList Gruppennamen;
};

// Sums every litter passing `filter` into the group of its key: the boar of its last mating
// in upper case (boar mode), or the sow's origin or breed as stored. A sow counts once, in
// the group of her first passing litter. `fortschritt` gets each sow's index.
TVergleichsgruppen VergleichBilden(const Auswertungskopie& kopie, const TAuswertungsFilter& filter,
                                   Vergleichsart art, const Einstellungen& e,
                                   const std::function<void(int)>& fortschritt = nullptr);

// One group as shown: the figures with the conditions they are drawn under.
struct TVergleichszeile {
    QString Name;
    QString Anzahl;             // "Sauen/Würfe", or the litters alone
    bool mitWerten = false;     // W > 0
    bool mitZeit = false;       // Z > 0
    bool mitBelegungen = false; // ErstBelegungen > 0
    bool mitGeborenen = false;  // Geborene > 0
    double WuerfeJahr = 0, GeboreneJahr = 0, AbgesetzteJahr = 0, WeiblicheJahr = 0;
    double Saeugetage = 0, Leertage = 0;
    double Umrauscher1 = 0, Umrauscher2 = 0, Anomalien = 0, Ausfaelle = 0;
};

std::vector<TVergleichszeile> VergleichZeilen(const TVergleichsgruppen& g, Vergleichsart art);

// "Eber", "Herkunfts" or "Rassen" + "vergleich  " + the filter text.
QString VergleichTitel(Vergleichsart art, const QString& filtertext);

// How far the columns after the name, and further those after the count, move right.
struct VergleichVersatz {
    double name = 0, anzahl = 0;
};

// The moves that leave `luecke` of room after the longest name (written at `nameX`) before
// the count at `anzahlX`, and after the widest count before the widest litters-per-year
// figure, which ends at `wertEnde`; 0 while everything fits.
VergleichVersatz VergleichVersaetze(const Canvas& c, const std::vector<TVergleichszeile>& zeilen,
                                    double nameX, double anzahlX, double wertEnde, double luecke);
// The same for the screen: names at 0, counts at 100, figures from 200, 4 pixels of room.
VergleichVersatz VergleichBildschirmVersatz(const Canvas& c,
                                            const std::vector<TVergleichszeile>& zeilen);

// Screen heads (h = text height) and group n at y, the columns moved by `v`; with
// `weibliche` the columns from the day columns on stand 60 pixels further right.
void VergleichKopfZeichnen(Canvas& c, Vergleichsart art, bool weibliche, const VergleichVersatz& v);
void VergleichZeileZeichnen(Canvas& c, const TVergleichszeile& z, double y, bool weibliche,
                            const VergleichVersatz& v);

// Landscape pages of groups von..bis (from 1) in `schrift` at 12 points; the columns after the
// name move right as far as the longest name needs and the page allows. False when cancelled.
bool VergleichDrucken(Canvas& c, const std::vector<TVergleichszeile>& zeilen, int von, int bis,
                      Vergleichsart art, const QString& filtertext, bool weibliche,
                      const QString& schrift, const Druckfortschritt& fortschritt = {});

CsvWriter VergleichAlsCsv(const std::vector<TVergleichszeile>& zeilen, Vergleichsart art,
                          bool weibliche);
