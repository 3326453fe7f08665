#pragma once

#include "entry/offenepunkte.h"
#include "herd/kurzdatum.h"
#include "herd/sauherde.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class AppContext;
struct Terminnamen;

// What batch booking does to the herd, free of widgets: one event with one date booked for
// many sows, the entry points it offers, and the litter numbering of the hidden view.
namespace sammelbuchung {

// Entry points 0..5; 6..9 are the sow dates, 10..17 the litter dates of the plan times.
enum Eingabepunkt {
    epStall = 0,
    epBelegen = 1,
    epTK1 = 2,
    epTK2 = 3,
    epAbsetzen = 4,
    epAbgang = 5,
};

// What the batch booking dialog hands over.
struct Buchung {
    int eingabepunkt = 0;
    QString stall;              // entry point 0
    TKurzDatum datum;           // every other entry point
    QString eber;               // the boar (1) or the buyer (5)
    int mal = 1;                // number of services (1); stored only above 1
    bool tragend = false;       // pregnancy checks (2, 3)
    double absetzgewichtKg = 0; // weaning (4); stored only above 0.01
};

// False when OK is to close as cancelled: no stall for entry point 0, no date for the others.
bool Vollstaendig(const Buchung& b);

// How a booking that does not fit the sow's state is refused, wherever it is booked.
QString NichtBelegtText(const QString& sauNr);
QString SaeugendText(const QString& sauNr);
QString KeinAbferkelnText(const QString& sauNr);

// Books the event for one sow. Returns the message for a sow that does not fit (nothing
// booked then), empty otherwise.
QString SauBuchen(Sau& sau, const Buchung& b);

// Books the event for every chosen sow in list order, telling each unfitting sow as an error;
// marks the herd changed. Returns the number of sows booked.
int SauenBuchen(AppContext& ctx, const std::vector<int>& sauen, const Buchung& b);

// The implausible values the booking would give the chosen sows, by the open points' rules:
// what a sow would have after it and not before. What is overdue and the date's own rules
// (calendar, future) are left out; the date field warns of those.
std::vector<plausibel::Befund> Befunde(const Herde& herde, const std::vector<int>& sauen,
                                       const Buchung& b, const OffenePunkteVorgaben& v);

// The warning for `befunde`: one line per finding with the sow's number, at most `zeilen` lines
// and how many more, then "Bitte prüfen.". Empty without findings.
QString Warnung(const Herde& herde, const std::vector<plausibel::Befund>& befunde, int zeilen = 8);

// Ends a batch: saved (true) or thrown away with every other unsaved change by reloading the
// herd file. False when the save failed (the user has been told; the herd stays changed).
bool Abschliessen(AppContext& ctx, bool speichern);

// The entry points of batch entry: the six fixed ones, the sow dates (slots 0..3) and the
// litter dates (slots 10..17), "-" for an empty slot; trailing empty litter dates are left
// out.
QStringList Eingabepunkte(const Terminnamen& namen);

// The state filters of the selection window for an entry point (Leer, Belegt, Tragend,
// Säugend, Verkauft, leer JS, umrauschen).
std::array<bool, 7> Filter(int eingabepunkt);

// A line of the litter numbering view: "S ", the sow's number padded to 17, " - W" and the
// number for each litter.
QString BaumZeile(const Sau& sau);

// A key of the litter numbering view: '+' raises the first litter's number, '-' lowers it
// (not below 1), '=' keeps it; then the litters are numbered on from it. True when a litter
// number changed.
bool BaumTaste(Sau& sau, QChar taste);

} // namespace sammelbuchung
