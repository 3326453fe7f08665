#pragma once

#include <QString>

class AppContext;

// The places the program looks at when it starts: where the settings live, where an older
// settings file may lie, and which data directory to use when the settings name none.
struct Startorte {
    QString konfigOrdner;        // per-user configuration folder, holds "PV.INI"
    QString arbeitsOrdner;       // working directory, may hold the older "PV.ini"
    QString programmOrdner;      // the program's own directory
    QString benutzerDatenOrdner; // per-user data folder, used when the program's is read-only
    QString datenpfadVorgabe;    // developer override of the data directory; empty when unset

    // The places of this run: the standard folders, the working directory and the
    // PORVANTA_DATENPFAD variable, read once.
    static Startorte ausSystem();
};

// Puts the settings files and the standard data directory into the context. Called once,
// before the main window reads the settings, by the program and by the tests alike.
void StartorteSetzen(AppContext& ctx, const Startorte& orte);
