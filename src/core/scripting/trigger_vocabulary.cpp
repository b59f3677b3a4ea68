#include "core/scripting/trigger_vocabulary.h"

#include "core/placement/integers.h"

#include <algorithm>
#include <utility>

namespace vexa {

namespace {

MenuItem entry(std::string code, std::string caption, int slot = 0, std::string prompt = {})
{
    MenuItem item = menuEntry(std::move(caption), std::move(code));
    item.slot = slot;
    item.prompt = std::move(prompt);
    return item;
}

template <std::size_t N>
MenuTable tableOf(const std::array<MenuItem, N>& entries, std::size_t first, std::size_t count)
{
    return MenuTable(entries.begin() + static_cast<std::ptrdiff_t>(first),
                     entries.begin() + static_cast<std::ptrdiff_t>(first + count));
}

constexpr std::size_t kFirstEventsCount = 17;   // "0 - 16"
constexpr std::size_t kFirstActionsCount = 18;  // "0 - 18", without 14

} // namespace

const std::array<MenuItem, kEventCount> kEvents = {
    entry("0", "No event"),
    entry("1", "Entered by", 2, "Country #:"),
    entry("2", "Spied by"),
    entry("3", "Thived by"),
    entry("4", "Discovered by player"),
    entry("5", "House discovered", 2, "Country #:"),
    entry("6", "Attacked by anybody"),
    entry("7", "Destroyed by anybody"),
    entry("8", "Any event"),
    entry("9", "Destroyed, units, all", 2, "Country #:"),
    entry("10", "Destroyed, buildings, all", 2, "Country #:"),
    entry("11", "Destroyed, all", 2, "Country #:"),
    entry("12", "Credits exceeded", 2, "Credits:"),
    entry("13", "Elapsed time", 2, "Minutes/10:"),
    entry("14", "Mission timer expired"),
    entry("15", "Destroyed, buildings, #", 2, "# of buildings:"),
    entry("16", "Destroyed, units, #", 2, "# of units:"),
    entry("17", "No factories left"),
    entry("18", "Civilians evacuated"),
    entry("19", "Building type built", 2, "Building #:"),
    entry("20", "Unit type built", 2, "Unit #:"),
    entry("21", "Infantry type built", 2, "Infantry #:"),
    entry("22", "Aircraft type built", 2, "Aircraft #:"),
    entry("23", "Team leaves map", 1, "Team #:"),
    entry("24", "Zone entry by", 2, "Country #:"),
    entry("25", "Crosses horizontal line"),
    entry("26", "Crosses vertical line"),
    entry("27", "Global is set", 2, "Global #:"),
    entry("28", "Global is cleared", 2, "Global #:"),
    entry("29", "Destroyed, fakes, all"),
    entry("30", "Low power", 2, "Country #:"),
    entry("31", "All bridges destroyed"),
    entry("32", "Building exists", 2, "Country #:"),
};

const std::array<MenuItem, kActionCount> kActions = {
    entry("0", "No action"),
    entry("1", "Winner is", 3, "Country #:"),
    entry("2", "Loser is", 3, "Country #:"),
    entry("3", "Production begins", 3, "Country #:"),
    entry("4", "Create team", 1, "Teamtype #:"),
    entry("5", "Destroy team", 1, "Teamtype #:"),
    entry("6", "All to hunt", 3, "Country #:"),
    entry("7", "Reinforcement", 4, "Teamtype #:"),
    entry("8", "Drop zone flare", 3, "Waypoint:"),
    entry("9", "Fire sale", 3, "Country #:"),
    entry("10", "Play movie", 3, "Movie #:"),
    entry("11", "Text trigger", 3, "Text ID#:"),
    entry("12", "Destroy trigger", 2, "Trigger #:"),
    entry("13", "Autocreate begins", 3, "Country #:"),
    entry("15", "Allow win"),
    entry("16", "Reveal all map"),
    entry("17", "Reveal around waypoint", 3, "Waypoint:"),
    entry("18", "Reveal zone of waypoint", 3, "Waypoint:"),
    entry("19", "Play sound effect", 3, "Effect #:"),
    entry("20", "Play music theme"),
    entry("21", "Play speech", 3, "Speech #:"),
    entry("22", "Force trigger", 2, "Trigger #:"),
    entry("23", "Timer start"),
    entry("24", "Timer stop"),
    entry("25", "Timer extend", 3, "Minutes/10:"),
    entry("26", "Timer shorten", 3, "Minutes/10:"),
    entry("27", "Timer set", 3, "Minutes/10:"),
    entry("28", "Global set", 3, "Global #:"),
    entry("29", "Global clear", 3, "Global #:"),
    entry("30", "Auto base building", 3, "Country #:"),
    entry("31", "Grow shroud one step"),
    entry("32", "Destroy attached building"),
    entry("33", "Add 1-time special weapon", 3, "Weapon #:"),
    entry("34", "Add repeating special weapon"),
    entry("35", "Preferred target", 3, "Contry #:"),
    entry("36", "Launch nukes"),
};

const MenuTable& eventSubmenus()
{
    static const MenuTable submenus = {
        submenu("0 - 16", tableOf(kEvents, 0, kFirstEventsCount)),
        submenu("17 - 32", tableOf(kEvents, kFirstEventsCount, kEventCount - kFirstEventsCount)),
    };
    return submenus;
}

const MenuTable& actionSubmenus()
{
    static const MenuTable submenus = {
        submenu("0 - 18", tableOf(kActions, 0, kFirstActionsCount)),
        submenu("19 - 36", tableOf(kActions, kFirstActionsCount, kActionCount - kFirstActionsCount)),
    };
    return submenus;
}

const MenuTable& triggerMenuBar()
{
    static const MenuTable menus = {
        submenu("Countries", countryEntries()),
        submenu("T1", eventSubmenus()),
        submenu("T2", eventSubmenus()),
        submenu("R1", actionSubmenus()),
        submenu("R2", actionSubmenus()),
    };
    return menus;
}

std::size_t parameterCount(TriggerPart part)
{
    return part == TriggerPart::Event ? 2 : 3;
}

const MenuItem* triggerPartEntry(TriggerPart part, std::string_view code)
{
    // The game reads the code as a number: "07" is 7.
    const std::optional<std::int32_t> number = parseInteger(code);
    if (!number)
        return nullptr;
    const std::string decimal = decimalText(*number);
    const auto matches = [&decimal](const MenuItem& item) { return item.code == decimal; };
    if (part == TriggerPart::Event) {
        const auto found = std::find_if(kEvents.begin(), kEvents.end(), matches);
        return found == kEvents.end() ? nullptr : &*found;
    }
    const auto found = std::find_if(kActions.begin(), kActions.end(), matches);
    return found == kActions.end() ? nullptr : &*found;
}

ParameterFill fillParameters(TriggerPart part, const MenuItem& chosen)
{
    const std::size_t count = parameterCount(part);
    ParameterFill fill{chosen.code, {}, std::nullopt};
    for (std::size_t i = 0; i < count; ++i)
        fill.parameters.push_back({kParameterLabels[i], "-1"});

    // Slot 1 to 3 name their parameter; slot 4 names parameter 1 and brings a waypoint.
    const int slot = chosen.slot;
    if (slot < 1 || slot > 4)
        return fill;
    const std::size_t named = slot == 4 ? 0 : static_cast<std::size_t>(slot - 1);
    if (named >= count)
        return fill;

    fill.parameters[named] = {chosen.prompt, ""};
    fill.focusParameter = named;
    if (slot == 4 && count == 3)
        fill.parameters[2].label = kWaypointLabel;
    return fill;
}

} // namespace vexa
