#pragma once

#include "herd/einstellungen.h"
#include "herd/herdfile.h"
#include "programm/datenorte.h"
#include "programm/geaendertesauen.h"
#include "programm/herdzustand.h"
#include "programm/offenesauen.h"
#include "stamm/stammdaten.h"

#include <QDate>
#include <array>
#include <memory>

struct TAuswertungsFilter;
class Auswertungskopie;

class MessageService;
class Clock;

// The program-wide state, in parts that functions take on their own: the herd with its
// change count, the master data, the places of the files, the settings and the services
// (messages, clock). Owned by the main window; tests build their own on a temporary data
// directory.
class AppContext : public HerdZustand, public Stammdaten, public Datenorte {
public:
    AppContext(MessageService& messages, const Clock& clock);

    MessageService& messages() const { return *messages_; }
    const Clock& clock() const { return *clock_; }
    QDate heute() const;

    Einstellungen einstellungen;
    // The program keeps a copy of the herd file before the first save of each day.
    bool tagesKopie = false;
    // The evaluation filter last confirmed in this run; none before the first.
    std::shared_ptr<TAuswertungsFilter> auswertungsfilter;
    // The sows a card or a batch booking has open at the PC.
    OffeneSauen geoeffnet;
    // A working copy of the live herd the evaluations read (Herdenkopie) and the sows changed
    // since it was made: made on first use after a change, from the blocks of the sows that
    // did not change; dropped when sows come or go.
    struct Arbeitskopie {
        std::shared_ptr<const Auswertungskopie> kopie;
        std::unique_ptr<GeaenderteSauen> geaendert;
    };
    std::array<Arbeitskopie, 2> auswertungskopien;

private:
    MessageService* messages_;
    const Clock* clock_;
};

// Replaces the herd by the contents of the herd file in `verzeichnis`; `gelesen` gets each
// sow as she is read (herd/herdfile.h).
void HerdeLaden(HerdZustand& herde, const QString& verzeichnis, MessageService& msg, QDate heute,
                const SauGelesen& gelesen = {});
void HerdeLaden(AppContext& ctx, const SauGelesen& gelesen = {});
// Writes the whole herd atomically (keeping the previous file as backup when BACKUPDATEI is
// on) and clears Geaendert. On failure tells the user, leaves the file and Geaendert as they
// were and returns false.
bool HerdeSpeichern(AppContext& ctx);
// After a change to the herd: marks it changed and, with EINZELSPEICHERUNG on, saves it at
// once. Returns false only when that save failed (the user has been told).
bool AenderungFesthalten(AppContext& ctx);
// The same when only the records of the sow at `sau` changed.
bool AenderungFesthalten(AppContext& ctx, int sau);
// Reads the helper lists, the plan times (with the gestation length) and the plan types of the
// data directory; what a file does not give is the default.
void StammdatenLaden(AppContext& ctx);
// Reads everything of the data directory: those, then the herd.
void DatenLaden(AppContext& ctx);
