#pragma once

#include "feed/futterrecords.h"

#include <QString>
#include <vector>

class QIODevice;

inline constexpr const char* kKomponentenDatei = "KOMPONEN.DAT";
inline constexpr const char* kMischungsDatei = "MISCHUNG.DAT";

// Whole records up to the end of the device; a record cut short or a read error ends the
// reading with what was read. `lesefehler`, when given, tells whether the device failed.
std::vector<TKomponentenRec> KomponentenLesen(QIODevice& dev, bool* lesefehler = nullptr);
std::vector<TMischungRec> MischungenLesen(QIODevice& dev, bool* lesefehler = nullptr);
// All records in list order; the reserved slot of a mix is written as zeros.
bool KomponentenSchreiben(QIODevice& dev, const std::vector<TKomponentenRec>& liste);
bool MischungenSchreiben(QIODevice& dev, const std::vector<TMischungRec>& liste);

// The files in the data directory `datenpfad`, found regardless of letter case. A missing or
// unreadable file reads as an empty list; a read failing on the way keeps what was read and
// sets `lesefehler`, when given.
std::vector<TKomponentenRec> KomponentenLaden(const QString& datenpfad, bool* lesefehler = nullptr);
std::vector<TMischungRec> MischungenLaden(const QString& datenpfad, bool* lesefehler = nullptr);
// "Fehler beim Lesen der Datei <name>!"
QString Lesefehler(const char* datei);
// Atomic rewrite; false when it failed (the previous file is left as it was).
// `grund`, when given, gets the system's reason of a failure.
bool KomponentenSpeichern(const QString& datenpfad, const std::vector<TKomponentenRec>& liste,
                          QString* grund = nullptr);
bool MischungenSpeichern(const QString& datenpfad, const std::vector<TMischungRec>& liste,
                         QString* grund = nullptr);
// "Die Datei <name> konnte nicht geschrieben werden!" with the full path and the reason.
QString Schreibfehler(const QString& datenpfad, const char* datei, const QString& grund);
