#include "core/placement/building_types.h"
#include "core/placement/placement_values.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vexa {
namespace {

const TypeMenuItem* findEntry(const TypeMenuBar& bar, const std::string& code)
{
    for (const TypeMenuItem* entry : typeEntries(bar))
        if (entry->code == code)
            return entry;
    return nullptr;
}

std::vector<std::string> captions(const std::vector<TypeMenuItem>& items)
{
    std::vector<std::string> result;
    for (const TypeMenuItem& item : items)
        result.push_back(item.caption);
    return result;
}

TEST(BuildingTypeMenus, MenusAndSubmenusInOrder)
{
    const TypeMenuBar& bar = buildingTypeMenus();
    EXPECT_EQ(captions(bar), (std::vector<std::string>{"Allies", "Soviets", "Both", "Civilians", "Misc."}));
    for (const TypeMenuItem& menu : bar)
        EXPECT_TRUE(menu.isSubmenu()) << menu.caption;

    const TypeMenuItem& civilians = bar[3];
    EXPECT_EQ(captions(civilians.items),
              (std::vector<std::string>{"Church - Haystacks", "Haystack - Village well", "Invisible houses"}));
    EXPECT_EQ(civilians.items[0].items.size(), 12u);
    EXPECT_EQ(civilians.items[1].items.size(), 10u);
    EXPECT_EQ(civilians.items[2].items.size(), 13u);

    EXPECT_EQ(bar[0].items.size(), 14u);
    EXPECT_EQ(bar[1].items.size(), 10u);
    EXPECT_EQ(bar[2].items.size(), 10u);
    EXPECT_EQ(bar[4].items.size(), 7u);
    EXPECT_EQ(bar[4].items.back().caption, "Research center");
}

TEST(BuildingTypeMenus, EveryEntryHasAUniqueCodeAndADefaultSpacing)
{
    std::set<std::string> codes;
    const auto entries = typeEntries(buildingTypeMenus());
    for (const TypeMenuItem* entry : entries) {
        EXPECT_FALSE(entry->isSubmenu());
        EXPECT_FALSE(entry->caption.empty());
        EXPECT_TRUE(codes.insert(entry->code).second) << entry->code;
        ASSERT_TRUE(entry->spacing) << entry->code;
        EXPECT_GE(*entry->spacing, 1);
        EXPECT_LE(*entry->spacing, 3);
    }
    EXPECT_EQ(entries.size(), 14u + 10u + 10u + 35u + 7u);
}

TEST(BuildingTypeMenus, SampleEntries)
{
    const TypeMenuBar& bar = buildingTypeMenus();
    const TypeMenuItem* flame = findEntry(bar, "FTUR");
    ASSERT_TRUE(flame);
    EXPECT_EQ(flame->caption, "Flame turret");
    EXPECT_EQ(flame->spacing, 1);

    EXPECT_EQ(findEntry(bar, "POWR")->spacing, 2);
    EXPECT_EQ(findEntry(bar, "FACF")->caption, "Fake constr. yard");
    EXPECT_EQ(findEntry(bar, "MINP")->caption, "Anti personell mine");
    EXPECT_EQ(findEntry(bar, "V37")->caption, "The studio (invisible)");
    EXPECT_EQ(findEntry(bar, "V20"), nullptr);
    EXPECT_EQ(findEntry(bar, "V24"), nullptr);
}

TEST(BuildingTypeMenus, CiviliansHaveSpacingOneAndInvisibleCaptions)
{
    const TypeMenuItem& civilians = buildingTypeMenus()[3];
    for (const TypeMenuItem* entry : typeEntries(civilians.items))
        EXPECT_EQ(entry->spacing, 1) << entry->code;

    for (const TypeMenuItem& entry : civilians.items[2].items) {
        const std::string ending = entry.code == "V33" ? " (invisile)" : " (invisible)";
        ASSERT_GE(entry.caption.size(), ending.size());
        EXPECT_EQ(entry.caption.substr(entry.caption.size() - ending.size()), ending) << entry.code;
    }
}

TEST(TypeMenu, EntriesAndSubmenusMayBeMixedInOneMenu)
{
    const TypeMenuBar bar = {typeSubmenu("Terrain type", {
        typeSubmenu("Ice floats", {typeEntry("Ice 1", "ICE01", 2), typeEntry("Ice 2", "ICE02", 1)}),
        typeEntry("Ore mine", "MINE", 1),
        typeSubmenu("Single trees", {typeEntry("Tree 1", "T01", 0)}),
    })};
    std::vector<std::string> codes;
    for (const TypeMenuItem* entry : typeEntries(bar))
        codes.push_back(entry->code);
    EXPECT_EQ(codes, (std::vector<std::string>{"ICE01", "ICE02", "MINE", "T01"}));
    EXPECT_EQ(typeEntries(bar)[3]->spacing, 0);
    EXPECT_EQ(typeEntry("Crater 1", "CR1").spacing, std::nullopt);
}

TEST(PlacementValues, HealthTrackFollowsTheReadingWithinItsRange)
{
    EXPECT_EQ(healthTrackPosition("256"), 256);
    EXPECT_EQ(healthTrackPosition("100"), 100);
    EXPECT_EQ(healthTrackPosition("300"), 256);
    EXPECT_EQ(healthTrackPosition("-5"), 0);
    EXPECT_EQ(healthTrackPosition("abc"), 0);
    EXPECT_EQ(healthTrackPosition(""), 0);
    EXPECT_EQ(healthTrackPosition("$80"), 128);
}

TEST(PlacementValues, DirectionsAndCompass)
{
    for (std::size_t i = 0; i < kDirectionItems.size(); ++i)
        EXPECT_EQ(kDirectionItems[i], std::to_string(16 * i));
    EXPECT_EQ(kInfantryDirectionItems[10], "170");
    EXPECT_EQ(kInfantryDirectionItems[16], "258");
    EXPECT_EQ(kCompassDirections[2], "64"); // the button on the left
    EXPECT_EQ(kCompassDirections[7], "224");
}

} // namespace
} // namespace vexa
