#include "core/forms/menu_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexa {
namespace {

// The terrain menu's shape: submenus and entries side by side in one menu.
MenuTable mixedMenu()
{
    return {submenu("Terrain type", {
        submenu("Ice floats", {menuEntry("Ice 1", "ICE01", 2), menuEntry("Ice 2", "ICE02", 1)}),
        menuEntry("Ore mine", "MINE", 1),
        submenu("Single trees", {menuEntry("Tree 1", "T01")}),
    })};
}

TEST(MenuTable, EntriesAreIndexedDepthFirstInMenuOrder)
{
    const MenuTable table = mixedMenu();
    std::vector<std::string> codes;
    for (const MenuItem* entry : menuEntries(table))
        codes.push_back(entry->code);
    EXPECT_EQ(codes, (std::vector<std::string>{"ICE01", "ICE02", "MINE", "T01"}));

    ASSERT_NE(menuEntryAt(table, 2), nullptr);
    EXPECT_EQ(menuEntryAt(table, 2)->caption, "Ore mine");
    EXPECT_EQ(menuEntryAt(table, 2)->spacing, 1);
    EXPECT_EQ(menuEntryAt(table, 3)->spacing, std::nullopt);
    EXPECT_EQ(menuEntryAt(table, 4), nullptr);
}

} // namespace
} // namespace vexa
