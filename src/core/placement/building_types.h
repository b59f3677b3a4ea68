#pragma once

#include "core/forms/menu_table.h"

namespace vexa {

// The "Create buildings" dialog's type menu bar: "Allies", "Soviets", "Both", "Civilians"
// (three submenus) and "Misc.". Every entry carries its default spacing.
const MenuTable& buildingTypeMenus();

} // namespace vexa
