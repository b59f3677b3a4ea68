#include "core/decorations/decoration_types.h"

#include "core/ground/overlays.h"

#include <string>

namespace vexa {

namespace {

constexpr int kSingleTreeCount = 17;

// "Tree 1": T01 ... "Tree 17": T17.
MenuTable singleTrees()
{
    MenuTable trees;
    for (int n = 1; n <= kSingleTreeCount; ++n) {
        const std::string number = std::to_string(n);
        trees.push_back(menuEntry("Tree " + number, (n < 10 ? "T0" : "T") + number, 0));
    }
    return trees;
}

// A spacing of 0 (boxes, single trees) makes Create wait until the user types a spacing.
MenuTable makeTerrainTypeMenus()
{
    return {submenu("Terrain type", {
        submenu("Clumps of trees", {
            menuEntry("Clump 1", "TC01", 1),
            menuEntry("Clump 2", "TC02", 1),
            menuEntry("Clump 3", "TC03", 1),
            menuEntry("Clump 4", "TC04", 1),
            menuEntry("Clump 5", "TC05", 1),
        }),
        submenu("Groups of boxes", {
            menuEntry("Group 1", "BOXES01", 0),
            menuEntry("Group 2", "BOXES02", 0),
            menuEntry("Group 3", "BOXES03", 0),
            menuEntry("Group 4", "BOXES04", 0),
            menuEntry("Group 5", "BOXES05", 0),
        }),
        submenu("Ice floats", {
            menuEntry("Ice 1", "ICE01", 2),
            menuEntry("Ice 2", "ICE02", 1),
            menuEntry("Ice 3", "ICE03", 2),
            menuEntry("Ice 4", "ICE04", 1),
            menuEntry("Ice 5", "ICE05", 1),
        }),
        menuEntry("Ore mine", "MINE", 1),
        submenu("Single trees", singleTrees()),
    })};
}

MenuTable makeSmudgeTypeMenus()
{
    return {
        submenu("Craters", {
            menuEntry("Crater 1", "CR1"),
            menuEntry("Crater 2", "CR2"),
            menuEntry("Crater 3", "CR3"),
            menuEntry("Crater 4", "CR4"),
            menuEntry("Crater 5", "CR5"),
            menuEntry("Crater 6", "CR6"),
        }),
        submenu("Scorch marks", {
            menuEntry("Scorch mark 1", "SC1"),
            menuEntry("Scorch mark 2", "SC2"),
            menuEntry("Scorch mark 3", "SC3"),
            menuEntry("Scorch mark 4", "SC4"),
            menuEntry("Scorch mark 5", "SC5"),
            menuEntry("Scorch mark 6", "SC6"),
        }),
        submenu("Dirt patches", {
            menuEntry("Dirt patch 1", "BIB1"),
            menuEntry("Dirt patch 2", "BIB2"),
            menuEntry("Dirt patch 3", "BIB3"),
        }),
    };
}

// The overlay table's entries in its order, each submenu's entries together.
MenuTable makeOverlayTypeMenus()
{
    MenuTable menus;
    for (const OverlayType& type : overlayTypes()) {
        if (type.submenu.empty())
            continue;
        if (menus.empty() || menus.back().caption != type.submenu)
            menus.push_back(submenu(std::string(type.submenu), {}));
        menus.back().children.push_back(menuEntry(std::string(type.caption), std::string(type.code)));
    }
    return menus;
}

} // namespace

const MenuTable& terrainTypeMenus()
{
    static const MenuTable menus = makeTerrainTypeMenus();
    return menus;
}

const MenuTable& smudgeTypeMenus()
{
    static const MenuTable menus = makeSmudgeTypeMenus();
    return menus;
}

const MenuTable& overlayTypeMenus()
{
    static const MenuTable menus = makeOverlayTypeMenus();
    return menus;
}

} // namespace vexa
