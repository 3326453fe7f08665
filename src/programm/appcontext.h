#pragma once

#include "herd/einstellungen.h"
#include "herd/sauherde.h"
#include "plan/planrecords.h"

#include <QDate>
#include <QStringList>
#include <array>
#include <vector>

class MessageService;
class Clock;

// The program-wide state: the herd, its boar list and changed flag, the helper lists, the
// settings, the data directory and the gestation length. Owned by the main window; tests
// build their own on a temporary data directory.
class AppContext {
public:
    AppContext(MessageService& messages, const Clock& clock);

    MessageService& messages() const { return *messages_; }
    const Clock& clock() const { return *clock_; }
    QDate heute() const;

    Herde Sauenliste;
    QStringList Eberliste;
    bool Geaendert = false;
    std::array<QStringList, 7> Hilfslisten;
    Einstellungen einstellungen;
    QString Datenpfad; // ends in a separator; empty means the working directory
    int Tragezeit = 113;
    TPlanZeiten Planzeiten = PlanZeitenStandard(); // the program-wide plan times
    std::vector<TPlanTyp> Plantypen;

    // Where the settings come from: the per-user store, the older text file (read instead of
    // the store when it exists) and the data directory when the store names none.
    QString einstellungsDatei;
    QString alteEinstellungsDatei;
    QString standardDatenpfad;
    QString datenpfadVorgabe; // a developer's data directory, wins over the settings
    // The program keeps a copy of the herd file before the first save of each day.
    bool tagesKopie = false;

    QString datei(const QString& name) const; // a data file, found regardless of case

private:
    MessageService* messages_;
    const Clock* clock_;
};

// Replaces the herd by the herd file's contents and clears Geaendert.
void HerdeLaden(AppContext& ctx);
// Writes the whole herd atomically (keeping the previous file as backup when BACKUPDATEI is
// on) and clears Geaendert. On failure tells the user, leaves the file and Geaendert as they
// were and returns false.
bool HerdeSpeichern(AppContext& ctx);
// After a change to the herd: marks it changed and, with EINZELSPEICHERUNG on, saves it at
// once. Returns false only when that save failed (the user has been told).
bool AenderungFesthalten(AppContext& ctx);
