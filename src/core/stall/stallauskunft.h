#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class AppContext;

// What the barn page shows: a sow found by her number, today's work list and the lists its
// boxes offer. Read-only.
namespace stallauskunft {

// The sow with this number (trimmed; a sow still in the herd before a departed one); -1
// when there is none.
int SauFinden(const AppContext& ctx, const QString& nr);

// Her number, stall, state, current litter with its dates and counts, the expected
// farrowing and her tasks of the next seven days.
QJsonObject Sau(const AppContext& ctx, int index);

// Today's tasks by the plan type at `plantyp` (a position in the plan types; outside them
// every sow of the herd): one entry per sow with something due today.
QJsonArray Heute(const AppContext& ctx, int plantyp);

// The boars, loss causes, stalls and plan type names.
QJsonObject Listen(const AppContext& ctx);

} // namespace stallauskunft
