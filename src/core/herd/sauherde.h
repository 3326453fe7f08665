#pragma once

#include "herd/records.h"

#include <vector>

// A sow with her litters in order of entry.
struct Sau {
    TSauRec rec;
    std::vector<TWurfRec> wuerfe;
};

// The in-memory herd in file order; sows are addressed by their index.
using Herde = std::vector<Sau>;
