#pragma once

#include "core/scripting/vocabulary.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

// The team type composer's unit type menu: submenus "Allied", "Soviet" and "Both", each
// entry writing its type code into "Kind of unit:". Its wording is this menu's own (the
// units placement dialog names the same vehicles a little differently).
const MenuTable& teamUnitTypes();

// The team orders 0 to 14, in code order, each writing its code into "Order number:".
// The orders that need no parameter from the user carry the fixed parameter "0".
inline constexpr std::size_t kTeamOrderCount = 15;
const MenuTable& teamOrders();

// The order whose code the text gives, or nothing.
const MenuItem* teamOrderEntry(std::string_view code);

// The team type composer's menu bar, in order.
enum class TeamTypeMenu { Countries, UnitType, Orders };
inline constexpr std::size_t kTeamTypeMenuCount = 3;
const MenuTable& teamTypeMenuBar();

// What choosing an order does: its code goes into "Order number:". A fixed parameter goes
// into "Order parameter:" and the focus stays where it was; without one, "Order parameter:"
// keeps its text and takes the focus.
struct OrderFill {
    std::string_view code;
    std::optional<std::string_view> parameter;
    bool focusParameter() const { return !parameter; }
};
OrderFill fillOrder(const MenuItem& order);

// "Hidden / Autocreate:": one number 0 to 7 read as bits, 1 hidden and 4 autocreated; 2 is
// named by no caption, so buttons 2, 3, 6 and 7 repeat the captions of 0, 1, 4 and 5. The
// caption of each button, indexed by its value.
inline constexpr std::string_view kHiddenAutocreateTitle = "Hidden / Autocreate:";
inline constexpr std::string_view kHiddenAutocreateNumberLabel = "Number:";
inline constexpr std::array<std::string_view, 8> kHiddenAutocreateCaptions = {
    "Not hidden, not autocreated",
    "Hidden, not autocreated",
    "Not hidden, not autocreated",
    "Hidden, not autocreated",
    "Not hidden, autocreated",
    "Hidden, autocreated",
    "Not hidden, autocreated",
    "Hidden, autocreated",
};

// The radio group and its "Number:" field show the same number.
struct HiddenAutocreateState {
    std::optional<int> selectedButton;  // none: no button selected
    std::string number;                 // the text of "Number:"
    bool operator==(const HiddenAutocreateState&) const = default;
};

// Selecting a button writes its value into "Number:".
HiddenAutocreateState selectHiddenAutocreate(int button);

// After the text of "Number:" changed: it is read as an integer, text that is no number
// reading as 0. A value 0 to 7 whose button is not yet selected selects it, which writes
// the value back ("05" becomes "5"); if its button is already selected the text stays as
// typed. Any other value selects no button and keeps the text.
HiddenAutocreateState hiddenAutocreateAfterEdit(std::string_view text, std::optional<int> selectedButton);

} // namespace vexa
