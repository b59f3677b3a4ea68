#pragma once

#include "core/placement/type_menu.h"

namespace vexa {

// The "Create buildings" dialog's type menu bar: "Allies", "Soviets", "Both", "Civilians"
// (three submenus) and "Misc.". Every entry carries its default spacing.
const TypeMenuBar& buildingTypeMenus();

} // namespace vexa
