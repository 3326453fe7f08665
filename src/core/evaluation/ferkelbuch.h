#pragma once

#include "evaluation/berichtsdruck.h"
#include "herd/kurzdatum.h"
#include "herd/sauherde.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class Canvas;
class CsvWriter;

// One line of the piglet day book: the piglets born, lost or weaned on a day. A line counts
// one kind of event.
struct TAbgangTag {
    TKurzDatum Datum;
    std::int32_t Geboren = 0;
    std::int32_t Verlust = 0;
    std::int32_t Abgesetzt = 0;
};

enum class Ferkelereignis { Geburt, Verlust, Absetzen };

// The count of kind `art` in a line.
inline std::int32_t& Anzahl(TAbgangTag& t, Ferkelereignis art) {
    return art == Ferkelereignis::Geburt    ? t.Geboren
           : art == Ferkelereignis::Verlust ? t.Verlust
                                            : t.Abgesetzt;
}

// The day book being built: ascending dates; on one date at most one line per kind with a
// count, in the order the kinds first came. An index by date finds the place at once.
class Ferkelbuch {
public:
    // Room for the lines of `wuerfe` litters (a birth, a weaning and a few loss days each), so
    // that the book is not moved while it grows.
    void Reservieren(std::size_t wuerfe);
    void Hinzufuegen(TKurzDatum d, Ferkelereignis art, int n);
    // The lines in order, and the stock: born less weaned less lost over all lines.
    std::vector<TAbgangTag> Tage() const;

private:
    // A line with the next line of its day (-1 after the last).
    struct Zeile {
        TAbgangTag werte;
        int naechste = -1;
    };
    struct Tag {
        int erste = -1, letzte = -1; // the day's lines, linked in the order they came
        // Per kind the first line that may still hold a count of it (-1: past the last): a
        // line without a count of a kind never gets one, so this only moves on.
        int ersteJeArt[3] = {-1, -1, -1};
    };
    Tag& tag(TKurzDatum d);
    void tagesZeilen(const Tag& t, std::vector<TAbgangTag>& aus) const;

    std::vector<Zeile> zeilen_;
    // Each date key's day, by the year, month and day the key reads as: a table of months and
    // days for each year met; keys outside the tables (from damaged dates) in `andere_`.
    std::array<std::unique_ptr<std::array<Tag, 16 * 32>>, 256> jahre_;
    std::map<int, Tag> andere_;
};

struct Ferkelliste {
    std::vector<TAbgangTag> Tage;
    std::int32_t Bestand = 0;
};

// Births, losses and weaning of every farrowed litter with piglets born alive.
Ferkelliste FerkelbuchBilden(const Herde& herde);

// Screen: the heads, one line (n from 0) at y, and "Bestand" at y, of a list of `anzahl`
// lines; the columns move right as far as the largest running number needs.
void FerkelKopfZeichnen(Canvas& c, int anzahl);
void FerkelZeileZeichnen(Canvas& c, const TAbgangTag& t, int n, double y, int anzahl,
                         const std::function<void(bool)>& grau = {});
void FerkelBestandZeichnen(Canvas& c, std::int32_t bestand, double y, int anzahl);

// Portrait pages of lines von..bis (from 1, clamped to the list) in `schrift` at 10 points,
// then the stock. False when cancelled.
bool FerkelbuchDrucken(Canvas& c, const Ferkelliste& liste, int von, int bis,
                       const QString& schrift, const Druckfortschritt& fortschritt = {});

// All lines as a table, then the stock.
CsvWriter FerkelbuchAlsCsv(const Ferkelliste& liste);
