#pragma once

#include "core/forms/menu_table.h"

namespace vexa {

// The type menu bars of the decoration dialogs. Choosing an entry puts its type code into
// the kind field and its caption into the caption label beside it.

// "Create terrain": one menu "Terrain type" holding "Clumps of trees", "Groups of boxes",
// "Ice floats", the entry "Ore mine" and "Single trees". Every entry carries the spacing
// it puts into the dialog.
const MenuTable& terrainTypeMenus();

// "Create smudge": "Craters", "Scorch marks", "Dirt patches". No entry sets a spacing.
const MenuTable& smudgeTypeMenus();

// "Create overlay": "Walls", "Ore", "Crates", "Gems", "Misc.", built from the overlay
// table (core/ground/overlays.h). No entry sets a spacing.
const MenuTable& overlayTypeMenus();

} // namespace vexa
