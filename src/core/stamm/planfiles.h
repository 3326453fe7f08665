#pragma once

#include "stamm/planrecords.h"

#include <QtGlobal>
#include <optional>
#include <vector>

class QIODevice;
class QString;
class MessageService;

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

// The plan times of "PLANZEIT.DAT" in `verzeichnis`. Nothing when the file is missing; nothing
// and "Lesefehler in der Datei PLANZEIT.DAT" when it is short or unreadable.
std::optional<TPlanZeiten> PlanZeitenLaden(const QString& verzeichnis, MessageService& msg);
// Writes the plan times atomically; tells the user and returns false when that fails.
bool PlanZeitenSpeichern(const TPlanZeiten& zeiten, const QString& verzeichnis,
                         MessageService& msg);
// The records of "PLANTYPE.DAT"; none when the file is missing.
std::vector<TPlanTyp> PlanTypenLaden(const QString& verzeichnis, MessageService& msg);
// Writes the plan types atomically; tells the user and returns false when that fails.
bool PlanTypenSpeichern(const std::vector<TPlanTyp>& typen, const QString& verzeichnis,
                        MessageService& msg);
