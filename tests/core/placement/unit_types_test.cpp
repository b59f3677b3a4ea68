#include "core/placement/placement_values.h"
#include "core/placement/unit_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vexa {
namespace {

using Strings = std::vector<std::string>;

// A menu's shape: its caption, how many entries, its first and its last entry.
struct MenuShape {
    std::string caption;
    std::size_t entries;
    std::pair<std::string, std::string> first;
    std::pair<std::string, std::string> last;
};

void expectMenus(const MenuTable& bar, const std::vector<MenuShape>& shapes)
{
    ASSERT_EQ(bar.size(), shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const MenuItem& menu = bar[i];
        const MenuShape& shape = shapes[i];
        EXPECT_EQ(menu.caption, shape.caption);
        ASSERT_EQ(menu.children.size(), shape.entries) << shape.caption;
        EXPECT_EQ(std::pair(menu.children.front().caption, menu.children.front().code), shape.first) << shape.caption;
        EXPECT_EQ(std::pair(menu.children.back().caption, menu.children.back().code), shape.last) << shape.caption;
    }
}

const MenuItem* findEntry(const MenuTable& bar, const std::string& code)
{
    for (const MenuItem* entry : menuEntries(bar))
        if (entry->code == code)
            return entry;
    return nullptr;
}

TEST(UnitTypeMenus, MenusEntryCountsFirstAndLast)
{
    expectMenus(unitTypeMenus(), {
        {"Allies", 6, {"APC", "APC"}, {"Ranger", "JEEP"}},
        {"Soviet", 3, {"Heavy tank", "3TNK"}, {"Scud launcer", "V2RL"}},
        {"Both", 5, {"Convoy truck", "TRUK"}, {"Ore truck", "HARV"}},
    });
    expectMenus(shipTypeMenus(), {
        {"Allies", 3, {"Cruiser", "CA"}, {"Patrol boat", "BT"}},
        {"Soviet", 1, {"Submarine", "SS"}, {"Submarine", "SS"}},
        {"Both", 1, {"Transport", "LST"}, {"Transport", "LST"}},
    });
    expectMenus(infantryTypeMenus(), {
        {"Allies", 5, {"Grenadier", "E2"}, {"Thief", "THF"}},
        {"Soviet", 2, {"Attack dog", "DOG"}, {"Flame soldier", "E4"}},
        {"Both", 3, {"Engineer", "E6"}, {"Rocket soldier", "E3"}},
        {"Civilians", 10, {menuEntryAt(infantryTypeMenus(), 10)->caption, "C2"},
         {menuEntryAt(infantryTypeMenus(), 19)->caption, "C6"}},
        {"Misc.", 4, {menuEntryAt(infantryTypeMenus(), 20)->caption, "CHAN"}, {"Field marshal", "GNRL"}},
    });
}

TEST(UnitTypeMenus, CaptionsAsWrittenOddSpellingsIncluded)
{
    EXPECT_EQ(findEntry(unitTypeMenus(), "V2RL")->caption, "Scud launcer");
    EXPECT_EQ(findEntry(unitTypeMenus(), "JEEP")->caption, "Ranger");
    EXPECT_EQ(findEntry(unitTypeMenus(), "HARV")->caption, "Ore truck");
    EXPECT_EQ(findEntry(unitTypeMenus(), "MCV")->caption, "MCV");
    EXPECT_EQ(findEntry(shipTypeMenus(), "LST")->caption, "Transport");
    EXPECT_EQ(findEntry(infantryTypeMenus(), "C10")->caption, "Scientist");
    EXPECT_EQ(findEntry(infantryTypeMenus(), "GNRL")->caption, "Field marshal");
    // "Soviet" here, where the buildings dialog says "Soviets".
    EXPECT_EQ(unitTypeMenus()[1].caption, "Soviet");
}

TEST(UnitTypeMenus, FlatMenusOfEntriesWithoutSpacingAndEachCodeOnce)
{
    for (const MenuTable* bar : {&unitTypeMenus(), &shipTypeMenus(), &infantryTypeMenus()}) {
        std::set<std::string> codes;
        std::set<std::string> captions;
        for (const MenuItem& menu : *bar) {
            for (const MenuItem& entry : menu.children) {
                EXPECT_FALSE(entry.isSubmenu()) << entry.caption;
                EXPECT_FALSE(entry.code.empty()) << entry.caption;
                EXPECT_FALSE(entry.caption.empty()) << entry.code;
                EXPECT_EQ(entry.spacing, std::nullopt) << entry.code;
                EXPECT_TRUE(codes.insert(entry.code).second) << entry.code;
                EXPECT_TRUE(captions.insert(entry.caption).second) << entry.caption;
            }
        }
        EXPECT_EQ(codes.size(), menuEntries(*bar).size());
    }
    EXPECT_EQ(menuEntries(unitTypeMenus()).size(), 14u);
    EXPECT_EQ(menuEntries(shipTypeMenus()).size(), 5u);
    EXPECT_EQ(menuEntries(infantryTypeMenus()).size(), 24u);
}

TEST(UnitTypeMenus, EveryCivilianHasItsOwnCodeC1ToC10)
{
    Strings codes;
    for (const MenuItem& entry : infantryTypeMenus()[3].children)
        codes.push_back(entry.code);
    EXPECT_EQ(codes, (Strings{"C2", "C8", "C9", "C1", "C5", "C4", "C7", "C10", "C3", "C6"}));
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (Strings{"C1", "C10", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9"}));
}

template <std::size_t N>
Strings strings(const std::array<std::string_view, N>& items)
{
    return Strings(items.begin(), items.end());
}

TEST(OrderLists, InListOrderWithoutTheStartingNone)
{
    const Strings ships = strings(kShipOrderItems);
    EXPECT_EQ(ships, (Strings{"Sleep", "Attack", "Move", "Qmove", "Retreat", "Guard", "Sticky", "Area Guard",
                              "Return", "Stop", "Ambush", "Hunt", "Unload", "Rescue", "Harmless"}));

    // Units: the ships' list with "Harvest" after "Sticky".
    Strings units = ships;
    units.insert(units.begin() + 7, "Harvest");
    EXPECT_EQ(strings(kUnitOrderItems), units);

    // Infantry: the ships' list and "Enter", "Capture", "Sabotage".
    Strings infantry = ships;
    infantry.insert(infantry.end(), {"Enter", "Capture", "Sabotage"});
    EXPECT_EQ(strings(kInfantryOrderItems), infantry);

    EXPECT_EQ(kOrderChooserStart, "None");
    for (const Strings& list : {units, ships, infantry})
        EXPECT_EQ(std::count(list.begin(), list.end(), "None"), 0);
}

TEST(DirectionLists, InfantryKeepsTheGamesOwnValues)
{
    std::vector<std::size_t> differ;
    for (std::size_t i = 0; i < kDirectionItems.size(); ++i) {
        EXPECT_EQ(kDirectionItems[i], std::to_string(16 * i));
        if (kInfantryDirectionItems[i] != kDirectionItems[i])
            differ.push_back(i);
    }
    EXPECT_EQ(differ, (std::vector<std::size_t>{10, 11, 15, 16}));
    EXPECT_EQ(strings(kInfantryDirectionItems),
              (Strings{"0", "16", "32", "48", "64", "80", "96", "112", "128", "144", "170", "186", "192", "208", "224",
                       "242", "258"}));
}

} // namespace
} // namespace vexa
