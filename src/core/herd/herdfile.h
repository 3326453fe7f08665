#pragma once

#include "herd/sauherde.h"

#include <QDate>
#include <QStringList>

class QIODevice;
class MessageService;

inline constexpr const char* kHerdeDatei = "SAUWURF.DAT";
inline constexpr const char* kHerdeSicherung = "SAUWURF.BAK";

struct HerdeGelesen {
    Herde herde;
    QStringList eberliste;
    int lesefehler = 0;
};

// Reads a herd file from `dev`: records, boar list, states and groups. Each record that
// cannot be read is reported once through `msg`.
HerdeGelesen HerdeLesen(QIODevice& dev, QDate heute, MessageService& msg);

// Writes the herd in file order. False when the device refused a byte.
bool HerdeSchreiben(QIODevice& dev, const Herde& herde);

// Sorts the boar usage as the loader does: ascending day count, equal counts by name
// ignoring case.
QStringList EberlisteOrdnen(const std::vector<std::pair<QString, int>>& nutzung);

// Recomputes Status and normalises Gruppe of a sow, of every sow.
void StatusNeuBerechnen(Sau& sau);
void StatusNeuBerechnen(Herde& herde);
