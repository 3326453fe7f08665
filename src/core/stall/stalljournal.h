#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The journal of the bookings from the barn: one line per booking in a text file of the
// data directory (UTF-8), "dd.mm.yyyy HH:mm:ss; device; sow; litter; what changed".
namespace stalljournal {

inline constexpr const char* kDatei = "STALLBUCH.TXT";

QString Zeile(const QDateTime& zeit, const QString& geraet, const QString& sau, int wurf,
              const QString& was);

// Adds a line to the journal (the file is replaced atomically). False when that failed;
// `grund` gets the reason in German.
bool Anfuegen(const QString& datei, const QString& zeile, QString* grund = nullptr);

// The last `anzahl` lines, newest last.
QStringList Lesen(const QString& datei, int anzahl = 200);

} // namespace stalljournal
