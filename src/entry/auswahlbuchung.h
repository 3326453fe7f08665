#pragma once

class AppContext;
class TSauRec;

// What the sow selection does to the herd, free of widgets: deleting a sow and the group
// assignment of the multi-select mode.
namespace auswahlbuchung {

// Removes the sow at `index` with all her litters and keeps the change (saved at once with
// EINZELSPEICHERUNG).
void SauEntfernen(AppContext& ctx, int index);

// A line chosen for `gruppe` puts the sow into it; a line unchosen takes her from it back to
// group 0. True when her group changed.
bool GruppeSetzen(TSauRec& rec, int gruppe, bool gewaehlt);

// Ends a changed group assignment: saved (true) or thrown away by reloading the herd file.
// False when the save failed (the user has been told).
bool GruppenAbschliessen(AppContext& ctx, bool speichern);

} // namespace auswahlbuchung
