#include "core/placement/building_types.h"
#include "core/placement/placement_values.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vexa {
namespace {

const MenuItem* findEntry(const std::string& code)
{
    for (const MenuItem* entry : menuEntries(buildingTypeMenus()))
        if (entry->code == code)
            return entry;
    return nullptr;
}

TEST(BuildingTypeMenus, MenusInOrderWithEveryEntryOnceAndASpacing)
{
    const MenuTable& bar = buildingTypeMenus();
    std::vector<std::string> menus;
    for (const MenuItem& menu : bar)
        menus.push_back(menu.caption);
    EXPECT_EQ(menus, (std::vector<std::string>{"Allies", "Soviets", "Both", "Civilians", "Misc."}));
    EXPECT_EQ(bar[3].children.size(), 3u);
    EXPECT_EQ(bar[3].children[2].caption, "Invisible houses");

    std::set<std::string> codes;
    for (const MenuItem* entry : menuEntries(bar)) {
        EXPECT_TRUE(codes.insert(entry->code).second) << entry->code;
        ASSERT_TRUE(entry->spacing) << entry->code;
        EXPECT_TRUE(*entry->spacing >= 1 && *entry->spacing <= 3) << entry->code;
    }
    EXPECT_EQ(codes.size(), 14u + 10u + 10u + 35u + 7u);

    EXPECT_EQ(findEntry("FTUR")->caption, "Flame turret");
    EXPECT_EQ(findEntry("FTUR")->spacing, 1);
    EXPECT_EQ(findEntry("POWR")->spacing, 2);
}

TEST(BuildingTypeMenus, CiviliansHaveSpacingOneAndInvisibleCaptions)
{
    for (const MenuItem* entry : menuEntries(buildingTypeMenus()[3].children))
        EXPECT_EQ(entry->spacing, 1) << entry->code;
    for (const MenuItem& entry : buildingTypeMenus()[3].children[2].children) {
        const std::string ending = entry.code == "V33" ? " (invisile)" : " (invisible)";
        EXPECT_TRUE(entry.caption.ends_with(ending)) << entry.code;
    }
}

TEST(PlacementValues, HealthTrackFollowsTheReadingWithinItsRange)
{
    EXPECT_EQ(healthTrackPosition("100"), 100);
    EXPECT_EQ(healthTrackPosition("300"), 256);
    EXPECT_EQ(healthTrackPosition("-5"), 0);
    EXPECT_EQ(healthTrackPosition("abc"), 0);
}

} // namespace
} // namespace vexa
