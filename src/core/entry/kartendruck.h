#pragma once

#include "herd/einstellungen.h"
#include "herd/records.h"

#include <vector>

class Canvas;

// Draws the sow card ("Sauenkarte") on one page of `c`: the header with the sow's master
// data, the components of the settings' card list (ITEM1..ITEM5) and ruled lines for
// handwritten notes down to the foot. The page is never changed; what does not fit above the
// foot (page height less three lines) is left out. The caller begins and ends the print job.
void KarteDrucken(Canvas& c, const TSauRec& sau, const std::vector<TWurfRec>& wuerfe,
                  const Einstellungen& e, int tragezeit);
