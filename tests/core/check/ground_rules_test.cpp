#include "core/check/scenario_check.h"
#include "core/document/reader.h"
#include "core/ground/ground.h"

#include "check_test_support.h"

#include <gtest/gtest.h>

using namespace vexa;

namespace {

using Lines = std::vector<std::string>;

// Cells of the test ground and what lies there.
constexpr std::size_t kWater = 500;    // template 1, a single water tile
constexpr std::size_t kRiver = 501;    // template 120, tile 2: river
constexpr std::size_t kRock = 502;     // template 97: rock
constexpr std::size_t kUnknown = 503;  // template 400, which the table does not know
constexpr std::size_t kBeach = 504;    // template 10: beach; 505 and on are clear ground

Ground testGround()
{
    Ground ground;
    ground.setTerrain(kWater, 1, 0);
    ground.setTerrain(kRiver, 120, 2);
    ground.setTerrain(kRock, 97, 0);
    ground.setTerrain(kUnknown, 400, 0);
    ground.setTerrain(kBeach, 10, 0);
    return ground;
}

std::string section(std::string_view header, const std::vector<std::string>& lines)
{
    std::string text = std::string(header) + "\n";
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// [MapPack] holding the test ground.
std::string mapPack()
{
    return section("[MapPack]", packLines(testGround().mapPackBytes()));
}

using test::checkFile;
using test::found;

std::string objectLines(std::string_view header, std::string_view row, std::initializer_list<std::size_t> cells)
{
    std::string text = std::string(header) + "\n";
    std::size_t key = 0;
    for (const std::size_t cell : cells) {
        std::string line(row);
        line.replace(line.find('@'), 1, std::to_string(cell));
        text += std::to_string(key++) + "=" + line + "\n";
    }
    return text;
}

std::string ships(std::initializer_list<std::size_t> cells)
{
    return objectLines("[SHIPS]", "Greece,DD,256,@,0,Guard,None", cells);
}

std::string units(std::initializer_list<std::size_t> cells)
{
    return objectLines("[UNITS]", "Greece,1TNK,256,@,0,Guard,None", cells);
}

std::string infantry(std::initializer_list<std::size_t> cells)
{
    return objectLines("[INFANTRY]", "Greece,E1,256,@,0,Guard,0,None", cells);
}

} // namespace

TEST(PackRule, AFaultNamesItsLineAndReason)
{
    // A character that is no Base64 in the pack's second line (file line 4).
    std::vector<std::string> lines = packLines(testGround().mapPackBytes());
    ASSERT_EQ(lines.size(), 2U);
    lines[1][5] = '!';
    const std::string bytes = "; ground\n" + section("[MapPack]", lines);
    EXPECT_EQ(found(bytes), Lines{"pack@4"});
    const Finding finding = checkFile(bytes).at(0);
    EXPECT_EQ(finding.severity, Severity::Error);
    EXPECT_EQ(finding.section, "[MapPack]");
    EXPECT_EQ(finding.paneLine, 1U);
    EXPECT_EQ(finding.message, "[MapPack] cannot be unpacked: '!' is not a Base64 character.");

    // A key used twice names the first line as the file counts it, or as the pane does.
    const std::string twice = section("[OverlayPack]", {"1=AAAA", "", "1=AAAA"});
    EXPECT_EQ(found(twice), Lines{"pack@4"});
    EXPECT_EQ(checkFile(twice).at(0).message, "[OverlayPack] cannot be unpacked: the key is used twice (also on line 2).");
    EXPECT_EQ(checkScenario(readScenario(twice)).at(0).message,
              "[OverlayPack] cannot be unpacked: the key is used twice (also on line 0).");
}

TEST(PackRule, AWrongTotalSizeNamesTheSection)
{
    // The overlay pack's lines in [MapPack]: they unpack to 16384 bytes, not 49152.
    const std::string bytes = "[Basic]\nName=x\n\n" + section("[MapPack]", packLines(testGround().overlayPackBytes()));
    EXPECT_EQ(found(bytes), Lines{"pack@4"});
    const Finding finding = checkFile(bytes).at(0);
    EXPECT_EQ(finding.section, "[MapPack]");
    EXPECT_EQ(finding.pane, PaneId::MapPack);
    EXPECT_EQ(finding.paneLine, std::nullopt);
    EXPECT_EQ(finding.message, "[MapPack] cannot be unpacked: the chunks unpack to 16384 bytes, not 49152.");
    EXPECT_EQ(checkScenario(readScenario(bytes)).at(0).fileLine, std::nullopt) << "no file, no file line";
}

TEST(PackRule, EmptyMissingAndGoodPacksGiveNothing)
{
    EXPECT_EQ(found(""), Lines{});
    EXPECT_EQ(found("[MapPack]\n\n; nothing yet\n[OverlayPack]\n"), Lines{});
    EXPECT_EQ(found(mapPack() + section("[OverlayPack]", packLines(testGround().overlayPackBytes()))), Lines{});
    // Each bad pack is one finding.
    EXPECT_EQ(found("[MapPack]\n1=AAAA\n[OverlayPack]\n2=AAAA\n"), (Lines{"pack@2", "pack@4"}));
}

TEST(GroundRule, ShipsNeedWater)
{
    EXPECT_EQ(found(ships({kWater, kRiver, kRock, kBeach, 600, kUnknown}) + mapPack()),
              (Lines{"ground@3", "ground@4", "ground@5", "ground@6"}));
    const std::vector<Finding> findings = checkFile(ships({kRiver, 600}) + mapPack());
    ASSERT_EQ(findings.size(), 2U);
    EXPECT_EQ(findings[0].severity, Severity::Warning);
    EXPECT_EQ(findings[0].section, "[SHIPS]");
    EXPECT_EQ(findings[0].message, "The ship 'DD' at cell 501 (x 117, y 3) stands on river (template 120, tile 2), "
                                   "not on water.");
    EXPECT_EQ(findings[1].message, "The ship 'DD' at cell 600 (x 88, y 4) stands on clear ground (no template), "
                                   "not on water.");
}

TEST(GroundRule, UnitsAndSoldiersNeedLand)
{
    EXPECT_EQ(found(units({kWater, kRiver, kRock, kBeach, 600, kUnknown}) + mapPack()),
              (Lines{"ground@2", "ground@3"}));
    EXPECT_EQ(found(infantry({kBeach, kRiver, kWater}) + mapPack()), (Lines{"ground@3", "ground@4"}));
    // Any line that places a thing: a key that is no number, no fields past the cell.
    EXPECT_EQ(found("[UNITS]\n7=Multi1,1TNK,256,500\n[INFANTRY]\nx=Multi1,E1,256,501,0,Guard,0,None\n" + mapPack()),
              (Lines{"field-count@2", "ground@2", "ground@4"}));
    EXPECT_EQ(checkFile(units({kWater}) + mapPack()).at(0).message,
              "The unit '1TNK' at cell 500 (x 116, y 3) stands on water (template 1, tile 0).");
    EXPECT_EQ(checkFile(infantry({kRiver}) + mapPack()).at(0).message,
              "The soldier 'E1' at cell 501 (x 117, y 3) stands on river (template 120, tile 2).");
}

TEST(GroundRule, LeavesAloneWhatItCannotJudge)
{
    // Buildings: a shipyard stands on water, and a building's cell is only its corner.
    EXPECT_EQ(found("[STRUCTURES]\n0=Greece,SYRD,256,500,0,None,1,0\n" + mapPack()), Lines{});
    // Without a readable map pack the ground is not known.
    EXPECT_EQ(found(ships({600}) + units({kWater})), Lines{});
    EXPECT_EQ(found(ships({600}) + section("[MapPack]", packLines(testGround().overlayPackBytes()))), Lines{"pack@3"});
    // Off the map is the off-map rule's; a line short of its cell places nothing.
    EXPECT_EQ(found(ships({20000}) + mapPack()), Lines{"off-map@2"});
    EXPECT_EQ(found("[UNITS]\n0=Greece,1TNK,256\n" + mapPack()), Lines{"field-count@2"});
    EXPECT_EQ(found("[UNITS]\n0=Greece,1TNK,256,x,0,Guard,None\n" + mapPack()), Lines{"off-map@2"});
}
