#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class AppContext;

// Backup and restore of the data files, without widgets: which files are offered, in which
// order, which are preselected, and the verified copy.
namespace datensicherung {

inline constexpr const char* kStandardDatum = "01.01.1985 00:00";
// "LASTBACKUP" when the settings store names none.
inline constexpr const char* kStoreDatum = "01.01.2010";

// "dd.mm.yyyy hh:mm" (the time may be missing); false when the text is no valid date.
bool DatumLesen(const QString& text, QDateTime& out);
QString DatumText(const QDateTime& zeit);

// The four characters before the first "." begin with "1" or "2" and end with a digit.
bool JahrGestempelt(const QString& name);

struct Eintrag {
    QString name;
    QDateTime geaendert;
};

// Appends `neu`; in the backup direction a year-stamped name is placed among the others.
void EintragEinfuegen(std::vector<Eintrag>& liste, const Eintrag& neu, bool sicherung);

struct Dateiliste {
    std::vector<Eintrag> eintraege;
    std::vector<bool> gewaehlt; // one per entry
};

// The files of `verzeichnis` in list order. `einstellungen` is the settings file offered as
// "PV.INI" when the masks name it (empty: not offered).
Dateiliste DateienSammeln(const QString& verzeichnis, const QStringList& masken, bool sicherung,
                          const QDateTime& letzteSicherung, const QString& einstellungen = {});

// Copies `von` to `nach` through a temporary file and rename, then reads the copy back and
// compares size and checksum. `weiter` gets the bytes copied so far and may stop the copy;
// a stopped or failed copy leaves `nach` as it was. `fehler` gets a German message.
bool DateiKopieren(const QString& von, const QString& nach, QString& fehler,
                   const std::function<bool(qint64)>& weiter = {});

// The folder "Vor Rücksicherung yyyy-mm-dd hh-mm" in `datenpfad`, which receives a copy of
// each of `dateien` (full paths) that exists. Returns the folder, empty on failure.
QString VorherigeAufheben(const QString& datenpfad, const QStringList& dateien,
                          const QDateTime& jetzt, QString& fehler);

// The removable media mounted for the user, in name order (full paths with separator).
QStringList Wechselmedien(const QStringList& wurzeln = {});

// Where a file of the list lives in a directory: "PV.INI" is the settings file on the
// program's side, every other name is looked up regardless of case.
QString Quelle(const QString& verzeichnis, const QString& name, const QString& einstellungen);

// The settings, helper lists, plan files and herd again from the data directory (keeping
// the data directory itself), after their files were replaced.
void NeuLaden(AppContext& ctx);

// "LASTBACKUP" as the settings give it when no backup was ever made (never written, the
// store's default, or reset after an invalid text).
bool NieGesichert(const QString& letzteSicherung);
// What the window shows for the last backup: the date, or "noch nie gesichert".
QString LetzteSicherungText(const QString& letzteSicherung);

// The main window's note on the last backup; `warnen` after more than seven days or when no
// backup was ever made.
struct Hinweis {
    QString text;
    bool warnen = false;
};
Hinweis SicherungsHinweis(const QString& letzteSicherung, const QDate& heute);

// The target the window starts with: the one of the settings when it is there ("A:" and
// "B:" only with a medium inserted), else the folder `standardOrdner`.
struct Zielwahl {
    int item = 2; // 0 "A:", 1 "B:", 2 the folder
    QString ordner;
};
Zielwahl ZielVorschlagen(const QString& ziel, int medien, const QString& standardOrdner);
// The folder offered when no target has worked yet.
QString StandardOrdner();

// Gets the bytes copied so far and the total; false stops the copy.
using Fortschritt = std::function<bool(qint64 fertig, qint64 gesamt)>;

struct Ergebnis {
    bool ok = false;
    int dateien = 0;    // copied
    QString meldung;    // what was copied where, or what failed
    QString aufgehoben; // restore: the folder with the files as they were before
};

// Backup: copies `namen` in order from the data directory `datenpfad` (the settings file
// `einstellungen` stands for "PV.INI") into `ziel`, which is created when missing.
Ergebnis Sichern(const QString& datenpfad, const QString& einstellungen, const QStringList& namen,
                 const QString& ziel, const Fortschritt& weiter = {});
// Restore: keeps the files about to be replaced in "Vor Rücksicherung ..." (nothing is
// copied when that fails), then copies `namen` from `quelle` into the data directory.
Ergebnis Zuruecksichern(const QString& datenpfad, const QString& einstellungen,
                        const QStringList& namen, const QString& quelle, const QDateTime& jetzt,
                        const Fortschritt& weiter = {});

// Once a day, before the first save: SAUWURF.DAT kept as "Sicherungen/SAUWURF-yyyy-mm-dd.DAT"
// (a hard link, as the save replaces the herd file by a new one; a copy where links are not
// possible); the newest `behalten` stay. Returns false when the copy failed.
bool TagesKopie(const QString& datenpfad, const QDate& heute, int behalten = 14);

} // namespace datensicherung
