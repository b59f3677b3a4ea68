#include "core/ground/ground.h"

#include "pack_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vexa {
namespace {

using test::paneOf;
using Status = UnpackedPack::Status;

TEST(TerrainTemplates, TableHoldsEveryRowOfTheTsv)
{
    std::ifstream file(VEXA_SOURCE_DIR "/data/terrain-templates.tsv");
    std::vector<TerrainTemplate> rows;
    std::vector<std::string> letters;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        int number = 0, width = 0, height = 0;
        std::string tiles;
        fields >> number >> width >> height >> tiles;
        letters.push_back(tiles);
        rows.push_back({static_cast<std::uint16_t>(number), static_cast<std::uint8_t>(width),
                        static_cast<std::uint8_t>(height), {}, {}, {}});
    }
    const auto table = terrainTemplates();
    ASSERT_EQ(table.size(), rows.size());
    ASSERT_GT(rows.size(), 300U);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(table[i].number, rows[i].number);
        EXPECT_EQ(table[i].width, rows[i].width);
        EXPECT_EQ(table[i].height, rows[i].height);
        EXPECT_EQ(table[i].tiles, letters[i]);
        EXPECT_EQ(findTerrainTemplate(rows[i].number), &table[i]);
    }
}

TEST(TerrainTemplates, GroundKindByTile)
{
    // Template 3: LLLK LLLB BWWV WWLL WLLL
    EXPECT_EQ(groundKindOf(3, 0), GroundKind::Clear);
    EXPECT_EQ(groundKindOf(3, 3), GroundKind::Rock);
    EXPECT_EQ(groundKindOf(3, 7), GroundKind::Beach);
    EXPECT_EQ(groundKindOf(3, 9), GroundKind::Water);
    EXPECT_EQ(groundKindOf(3, 11), GroundKind::River);
    EXPECT_EQ(groundKindOf(3, 19), GroundKind::Clear);
    EXPECT_EQ(groundKindOf(4, 16), GroundKind::Rough);  // LLLLLLLLBBBLBBBBGGVL...
    EXPECT_EQ(groundKindOf(64, 0), GroundKind::Rough);
    const auto withLetter = [](char letter) {
        for (const TerrainTemplate& entry : terrainTemplates()) {
            const std::size_t tile = entry.tiles.find(letter);
            if (tile != std::string_view::npos)
                return groundKindOf(entry.number, static_cast<std::uint8_t>(tile));
        }
        return GroundKind::Unknown;
    };
    EXPECT_EQ(withLetter('D'), GroundKind::Road);
    EXPECT_EQ(withLetter('X'), GroundKind::Wall);
}

TEST(TerrainTemplates, ClearUnknownAndPastTheLetters)
{
    EXPECT_EQ(groundKindOf(kClearTemplate, 0), GroundKind::Clear);
    EXPECT_EQ(groundKindOf(kClearTemplate, 7), GroundKind::Clear);
    EXPECT_EQ(groundKindOf(1, kClearTile), GroundKind::Clear);   // template 1 is water
    EXPECT_EQ(groundKindOf(1, 0), GroundKind::Water);
    EXPECT_EQ(groundKindOf(1, 1), GroundKind::Clear);            // past its one letter
    EXPECT_EQ(groundKindOf(3, 20), GroundKind::Clear);
    EXPECT_EQ(groundKindOf(100, 0), GroundKind::Unknown);        // a gap in the numbers
    EXPECT_EQ(groundKindOf(400, 0), GroundKind::Unknown);        // past the last
    EXPECT_EQ(groundKindOf(65534, 0), GroundKind::Unknown);
    EXPECT_EQ(findTerrainTemplate(100), nullptr);
    EXPECT_EQ(groundKindName(GroundKind::River), "river");
    EXPECT_EQ(groundKindName(GroundKind::Unknown), "unknown");
}

TEST(TerrainTemplates, NamesAndTheatersOfTheTemplates)
{
    const auto check = [](std::uint16_t number, std::string_view name, std::vector<Theater> theaters) {
        const TerrainTemplate* found = findTerrainTemplate(number);
        ASSERT_NE(found, nullptr) << number;
        EXPECT_EQ(found->name, name) << number;
        for (const Theater theater : {Theater::Temperate, Theater::Snow, Theater::Interior}) {
            const bool listed = std::find(theaters.begin(), theaters.end(), theater) != theaters.end();
            EXPECT_EQ(belongsTo(*found, theater), listed) << number << " in " << static_cast<int>(theater);
        }
    };
    check(0, "CLEAR1", {Theater::Temperate, Theater::Snow, Theater::Interior});
    check(1, "W1", {Theater::Temperate, Theater::Snow});
    check(268, "FLOR0001", {Theater::Interior});
    check(399, "XTRA0016", {Theater::Interior});
    check(255, "", {});  // read as clear ground, never painted

    EXPECT_EQ(theaterNamed("INTERIOR"), Theater::Interior);
    EXPECT_EQ(theaterNamed("interior"), Theater::Interior);
    EXPECT_EQ(theaterNamed("Snow"), Theater::Snow);
    EXPECT_EQ(theaterNamed("TEMPERATE"), Theater::Temperate);
    EXPECT_EQ(theaterNamed(""), Theater::Temperate);
    EXPECT_EQ(theaterNamed("INTERIORS"), Theater::Temperate);
    EXPECT_EQ(theaterNamed("SNO"), Theater::Temperate);

    for (const std::uint16_t bare : {kClearTemplate, std::uint16_t{255}, std::uint16_t{0}})
        EXPECT_TRUE(isBareTemplate(bare)) << bare;
    for (const std::uint16_t drawn : {1, 254, 256, 268, 65534})
        EXPECT_FALSE(isBareTemplate(drawn)) << drawn;
}

TEST(Ground, WithoutPacksIsClearEverywhere)
{
    const Ground ground;
    for (const std::size_t cell : {std::size_t{0}, std::size_t{8256}, std::size_t{16383}})
        EXPECT_EQ(ground.cell(cell), (GroundCell{kClearTemplate, 0, GroundKind::Clear, kNoOverlay}));
    EXPECT_THROW(ground.cell(16384), std::out_of_range);
    EXPECT_EQ(Ground(std::vector<std::uint8_t>(100), std::vector<std::uint8_t>(100)), ground);
}

TEST(Ground, ReadFromTheRealPacks)
{
    const Scenario scenario = test::realPacks();
    const GroundReading reading = readGround(scenario.pane(PaneId::MapPack), scenario.pane(PaneId::OverlayPack));
    EXPECT_EQ(reading.mapPack, Status::Unpacked);
    EXPECT_EQ(reading.overlayPack, Status::Unpacked);
    EXPECT_TRUE(reading.errors.empty());
    EXPECT_EQ(reading.theater, Theater::Temperate);
    Scenario indoors = scenario;
    indoors.field(FieldId::Theater) = " interior ; the cellars";
    EXPECT_EQ(readGround(indoors).theater, Theater::Interior);
    const Ground& ground = reading.ground;
    EXPECT_EQ(ground.cell(8256), (GroundCell{kClearTemplate, 0, GroundKind::Clear, kNoOverlay}));
    EXPECT_EQ(ground.cell(2093), (GroundCell{37, 2, GroundKind::Beach, kNoOverlay}));
    EXPECT_EQ(ground.cell(6065), (GroundCell{21, 1, GroundKind::Water, kNoOverlay}));
    EXPECT_EQ(ground.cell(2898), (GroundCell{64, 0, GroundKind::Rough, kNoOverlay}));
    EXPECT_EQ(ground.cell(3371).kind, GroundKind::Rock);
    EXPECT_EQ(overlayName(ground.cell(2650).overlay), "GOLD01");

    // Packing the model gives the packs back.
    const MemoryPane mapPane = paneOf(packLines(ground.mapPackBytes()));
    const MemoryPane overlayPane = paneOf(packLines(ground.overlayPackBytes()));
    EXPECT_EQ(readGround(mapPane, overlayPane).ground, ground);
}

TEST(Ground, EditsKeepTheKindAndReachThePacks)
{
    Ground ground;
    ground.setTerrain(129, 3, 9);
    ground.setOverlay(129, 5);
    ground.setTerrain(16383, 1, 0);
    EXPECT_EQ(ground.cell(129), (GroundCell{3, 9, GroundKind::Water, 5}));
    EXPECT_EQ(ground.cell(16383).kind, GroundKind::Water);
    const Ground reread(ground.mapPackBytes(), ground.overlayPackBytes());
    EXPECT_EQ(reread, ground);
    EXPECT_EQ(ground.mapPackBytes()[2 * 129], 3);
    EXPECT_EQ(ground.mapPackBytes()[2 * 16384 + 129], 9);
    EXPECT_EQ(ground.mapPackBytes()[2 * 16383 + 1], 0);
    EXPECT_EQ(ground.mapPackBytes()[2 * 0 + 1], 0xFF);
    EXPECT_THROW(ground.setTerrain(16384, 1, 0), std::out_of_range);
    EXPECT_THROW(ground.setOverlay(16384, 1), std::out_of_range);
}

TEST(Ground, APackThatFailsLeavesItsPartClear)
{
    const Scenario scenario = test::realPacks();
    const MemoryPane broken = paneOf({"1=AAAA", "3=AAAA"});
    const GroundReading reading = readGround(broken, scenario.pane(PaneId::OverlayPack));
    EXPECT_EQ(reading.mapPack, Status::Failed);
    EXPECT_EQ(reading.overlayPack, Status::Unpacked);
    ASSERT_EQ(reading.errors.size(), 1U);
    EXPECT_EQ(reading.errors[0].pack, PackId::Map);
    EXPECT_EQ(reading.ground.cell(2093).kind, GroundKind::Clear);
    EXPECT_EQ(reading.ground.cell(2650).overlay, 5);

    const GroundReading none = readGround(MemoryPane(), broken);
    EXPECT_EQ(none.mapPack, Status::NoPack);
    EXPECT_EQ(none.overlayPack, Status::Failed);
    ASSERT_EQ(none.errors.size(), 1U);
    EXPECT_EQ(none.errors[0].pack, PackId::Overlay);
    EXPECT_EQ(none.ground, Ground());
}

} // namespace
} // namespace vexa
