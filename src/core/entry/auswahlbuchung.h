#pragma once

class AppContext;

// What the sow selection does to the herd, free of widgets: deleting a sow and the group
// assignment of the multi-select mode.
namespace auswahlbuchung {

// Removes the sow at `index` with all her litters and keeps the change (saved at once with
// EINZELSPEICHERUNG).
void SauEntfernen(AppContext& ctx, int index);

// A line chosen for `gruppe` puts the sow at `index` into it; a line unchosen takes her from it
// back to group 0. The herd is marked changed but not saved: GruppenAbschliessen ends the
// assignment. True when her group changed.
bool GruppeSetzen(AppContext& ctx, int index, int gruppe, bool gewaehlt);

// Ends a changed group assignment: saved (true) or thrown away by reloading the herd file.
// False when the save failed (the user has been told).
bool GruppenAbschliessen(AppContext& ctx, bool speichern);

} // namespace auswahlbuchung
