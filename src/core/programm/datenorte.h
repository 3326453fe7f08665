#pragma once

#include <QString>

// Where the program's files are: the data directory, the settings store, an older settings
// file (read instead of the store when it exists) and the data directory used when the
// settings name none.
struct Datenorte {
    QString Datenpfad; // ends in a separator; empty means the working directory
    QString einstellungsDatei;
    QString alteEinstellungsDatei;
    QString standardDatenpfad;
    QString datenpfadVorgabe; // a developer's data directory, wins over the settings

    QString datei(const QString& name) const; // a data file, found regardless of case
};
