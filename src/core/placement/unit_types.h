#pragma once

#include "core/forms/menu_table.h"

#include <array>
#include <string_view>

namespace vexa {

// The type menu bars of the units, ships and infantry dialogs. Their entries carry a
// caption and a type code and no default spacing: choosing one leaves the spacing as it is.

// "Create Units": "Allies", "Soviet", "Both".
const MenuTable& unitTypeMenus();

// "Create ships": "Allies", "Soviet", "Both".
const MenuTable& shipTypeMenus();

// "Create infantry": "Allies", "Soviet", "Both", "Civilians", "Misc.".
const MenuTable& infantryTypeMenus();

// The order chooser's text when the dialog opens and after each Create. It is not an
// entry of any order list; it is written as it stands when the user leaves it.
inline constexpr std::string_view kOrderChooserStart = "None";

// The order choosers' lists, in list order. Units add "Harvest"; infantry add "Enter",
// "Capture" and "Sabotage".
inline constexpr std::array<std::string_view, 16> kUnitOrderItems = {
    "Sleep", "Attack", "Move", "Qmove", "Retreat", "Guard", "Sticky", "Harvest",
    "Area Guard", "Return", "Stop", "Ambush", "Hunt", "Unload", "Rescue", "Harmless",
};

inline constexpr std::array<std::string_view, 15> kShipOrderItems = {
    "Sleep", "Attack", "Move", "Qmove", "Retreat", "Guard", "Sticky",
    "Area Guard", "Return", "Stop", "Ambush", "Hunt", "Unload", "Rescue", "Harmless",
};

inline constexpr std::array<std::string_view, 18> kInfantryOrderItems = {
    "Sleep", "Attack", "Move", "Qmove", "Retreat", "Guard", "Sticky",
    "Area Guard", "Return", "Stop", "Ambush", "Hunt", "Unload", "Rescue", "Harmless",
    "Enter", "Capture", "Sabotage",
};

} // namespace vexa
