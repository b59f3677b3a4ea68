#include "core/ground/terrain_stamp.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vexa {
namespace {

const PaletteTemplate& offeredNamed(const std::vector<PaletteTemplate>& palette, std::string_view name)
{
    const auto found = std::find_if(palette.begin(), palette.end(), [&](const PaletteTemplate& t) { return t.name == name; });
    EXPECT_NE(found, palette.end()) << name;
    return *found;
}

bool offers(const std::vector<PaletteTemplate>& palette, std::uint16_t number)
{
    return std::any_of(palette.begin(), palette.end(), [&](const PaletteTemplate& t) { return t.number == number; });
}

std::size_t stampCell(int column, int row)
{
    return static_cast<std::size_t>(*cellAt({column, row}));
}

TEST(TerrainPalette, ClearFirstThenTheTheatersTemplatesGroupedByPrefix)
{
    const auto outdoor = paletteTemplates(Theater::Temperate);
    EXPECT_EQ(outdoor.front(), kClearStamp);
    EXPECT_EQ(outdoor.front().number, kClearTemplate);
    EXPECT_FALSE(offers(outdoor, 255));
    const PaletteTemplate& w2 = offeredNamed(outdoor, "W2");
    EXPECT_EQ(std::tuple(w2.number, w2.width, w2.height, w2.group), std::tuple(2, 2, 2, std::string_view("water")));
    EXPECT_EQ(paletteTemplates(Theater::Snow), outdoor);
    // Each group's templates stand together, in number order.
    for (std::size_t i = 2; i < outdoor.size(); ++i) {
        const auto& before = outdoor[i - 1];
        const auto& entry = outdoor[i];
        if (before.group == entry.group)
            EXPECT_LT(before.number, entry.number);
        else
            EXPECT_TRUE(std::none_of(outdoor.begin() + static_cast<std::ptrdiff_t>(i), outdoor.end(),
                                     [&](const PaletteTemplate& t) { return t.group == before.group; }))
                << before.name << " " << entry.name;
    }

    const auto interior = paletteTemplates(Theater::Interior);
    EXPECT_FALSE(offers(interior, 2));
    EXPECT_FALSE(offers(interior, 255));
    EXPECT_EQ(offeredNamed(interior, "FLOR0001").group, "floors");
    EXPECT_EQ(offeredNamed(interior, "CLEAR1").group, "clear");
}

TEST(TerrainPalette, GroupsOfPrefixesAndTheaterNames)
{
    EXPECT_EQ(templateGroup("SH14"), "shores");
    EXPECT_EQ(templateGroup("S14"), "cliffs");
    EXPECT_EQ(templateGroup("BR1A"), "bridges");
    EXPECT_EQ(templateGroup("BRIDGE1D"), "bridges");
    EXPECT_EQ(templateGroup("strp0001"), "details");
    EXPECT_EQ(templateGroup("ZZ1"), "other");
    EXPECT_EQ(knownTheater("snow"), Theater::Snow);
    EXPECT_EQ(knownTheater("Temperate"), Theater::Temperate);
    EXPECT_EQ(knownTheater("DESERT"), std::nullopt);
    EXPECT_EQ(theaterNamed("DESERT"), Theater::Temperate);
}

TEST(TerrainStamp, WritesTheTemplatesTilesRowByRowAndStopsAtTheMapsEdge)
{
    const PaletteTemplate w2 = offeredNamed(paletteTemplates(Theater::Temperate), "W2");
    Ground ground;
    const auto changes = stampChanges(ground, w2, {10, 20});
    EXPECT_EQ(changes, (std::vector<StampedCell>{{*cellAt({10, 20}), 2, 0}, {*cellAt({11, 20}), 2, 1},
                                                 {*cellAt({10, 21}), 2, 2}, {*cellAt({11, 21}), 2, 3}}));
    EXPECT_EQ(applyStamp(ground, changes).size(), 4U);
    EXPECT_EQ(ground.cell(stampCell(11, 21)).kind, GroundKind::Water);
    // Stamped again, nothing changes.
    EXPECT_TRUE(stampChanges(ground, w2, {10, 20}).empty());
    // Overlapping, only the cells that differ.
    EXPECT_EQ(stampChanges(ground, w2, {11, 20}).size(), 4U);
    EXPECT_EQ(stampChanges(ground, kClearStamp, {10, 20}), (std::vector<StampedCell>{{*cellAt({10, 20}), kClearTemplate, 0}}));

    // Past the last column or row nothing is written, and nothing wraps.
    EXPECT_EQ(stampChanges(ground, w2, {127, 127}), (std::vector<StampedCell>{{kLastCell, 2, 0}}));
    EXPECT_EQ(stampChanges(ground, w2, {127, 5}), (std::vector<StampedCell>{{*cellAt({127, 5}), 2, 0}, {*cellAt({127, 6}), 2, 2}}));
}

TEST(TerrainStamp, KeepsUnknownTemplatesAndTilesByteForByte)
{
    Ground ground;
    ground.setTerrain(stampCell(3, 3), 60000, 7);  // no template of the table
    ground.setTerrain(stampCell(4, 3), 2, 200);    // a tile past the template's four
    const std::vector<std::uint8_t> before = ground.mapPackBytes();
    applyStamp(ground, stampChanges(ground, offeredNamed(paletteTemplates(Theater::Temperate), "W1"), {50, 50}));
    const std::vector<std::uint8_t> after = ground.mapPackBytes();
    std::size_t differing = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        differing += before[i] != after[i];
    EXPECT_EQ(differing, 2U);  // the template's two bytes of the one stamped cell
    EXPECT_EQ(ground.cell(stampCell(3, 3)).kind, GroundKind::Unknown);
}

TEST(TerrainStamp, ADragStampsOnAGridAlignedWithItsFirstStamp)
{
    const PaletteTemplate twoByTwo{2, "W2", "water", 2, 2};
    const CellPlace first{10, 10};
    EXPECT_TRUE(stampPlacesAlong(first, twoByTwo, first, {11, 11}).empty());
    EXPECT_EQ(stampPlacesAlong(first, twoByTwo, first, {12, 11}), (std::vector<CellPlace>{{12, 10}}));
    // A quick move leaves no gap; the places stay on the grid.
    EXPECT_EQ(stampPlacesAlong(first, twoByTwo, {12, 10}, {17, 13}), (std::vector<CellPlace>{{14, 10}, {16, 12}}));
    EXPECT_EQ(stampPlacesAlong(first, twoByTwo, {12, 10}, {16, 10}), (std::vector<CellPlace>{{14, 10}, {16, 10}}));
    // Left of and above the first stamp too.
    EXPECT_EQ(stampPlacesAlong(first, twoByTwo, first, {9, 9}), (std::vector<CellPlace>{{8, 8}}));
    EXPECT_EQ(stampPlacesAlong(first, kClearStamp, first, {10, 12}), (std::vector<CellPlace>{{10, 11}, {10, 12}}));
}

} // namespace
} // namespace vexa
