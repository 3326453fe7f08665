#pragma once

#include "herd/sauherde.h"

#include <QByteArray>

struct Terminnamen;
struct TAuswertungsFilter;

// The litter data for an adviser or a spreadsheet: one line per litter with all its stored
// fields and its sow's, in the columns of wurfspalten.h, UTF-8 with a byte order mark,
// semicolons, dates dd.mm.yyyy, decimal commas. Without a filter every litter goes out, and a
// sow without litters as one line of her own; with one, the litters the evaluation filter
// chooses.
QByteArray WurfdatenCsv(const Herde& herde, const Terminnamen& namen,
                        const TAuswertungsFilter* filter = nullptr);
