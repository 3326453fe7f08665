#pragma once

#include "herd/kurzdatum.h"
#include "herd/records.h"

#include <QString>
#include <functional>
#include <vector>

struct Terminnamen;

// The columns of the litter data file, defined once for the export and the import: each
// column names a field of the sow record or of the litter record, how it is written as text
// and how a text is read back into it.
namespace wurfdaten {

enum class Art {
    Text,      // at most `max` characters, Windows-1252
    Notiz,     // a multi-line note
    Datum,     // dd.mm.yyyy, a stored extra byte as "/n"
    Zahl,      // a whole number from `min` to `max`
    Gewicht,   // kg with a decimal comma, stored in grams
    Preis,     // a decimal number
    Ableitung, // written for the reader, never read back
};

// A field's text as the import read it: the text, and the date or number it holds.
struct Wert {
    QString text;
    TKurzDatum datum;
    double zahl = 0;
};

struct Spalte {
    QString name;
    bool sau = false; // a field of the sow (repeated on each of her lines), else of the litter
    Art art = Art::Text;
    int min = 0, max = 0;
    std::function<QString(const TSauRec&, const TWurfRec&)> text;
    // Stores a value read by the column's kind (none for Ableitung).
    std::function<void(TSauRec&, TWurfRec&, const Wert&)> setzen;
};

// Every column in file order; the task date columns carry the plan times' names.
std::vector<Spalte> Spalten(const Terminnamen& namen);

// The name a column is known by in an imported file: its name up to a colon, case and
// blanks ignored ("Wurftermin 1: Impfen" is known as "wurftermin 1").
QString Schluessel(const QString& name);

// A date as the file writes it: dd.mm.yyyy, "/n" for a stored extra byte; empty for none.
QString DatumText(TKurzDatum d);
// Reads dd.mm.yy or dd.mm.yyyy (with an optional "/n"); a two-digit year is the one nearest
// `heute` from 80 years back to 19 ahead. Days 1..31 and months 1..12 are taken even where the
// calendar has no such day (the herd may hold one); false when the text is no date.
bool DatumLesen(QStringView text, QDate heute, TKurzDatum& out);
// A number with a decimal comma (or point); false when the text is none.
bool ZahlLesen(QStringView text, double& out);

} // namespace wurfdaten
