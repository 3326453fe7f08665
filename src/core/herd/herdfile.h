#pragma once

#include "herd/sauherde.h"

#include <QDate>
#include <QStringList>
#include <functional>

class QIODevice;
class MessageService;

inline constexpr const char* kHerdeDatei = "SAUWURF.DAT";
inline constexpr const char* kHerdeSicherung = "SAUWURF.BAK";

struct HerdeGelesen {
    Herde herde;
    QStringList eberliste;
    int lesefehler = 0;
};

// Work on the whole herd done while it is read: `sau` gets each sow as soon as she and her
// litters are read and her state is worked out, with her index in the herd. The sows given
// stay where they are until the reading returns, or until `vorVerschieben` is called: the list
// is about to outgrow the room kept for the file's records (the file grew while it was read)
// and every sow given so far moves, or the reading fails and they go.
struct SauGelesen {
    std::function<void(const Sau& sau, int index)> sau;
    std::function<void()> vorVerschieben;
};

// Reads a herd file from `dev`: records, boar list, states and groups. Each record that
// cannot be read is reported once through `msg`.
HerdeGelesen HerdeLesen(QIODevice& dev, QDate heute, MessageService& msg,
                        const SauGelesen& gelesen = {});

// Writes the herd in file order. False when the device refused a byte.
bool HerdeSchreiben(QIODevice& dev, const Herde& herde);

// Sorts the boar usage as the loader does: ascending day count, equal counts by name
// ignoring case.
QStringList EberlisteOrdnen(const std::vector<std::pair<QString, int>>& nutzung);

// Recomputes Status and normalises Gruppe of a sow, of every sow.
void StatusNeuBerechnen(Sau& sau);
void StatusNeuBerechnen(Herde& herde);
