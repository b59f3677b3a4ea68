#include "core/map/summary.h"

#include "core/document/reader.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace vexa;

namespace {

std::string section(std::string_view header, const std::vector<std::string>& lines)
{
    std::string text = std::string(header) + "\n";
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string packs(const Ground& ground)
{
    return section("[MapPack]", packLines(ground.mapPackBytes()))
        + section("[OverlayPack]", packLines(ground.overlayPackBytes()));
}

std::size_t kindCells(const ScenarioSummary& summary, GroundKind kind)
{
    return summary.groundCells[static_cast<std::size_t>(kind)];
}

std::size_t total(const ScenarioSummary& summary)
{
    return std::accumulate(summary.groundCells.begin(), summary.groundCells.end(), std::size_t{0});
}

const std::string kSmallArea = "[Map]\nTheater=SNOW ; cold\nX=10\nY=20\nWidth=4\nHeight=3\n";  // 12 cells

} // namespace

// Objects count where the map draws them; the other sections count their key=value lines.
TEST(ScenarioSummary, CountsTheEntriesOfEachSection)
{
    const ScenarioSummary summary = summarizeScenario(readScenario(
        "[STRUCTURES]\n0=G,FACT,256,9\n; a comment\n\nx=G,FACT,256,9,0,None,1,0,9\nnot a pair\n2=G,FACT,256\n"
        "[UNITS]\n0=G,1TNK,256,x9\n1=G,1TNK,256,9\n[SHIPS]\n0=G,PT,256,1\n1=G,PT,256,2\n2=G,PT,256,3\n"
        "[INFANTRY]\n0=G,E1,256,9,left\n"
        "[TERRAIN]\n5=T01\n[SMUDGE]\n5=CR1\n[Overlay]\n5=GOLD01\n[Waypoints]\n0=5\n1=6\n[CellTriggers]\n5=t\n"
        "[Trigs]\nt=0\n[TeamTypes]\na=1\nb=2\n[Base]\nCount=0\n"));
    const std::array<std::size_t, 11> expected = {2, 1, 3, 1, 1, 1, 1, 2, 1, 1, 2};
    EXPECT_EQ(summary.entries, expected);
    EXPECT_EQ(kSummarySections[8].name, "cell_triggers");
    EXPECT_EQ(summarizeScenario(Scenario{}).entries, (std::array<std::size_t, 11>{}));
}

TEST(ScenarioSummary, TheaterAndPlayableArea)
{
    const ScenarioSummary summary = summarizeScenario(readScenario(kSmallArea));
    EXPECT_EQ(summary.theater, "SNOW");
    EXPECT_EQ(summary.playable, PlayableArea::inside(10, 20, 4, 3));
    const ScenarioSummary without = summarizeScenario(readScenario("[Map]\nX=120\nY=0\nWidth=20\nHeight=4\n"));
    EXPECT_EQ(without.theater, "");
    EXPECT_EQ(without.playable, std::nullopt);
}

TEST(ScenarioSummary, CountsTheGroundInsideThePlayableArea)
{
    Ground ground;
    ground.setTerrain(10 + 128 * 20, 1, 0);    // water, the area's first cell
    ground.setTerrain(13 + 128 * 22, 120, 2);  // river, its last
    ground.setTerrain(14 + 128 * 22, 1, 0);    // water just outside
    ground.setTerrain(10 + 128 * 19, 1, 0);
    ground.setTerrain(11 + 128 * 21, 400, 0);  // a template the table does not know
    ground.setTerrain(12 + 128 * 21, 227, 0);  // road
    const ScenarioSummary summary = summarizeScenario(readScenario(kSmallArea + packs(ground)));
    EXPECT_EQ(summary.mapPackError, std::nullopt);
    EXPECT_EQ(kindCells(summary, GroundKind::Water), 1U);
    EXPECT_EQ(kindCells(summary, GroundKind::River), 1U);
    EXPECT_EQ(kindCells(summary, GroundKind::Unknown), 1U);
    EXPECT_EQ(kindCells(summary, GroundKind::Road), 1U);
    EXPECT_EQ(kindCells(summary, GroundKind::Clear), 8U);
    EXPECT_EQ(total(summary), 12U);

    // Without a playable area, the whole map; without a map pack, all of it clear ground.
    const ScenarioSummary whole = summarizeScenario(readScenario(packs(ground)));
    EXPECT_EQ(kindCells(whole, GroundKind::Water), 3U);
    EXPECT_EQ(total(whole), 16384U);
    const ScenarioSummary noPack = summarizeScenario(readScenario(kSmallArea));
    EXPECT_EQ(kindCells(noPack, GroundKind::Clear), 12U);
    EXPECT_EQ(total(noPack), 12U);
}

TEST(ScenarioSummary, CountsEachOverlayOfThePack)
{
    Ground ground;
    for (const std::size_t cell : {0, 1, 2, 16383})
        ground.setOverlay(cell, 5);  // GOLD01, also outside any playable area
    ground.setOverlay(100, 2);       // BRIK
    ground.setOverlay(101, 37);      // no overlay's number
    const ScenarioSummary summary = summarizeScenario(readScenario(kSmallArea + packs(ground)));
    EXPECT_EQ(summary.overlays, (std::vector<OverlayCount>{{2, 1}, {5, 4}, {37, 1}}));
    EXPECT_EQ(overlayCode(5), "GOLD01");
    EXPECT_EQ(overlayCode(24), "WWCRATE");
    EXPECT_EQ(overlayCode(37), "37");
    EXPECT_EQ(overlayCode(255), "255");
    EXPECT_TRUE(summarizeScenario(readScenario(kSmallArea)).overlays.empty());
}

TEST(ScenarioSummary, APackThatCannotBeUnpackedGivesItsErrorInPlaceOfItsCounts)
{
    Ground ground;
    ground.setTerrain(0, 1, 0);
    ground.setOverlay(0, 5);
    // Each pack holds the other's lines: both unpack to the wrong size.
    const std::string swapped = section("[MapPack]", packLines(ground.overlayPackBytes()))
        + section("[OverlayPack]", packLines(ground.mapPackBytes()));
    const ScenarioSummary summary = summarizeScenario(readScenario(swapped));
    ASSERT_TRUE(summary.mapPackError);
    EXPECT_EQ(summary.mapPackError->pack, PackId::Map);
    EXPECT_EQ(total(summary), 0U);
    ASSERT_TRUE(summary.overlayPackError);
    EXPECT_EQ(summary.overlayPackError->pack, PackId::Overlay);
    EXPECT_TRUE(summary.overlays.empty());

    // One bad pack leaves the other's counts.
    const ScenarioSummary overlayBad = summarizeScenario(
        readScenario(section("[MapPack]", packLines(ground.mapPackBytes())) + "[OverlayPack]\n1=AAAA\n"));
    EXPECT_EQ(overlayBad.mapPackError, std::nullopt);
    EXPECT_EQ(kindCells(overlayBad, GroundKind::Water), 1U);
    EXPECT_TRUE(overlayBad.overlayPackError);
}
