#include "core/map/placed_things.h"

#include "core/decorations/decorations.h"
#include "core/decorations/waypoints.h"
#include "core/document/body_line.h"
#include "core/document/scenario.h"
#include "core/placement/buildings.h"

#include <gtest/gtest.h>

#include <string>

namespace vexa {
namespace {

TEST(ReadPlacedThing, EveryNumberedObjectLine)
{
    const auto structure = readPlacedThing(ThingKind::Structure, "4=Neutral,V01,256,8240,0,None,1,0 ; the church");
    ASSERT_TRUE(structure);
    EXPECT_EQ(*structure, (PlacedThing{ThingKind::Structure, 8240, "V01", "Neutral", 0, PaneId::Structures, 0}));

    const auto unit = readPlacedThing(ThingKind::Unit, "0=Multi1,HARV,256,5930,64,Harvest,None");
    ASSERT_TRUE(unit);
    EXPECT_EQ(*unit, (PlacedThing{ThingKind::Unit, 5930, "HARV", "Multi1", 0, PaneId::Units, 0}));

    const auto ship = readPlacedThing(ThingKind::Ship, "0=Greece,PT,256,6400,128,Guard,None");
    ASSERT_TRUE(ship);
    EXPECT_EQ(*ship, (PlacedThing{ThingKind::Ship, 6400, "PT", "Greece", 0, PaneId::Ships, 0}));

    const auto soldier = readPlacedThing(ThingKind::Infantry, "1=USSR,E1,256,5934,3,Guard,0,None");
    ASSERT_TRUE(soldier);
    EXPECT_EQ(*soldier, (PlacedThing{ThingKind::Infantry, 5934, "E1", "USSR", 3, PaneId::Infantry, 0}));
}

TEST(ReadPlacedThing, InfantryStandsInOneOfFivePlaces)
{
    const auto subPosition = [](const char* sub) {
        return readPlacedThing(ThingKind::Infantry, std::string("1=USSR,E1,256,5934,") + sub + ",Guard,0,None")
            ->subPosition;
    };
    EXPECT_EQ(subPosition("0"), 0);
    EXPECT_EQ(subPosition("4"), 4);
    EXPECT_EQ(subPosition("5"), 0);
    EXPECT_EQ(subPosition("-1"), 0);
}

// The game reads an object's section line by line and a line's fields up to the ones it
// needs: any key, and fields past the cell, missing or more, do not matter.
TEST(ReadPlacedThing, TheFieldsUpToTheCellAreEnough)
{
    EXPECT_EQ(readPlacedThing(ThingKind::Structure, "0=Greece,FACT,256,100"),
              (PlacedThing{ThingKind::Structure, 100, "FACT", "Greece", 0, PaneId::Structures, 0}));
    EXPECT_EQ(readPlacedThing(ThingKind::Unit, "first=Greece,1TNK,256,100,0,Guard,None,extra"),
              (PlacedThing{ThingKind::Unit, 100, "1TNK", "Greece", 0, PaneId::Units, 0}));
    EXPECT_EQ(readPlacedThing(ThingKind::Infantry, "0=Greece,E1,256,100,2"),
              (PlacedThing{ThingKind::Infantry, 100, "E1", "Greece", 2, PaneId::Infantry, 0}));
    EXPECT_EQ(readPlacedThing(ThingKind::Infantry, "x=Greece,E1,256,100")->subPosition, 0) << "in the centre";
    EXPECT_EQ(readPlacedThing(ThingKind::Infantry, "0=Greece,E1,256,100,left,Guard,0,None")->subPosition, 0);
    EXPECT_EQ(readPlacedThing(ThingKind::Waypoint, "0=100,101"),
              (PlacedThing{ThingKind::Waypoint, 100, "0", "", 0, PaneId::Waypoints, 0}));
    EXPECT_EQ(readPlacedThing(ThingKind::BaseEntry, "entry=FACT,100,1"),
              (PlacedThing{ThingKind::BaseEntry, 100, "FACT", "", 0, PaneId::Base, 0}));
}

// Where a line gives its cell and trigger, for the rules that look at them whether or not
// the line places a thing.
TEST(ReadThingLine, TheCellAndTheTrigger)
{
    const auto read = [](ThingKind kind, std::string_view line) {
        const BodyLine body = readBodyLine(line);
        const ThingLine thing = readThingLine(kind, body, Fields(body));
        return std::pair(thing.cell ? std::optional(std::string(thing.cell->text)) : std::nullopt,
                         thing.trigger ? std::optional(std::string(*thing.trigger)) : std::nullopt);
    };
    using Read = std::pair<std::optional<std::string>, std::optional<std::string>>;
    EXPECT_EQ(read(ThingKind::Structure, "0=Greece,FACT,256,abc,0,alarm"), (Read{"abc", "alarm"}));
    EXPECT_EQ(read(ThingKind::Infantry, "0=Greece,E1,256,5,0,Guard,0"), (Read{"5", std::nullopt}));
    EXPECT_EQ(read(ThingKind::Unit, "0=Greece,1TNK,256"), (Read{std::nullopt, std::nullopt}));
    EXPECT_EQ(read(ThingKind::Smudge, "here=CR1,5,0"), (Read{"here", std::nullopt}));
    EXPECT_EQ(read(ThingKind::CellTrigger, "5=alarm, 2"), (Read{"5", "alarm, 2"}));
    EXPECT_EQ(read(ThingKind::Waypoint, "w=x"), (Read{"x", std::nullopt}));
    EXPECT_EQ(read(ThingKind::BaseEntry, "000=FACT,x"), (Read{"x", std::nullopt}));
    EXPECT_EQ(read(ThingKind::BaseEntry, "Count=1,2"), (Read{std::nullopt, std::nullopt}));
    EXPECT_EQ(read(ThingKind::Ship, "; 0=Greece,PT,256,5,0,Guard,alarm"), (Read{std::nullopt, std::nullopt}));
}

TEST(ReadPlacedThing, BlanksAndCommentsAroundFieldsDoNotCount)
{
    EXPECT_EQ(readPlacedThing(ThingKind::Unit, " 3 = Greece , 1TNK ,256, 5119 ,0,Guard,None;moved"),
              (PlacedThing{ThingKind::Unit, 5119, "1TNK", "Greece", 0, PaneId::Units, 0}));
    EXPECT_EQ(readPlacedThing(ThingKind::Waypoint, "0=500;start"),
              (PlacedThing{ThingKind::Waypoint, 500, "0", "", 0, PaneId::Waypoints, 0}));
    EXPECT_FALSE(readPlacedThing(ThingKind::Waypoint, "0=\t500")) << "a tab is no blank";
}

TEST(ReadPlacedThing, EveryCellKeyedLine)
{
    EXPECT_EQ(readPlacedThing(ThingKind::Terrain, "7000=T01,None"),
              (PlacedThing{ThingKind::Terrain, 7000, "T01", "", 0, PaneId::Terrain, 0}));
    EXPECT_EQ(readPlacedThing(ThingKind::Smudge, "8500=CR1,8500,0"),
              (PlacedThing{ThingKind::Smudge, 8500, "CR1", "", 0, PaneId::Smudge, 0}));
    EXPECT_EQ(readPlacedThing(ThingKind::Overlay, "8000=GOLD01 ; ore"),
              (PlacedThing{ThingKind::Overlay, 8000, "GOLD01", "", 0, PaneId::Overlay, 0}));
    // A trigger's name is the whole value, whatever it holds.
    EXPECT_EQ(readPlacedThing(ThingKind::CellTrigger, "3000=alarm,2"),
              (PlacedThing{ThingKind::CellTrigger, 3000, "alarm,2", "", 0, PaneId::CellTriggers, 0}));
}

TEST(ReadPlacedThing, WaypointsAndBaseEntries)
{
    EXPECT_EQ(readPlacedThing(ThingKind::Waypoint, "98=8240 ; village"),
              (PlacedThing{ThingKind::Waypoint, 8240, "98", "", 0, PaneId::Waypoints, 0}));
    EXPECT_EQ(readPlacedThing(ThingKind::BaseEntry, "007=GUN,2380", "Greece"),
              (PlacedThing{ThingKind::BaseEntry, 2380, "GUN", "Greece", 0, PaneId::Base, 0}));
}

TEST(ReadPlacedThing, LinesThatPlaceNothingAreSkipped)
{
    const std::pair<ThingKind, const char*> skipped[] = {
        {ThingKind::Structure, "; a comment"},
        {ThingKind::Structure, ""},
        {ThingKind::Structure, "0=Greece,FACT,256"},              // no cell
        {ThingKind::Structure, "0=Greece,FACT,256,abc,0,None,1,0"}, // cell no number
        {ThingKind::Unit, "0=Greece,1TNK,256,12 x,0,Guard,None"},
        {ThingKind::Infantry, "0=Greece,E1,256"},
        {ThingKind::Terrain, "here=T01"},
        {ThingKind::Overlay, "100="},
        {ThingKind::Waypoint, "0=12a"},
        {ThingKind::Waypoint, "w=100"},
        {ThingKind::Waypoint, "0="},
        {ThingKind::BaseEntry, "Player=Greece"},
        {ThingKind::BaseEntry, "Count=2,2"},
        {ThingKind::BaseEntry, "000=FACT"},
    };
    for (const auto& [kind, line] : skipped)
        EXPECT_FALSE(readPlacedThing(kind, line)) << line;
}

TEST(ReadMapContents, ReadsWhatTheDialogsWrite)
{
    Scenario scenario;
    createBuildings({"Greece", "GUN", "256", "0", "2380", "2382", "2", "None", false, "guns", true},
                    scenario.pane(PaneId::Structures), scenario.pane(PaneId::Base));
    createDecorations(DecorationFormat::Smudge, {"100", "100", "1", "CR1", "burnt"}, scenario.pane(PaneId::Smudge));
    createDecorations(DecorationFormat::CellTriggers, {"300", "300", "1", "alarm", ""},
                      scenario.pane(PaneId::CellTriggers));
    scenario.pane(PaneId::Base).replace(0, "Count=2");
    scenario.pane(PaneId::Base).replace(1, "Player = Greece ; ours");
    scenario.pane(PaneId::Waypoints).append("; start");
    addWaypoint({"500", "start"}, scenario.pane(PaneId::Waypoints));

    const std::vector<PlacedThing> expected = {
        {ThingKind::Structure, 2380, "GUN", "Greece", 0, PaneId::Structures, 0},
        {ThingKind::Structure, 2382, "GUN", "Greece", 0, PaneId::Structures, 1},
        {ThingKind::Smudge, 100, "CR1", "", 0, PaneId::Smudge, 0},
        {ThingKind::Waypoint, 500, "1", "", 0, PaneId::Waypoints, 1},
        {ThingKind::CellTrigger, 300, "alarm", "", 0, PaneId::CellTriggers, 0},
        {ThingKind::BaseEntry, 2380, "GUN", "Greece", 0, PaneId::Base, 2},
        {ThingKind::BaseEntry, 2382, "GUN", "Greece", 0, PaneId::Base, 3},
    };
    EXPECT_EQ(readMapContents(scenario).things, expected);
}

} // namespace
} // namespace vexa
