#pragma once

#include <QString>
#include <array>

class TPlanZeiten;

// The names of the user's plan dates: slots 0..3 the sow tasks, 10..17 the litter tasks, the
// other slots empty. Built afresh from the plan times before each use.
struct Terminnamen : std::array<QString, 20> {
    Terminnamen() = default;
    // Slots 0..3 from the sow tasks (page 3 rows 0..3), slots 10..17 from the litter tasks
    // (page 0 rows 2..9).
    explicit Terminnamen(const TPlanZeiten& zeiten);
};
