#include "core/scripting/team_type_vocabulary.h"

#include "core/placement/integers.h"

#include <algorithm>
#include <utility>

namespace vexa {

namespace {

// The fixed parameter of orders that need none.
constexpr const char* kNoParameter = "0";

MenuItem order(std::string code, std::string caption, std::string fixedParameter = {})
{
    MenuItem item = menuEntry(std::move(caption), std::move(code));
    item.fixedParameter = std::move(fixedParameter);
    return item;
}

} // namespace

const MenuTable& teamUnitTypes()
{
    static const MenuTable menus = {
        submenu("Allied", {
            menuEntry("APC", "APC"),
            menuEntry("Light tank", "1TNK"),
            menuEntry("Medium tank", "2TNK"),
            menuEntry("Mobile artillery", "ARTY"),
            menuEntry("Mobile gap generator", "MGG"),
            menuEntry("Ranger", "JEEP"),
        }),
        submenu("Soviet", {
            menuEntry("Heavy tank", "3TNK"),
            menuEntry("Mammoth tank", "4TNK"),
            menuEntry("Scud launcher", "V2RL"),
        }),
        submenu("Both", {
            menuEntry("Convoy truck", "TRUK"),
            menuEntry("MCV", "MCV"),
            menuEntry("Mine layer", "MNLT"),
            menuEntry("Mobile radar jammer", "MRJ"),
            menuEntry("Ore truck", "HARV"),
        }),
    };
    return menus;
}

const MenuTable& teamOrders()
{
    static const MenuTable orders = {
        order("0", "Attack (Country ID)"),
        order("1", "Attack waypoint (Waypoint #)"),
        order("2", "Change formation to (Might not work)", kNoParameter),
        order("3", "Move to waypoint (Waypoint ID)"),
        order("4", "Move to cell (Cell #)"),
        order("5", "Attack tarcom (Might not work)", kNoParameter),
        order("6", "Unload (No parameter)", kNoParameter),
        order("7", "Deploy (No parameter)", kNoParameter),
        order("8", "Follow friendlies (No parameter)", kNoParameter),
        order("9", "Do this (Unit order #)"),
        order("10", "Set global (Global ID)"),
        order("11", "Invulnerable (No parameter)", kNoParameter),
        order("12", "Load onto transport (No parameter)", kNoParameter),
        order("13", "Spy on building @ waypoint (Waypoint ID)"),
        order("14", "Patrol to waypoint (Waypoint ID)"),
    };
    return orders;
}

const MenuItem* teamOrderEntry(std::string_view code)
{
    const MenuTable& orders = teamOrders();
    const auto found = std::find_if(orders.begin(), orders.end(), [code](const MenuItem& item) { return item.code == code; });
    return found == orders.end() ? nullptr : &*found;
}

const MenuTable& teamTypeMenuBar()
{
    static const MenuTable menus = {
        submenu("Countries", countryEntries()),
        submenu("Unit type", teamUnitTypes()),
        submenu("Orders", teamOrders()),
    };
    return menus;
}

OrderFill fillOrder(const MenuItem& chosen)
{
    OrderFill fill{chosen.code, std::nullopt};
    if (!chosen.fixedParameter.empty())
        fill.parameter = chosen.fixedParameter;
    return fill;
}

HiddenAutocreateState selectHiddenAutocreate(int button)
{
    return {button, decimalText(button)};
}

HiddenAutocreateState hiddenAutocreateAfterEdit(std::string_view text, std::optional<int> selectedButton)
{
    const std::int32_t value = readInteger(text, 0);
    if (value < 0 || value >= static_cast<std::int32_t>(kHiddenAutocreateCaptions.size()))
        return {std::nullopt, std::string(text)};
    if (selectedButton == value)
        return {value, std::string(text)};
    return selectHiddenAutocreate(value);
}

} // namespace vexa
