#pragma once

#include <QString>
#include <array>

class TPlanZeiten;

// The names of the user's plan dates: slots 0..3 the sow tasks, 10..17 the litter tasks.
using TTerminnamen = std::array<QString, 20>;

// Slots 0..3 from the sow tasks (page 3 rows 0..3), slots 10..17 from the litter tasks
// (page 0 rows 2..9); the other slots stay empty.
TTerminnamen TerminnamenBilden(const TPlanZeiten& zeiten);
