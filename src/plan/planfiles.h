#pragma once

#include "planrecords.h"

#include <QtGlobal>
#include <vector>

class QIODevice;
class AppContext;

inline constexpr const char* kPlanZeitenDatei = "PLANZEIT.DAT";
inline constexpr const char* kPlanTypenDatei = "PLANTYPE.DAT";

struct PlanZeitenGelesen {
    TPlanZeiten zeiten;  // the first record; the defaults when it could not be read
    bool fehler = false; // fewer than 1950 bytes
};
PlanZeitenGelesen PlanZeitenLesen(QIODevice& dev);
bool PlanZeitenSchreiben(QIODevice& dev, const TPlanZeiten& zeiten);

struct PlanTypenGelesen {
    std::vector<TPlanTyp> typen; // converted to the 351-byte record when read in the old form
    bool altesFormat = false;
    bool fehler = false; // a record at the end was cut short; the whole ones before it stay
};
// `groesse` is the size of the file: a multiple of 251 (tested first, so also 0) means the
// older 251-byte records, anything else 351-byte records.
PlanTypenGelesen PlanTypenLesen(QIODevice& dev, qint64 groesse);
// Always the 351-byte records, in list order.
bool PlanTypenSchreiben(QIODevice& dev, const std::vector<TPlanTyp>& typen);

// Reads "PLANZEIT.DAT" into ctx.Planzeiten and sets ctx.Tragezeit from the farrowing task.
// A missing file leaves both as they are (the defaults at start-up). A short or unreadable
// file gives "Lesefehler in der Datei PLANZEIT.DAT" and changes nothing.
void PlanZeitenLaden(AppContext& ctx);
// Writes ctx.Planzeiten atomically; tells the user and returns false when that fails.
bool PlanZeitenSpeichern(AppContext& ctx);
// Replaces ctx.Plantypen by the records of "PLANTYPE.DAT"; a missing file leaves it empty.
void PlanTypenLaden(AppContext& ctx);
// Writes ctx.Plantypen atomically; tells the user and returns false when that fails.
bool PlanTypenSpeichern(AppContext& ctx);
