#include "core/decorations/decoration_types.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vexa {
namespace {

using Captions = std::vector<std::string>;

Captions captionsOf(const MenuTable& items)
{
    Captions captions;
    for (const MenuItem& item : items)
        captions.push_back(item.caption);
    return captions;
}

const MenuItem& entryWithCode(const MenuTable& table, const std::string& code)
{
    for (const MenuItem* entry : menuEntries(table))
        if (entry->code == code)
            return *entry;
    ADD_FAILURE() << "no entry " << code;
    static const MenuItem none;
    return none;
}

TEST(DecorationTypeMenus, MenusInOrderWithTheirEntryCountsAndNoCodeTwice)
{
    ASSERT_EQ(terrainTypeMenus().size(), 1u);
    EXPECT_EQ(terrainTypeMenus()[0].caption, "Terrain type");
    EXPECT_EQ(captionsOf(terrainTypeMenus()[0].children),
              (Captions{"Clumps of trees", "Groups of boxes", "Ice floats", "Ore mine", "Single trees"}));
    EXPECT_EQ(captionsOf(smudgeTypeMenus()), (Captions{"Craters", "Scorch marks", "Dirt patches"}));
    EXPECT_EQ(captionsOf(overlayTypeMenus()), (Captions{"Walls", "Ore", "Crates", "Gems", "Misc."}));

    std::set<std::string> codes;
    for (const MenuTable* table : {&terrainTypeMenus(), &smudgeTypeMenus(), &overlayTypeMenus()})
        for (const MenuItem* entry : menuEntries(*table))
            EXPECT_TRUE(codes.insert(entry->code).second) << entry->code;
    EXPECT_EQ(menuEntries(terrainTypeMenus()).size(), 5u + 5u + 5u + 1u + 17u);
    EXPECT_EQ(menuEntries(smudgeTypeMenus()).size(), 6u + 6u + 3u);
    EXPECT_EQ(menuEntries(overlayTypeMenus()).size(), 6u + 4u + 3u + 4u + 1u);
    EXPECT_EQ(codes.size(), 33u + 15u + 18u);
}

TEST(DecorationTypeMenus, SingleTreesFollowTheirNumberingRule)
{
    const MenuTable& trees = terrainTypeMenus()[0].children[4].children;
    ASSERT_EQ(trees.size(), 17u);
    for (std::size_t i = 0; i < trees.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        EXPECT_EQ(trees[i].caption, "Tree " + n);
        EXPECT_EQ(trees[i].code, (i + 1 < 10 ? "T0" : "T") + n);
        EXPECT_EQ(trees[i].spacing, 0);
    }
}

TEST(DecorationTypeMenus, OnlyTerrainSetsASpacing)
{
    const MenuTable& ice = terrainTypeMenus()[0].children[2].children;
    std::vector<std::optional<std::int32_t>> iceSpacings;
    for (const MenuItem& entry : ice)
        iceSpacings.push_back(entry.spacing);
    EXPECT_EQ(iceSpacings, (std::vector<std::optional<std::int32_t>>{2, 1, 2, 1, 1}));
    EXPECT_EQ(entryWithCode(terrainTypeMenus(), "TC05").spacing, 1);
    EXPECT_EQ(entryWithCode(terrainTypeMenus(), "BOXES01").spacing, 0);
    EXPECT_EQ(entryWithCode(terrainTypeMenus(), "MINE").caption, "Ore mine");
    EXPECT_EQ(entryWithCode(terrainTypeMenus(), "MINE").spacing, 1);

    for (const MenuTable* table : {&smudgeTypeMenus(), &overlayTypeMenus()})
        for (const MenuItem* entry : menuEntries(*table))
            EXPECT_EQ(entry->spacing, std::nullopt) << entry->code;
}

TEST(DecorationTypeMenus, CaptionsAsStoredAtTheEndsAndTheOddOnes)
{
    EXPECT_EQ(entryWithCode(smudgeTypeMenus(), "CR1").caption, "Crater 1");
    EXPECT_EQ(entryWithCode(smudgeTypeMenus(), "BIB3").caption, "Dirt patch 3");
    EXPECT_EQ(entryWithCode(overlayTypeMenus(), "SBAG").caption, "Sandbag wall");
    EXPECT_EQ(entryWithCode(overlayTypeMenus(), "FENC").caption, "Quarn barb wire");
    EXPECT_EQ(entryWithCode(overlayTypeMenus(), "WWCRATE").caption, "Water crate");
    EXPECT_EQ(entryWithCode(overlayTypeMenus(), "FPLS").caption, "Circular thing");
}

} // namespace
} // namespace vexa
