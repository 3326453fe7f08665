#pragma once

#include "herd/einstellungen.h"

#include <QString>

class IniDatei;

// Reading and writing the settings: the per-user store "PV.INI" and the older text file
// "PV.ini" in the working directory, which wins when present and is never written.
namespace einstellungen {

inline constexpr const char* kStoreName = "PV.INI";
inline constexpr const char* kAlteDatei = "PV.ini";

// Fills `e` and `datenpfad` from the store (values missing there get their defaults).
// `standardPfad` is the data directory when the store names none.
void ausStore(const IniDatei& store, Einstellungen& e, QString& datenpfad,
              const QString& standardPfad);
// Puts every setting except the data directory into the store.
void inStore(const Einstellungen& e, IniDatei& store);
// Reads the older text file; settings it does not name keep their values.
void ausAlterDatei(const QString& text, Einstellungen& e);

enum class Quelle { Store, AlteDatei };
// Stores the data directory alone.
bool pfadSchreiben(const QString& storeDatei, const QString& datenpfad);

} // namespace einstellungen

// The whole start-up reading: the older file `alteDatei` when it exists (the data directory
// then stays empty, meaning the working directory), else the store file.
einstellungen::Quelle EinstellungenLesen(const QString& storeDatei, const QString& alteDatei,
                                         Einstellungen& e, QString& datenpfad,
                                         const QString& standardPfad);
// Writes every setting except the data directory; keeps other keys of the store.
bool EinstellungenSchreiben(const QString& storeDatei, const Einstellungen& e);
