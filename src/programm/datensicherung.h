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

// Once a day, before the first save: SAUWURF.DAT kept as "Sicherungen/SAUWURF-yyyy-mm-dd.DAT"
// (a hard link, as the save replaces the herd file by a new one; a copy where links are not
// possible); the newest `behalten` stay. Returns false when the copy failed.
bool TagesKopie(const QString& datenpfad, const QDate& heute, int behalten = 14);

} // namespace datensicherung
