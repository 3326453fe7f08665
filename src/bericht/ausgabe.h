#pragma once

#include <QString>

class AppContext;
struct Befehlszeile;
struct Bericht;

// Reads the data directory as the program does at start: the settings (from --einstellungen
// or the per-user store), the herd, the helper lists and the plan files. Throws
// Berichtsfehler when the data directory cannot be read; a damaged file is told through the
// context's message service and what could be read stays.
void DatenLaden(AppContext& ctx, const Befehlszeile& b);

// Writes the report's pages as PDF, or its table as CSV, atomically: a failed write leaves
// no file behind. False when the file could not be written; `grund` then gets the system's
// reason.
bool PdfSchreiben(const Bericht& bericht, const QString& datei, QString* grund = nullptr);
bool CsvSchreiben(const Bericht& bericht, const QString& datei, QString* grund = nullptr);
