#pragma once

#include "herd/records.h"

#include <vector>

class Canvas;

// The litter overview on the sow page: litter numbers, piglets born and weaned per litter,
// one column per litter at (i + 2) * width / 15.
void WurfUebersichtZeichnen(Canvas& c, const std::vector<TWurfRec>& wuerfe, double breite);
