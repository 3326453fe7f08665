#pragma once

#include "austausch/csvleser.h"
#include "austausch/wurfspalten.h"
#include "herd/sauherde.h"

#include <QDate>
#include <QList>
#include <QString>
#include <vector>

class AppContext;
struct OffenePunkteVorgaben;

// Sows and litters from a spreadsheet: a dry run that says what would be added or changed and
// which lines cannot be taken, then one change of the herd.
namespace wurfimport {

// Per column of the file: the program's column it fills (index into the columns), or one of
// these.
constexpr int kNichtUebernehmen = -1; // chosen so by the farmer
constexpr int kUnbekannt = -2;        // a name the program does not know

// The export's names (up to a colon, case and blanks ignored) find their columns.
QList<int> Vorschlagen(const QStringList& kopf, const std::vector<wurfdaten::Spalte>& spalten);

struct Problem {
    int zeile = 0; // the file's line
    QString grund;
};

// One sow the import adds or changes, as she would be afterwards.
struct Aenderung {
    int herdenIndex = -1; // -1: a new sow
    Sau sau;
    int wuerfeNeu = 0, wuerfeGeaendert = 0;
    QString beschreibung() const;
};

struct Plan {
    std::vector<Aenderung> aenderungen;
    QList<Problem> probleme;
    QList<Problem> warnungen; // implausible values the lines bring; they are taken all the same
    int zeilen = 0;           // data lines read
    int uebernommen = 0;      // lines that can be taken
    bool ausfuehrbar() const { return !aenderungen.empty(); }
};

// The dry run over `t` (head first) with the columns as `zuordnung` maps them. The herd is only
// read. With `pruefung`, the litters and new sows the file brings are checked by the card's
// plausibility rules.
Plan Pruefen(const CsvTabelle& t, const QList<int>& zuordnung,
             const std::vector<wurfdaten::Spalte>& spalten, const Herde& herde, QDate heute,
             const OffenePunkteVorgaben* pruefung = nullptr);

// Carries the plan out: first a copy of the herd file as
// "Sicherungen/SAUWURF-vor-Import-yyyy-mm-dd-hhmmss.DAT", then the sows are replaced or added in
// one change, which is saved at once with EINZELSPEICHERUNG (else the herd is marked changed).
// False (the user told) when the copy or the save failed; without the copy nothing changes.
bool Ausfuehren(AppContext& ctx, const Plan& plan);

} // namespace wurfimport
