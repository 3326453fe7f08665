#pragma once

#include "evaluation/auswertung.h"

class AppContext;

// What the evaluation filter starts with: the filter last confirmed in this run; in a new
// run the period of the settings (the last one confirmed) with the usual choices; today to
// today when the settings name none.
TAuswertungsFilter FilterVorgabe(const AppContext& ctx);

// Keeps a confirmed filter for the rest of the run and its period in the settings.
void FilterMerken(AppContext& ctx, const TAuswertungsFilter& f);
