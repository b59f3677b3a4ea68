#include "core/map/map_edits.h"

#include "core/document/scenario.h"

#include "../pane_of_lines.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace vexa {
namespace {

using Lines = std::vector<std::string>;

using test::paneOf;

// The line once the edits that give it the cell are made.
std::string withCell(ThingKind kind, const std::string& line, std::int32_t cell)
{
    const PaneChange change{paneOfKind(kind), cellEdits(kind, 0, line, cell), {}, {}};
    return applied(paneOf({line}), change).line(0);
}

Scenario after(const Scenario& scenario, const MapEdit& edit)
{
    EXPECT_FALSE(edit.refused()) << edit.refusal;
    Scenario result = scenario;
    for (const PaneChange& change : edit.changes)
        result.pane(change.pane) = applied(scenario.pane(change.pane), change);
    return result;
}

// The thing on a line as the map reads it.
PlacedThing thingOn(const Scenario& scenario, ThingKind kind, std::size_t line)
{
    PlacedThing thing = readPlacedThing(kind, scenario.pane(paneOfKind(kind)).lineView(line)).value_or(PlacedThing{});
    thing.line = line;
    return thing;
}

std::vector<PaneId> panesOf(const MapEdit& edit)
{
    std::vector<PaneId> panes;
    for (const PaneChange& change : edit.changes)
        panes.push_back(change.pane);
    return panes;
}

} // namespace

TEST(CellEdits, RewriteOnlyTheCellOfEveryKindOfLine)
{
    struct Case {
        ThingKind kind;
        std::string line;
        std::string expected;
    };
    const Case cases[] = {
        {ThingKind::Structure, " 4 = Greece,POWR ,256,  500 ,0,None,1,0 ;  the plant",
         " 4 = Greece,POWR ,256,  4501 ,0,None,1,0 ;  the plant"},
        {ThingKind::Unit, "0=USSR,HARV,256,500", "0=USSR,HARV,256,4501"},
        {ThingKind::Ship, "0=Greece,PT,256,500,128,Guard,None;x,500", "0=Greece,PT,256,4501,128,Guard,None;x,500"},
        {ThingKind::Infantry, "1=USSR,E1,256,500,3,Guard,0,None", "1=USSR,E1,256,4501,3,Guard,0,None"},
        {ThingKind::Infantry, "x=USSR,E1,256,500", "x=USSR,E1,256,4501"},
        {ThingKind::Terrain, "  500 =T01 ; 500", "  4501 =T01 ; 500"},
        {ThingKind::Overlay, "500=GOLD01", "4501=GOLD01"},
        {ThingKind::CellTrigger, "500 = ambush,500", "4501 = ambush,500"},
        {ThingKind::Waypoint, "98 =  500 ;home", "98 =  4501 ;home"},
        {ThingKind::Smudge, "500 = SC1,  500 ,0 ; crater", "4501 = SC1,  4501 ,0 ; crater"},
        {ThingKind::Smudge, "500=CR1", "4501=CR1"},
        {ThingKind::BaseEntry, "003=POWR,  500;first", "003=POWR,  4501;first"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withCell(c.kind, c.line, 4501), c.expected) << kindName(c.kind);

    const auto smudge = cellEdits(ThingKind::Smudge, 7, "500=SC1,500,0", 4501);
    ASSERT_EQ(smudge.size(), 2u);
    EXPECT_EQ(smudge[0], (LineEdit{7, 0, 3, "4501"}));
    EXPECT_EQ(smudge[1], (LineEdit{7, 8, 3, "4501"}));

    EXPECT_TRUE(cellEdits(ThingKind::Structure, 0, "; no building", 4501).empty());
    EXPECT_TRUE(cellEdits(ThingKind::BaseEntry, 0, "Count=5", 4501).empty());
    EXPECT_TRUE(cellEdits(ThingKind::Terrain, 0, "x500=T01", 4501).empty());
}

TEST(MovedThings, MovesWhatIsPassedAndKeepsTheRest)
{
    Scenario scenario;
    scenario.pane(PaneId::Structures) = paneOf({"; north", "0=Greece,POWR,256,500,0,None,1,0 ; plant"});
    scenario.pane(PaneId::Base) = paneOf({"Player=Greece", "Count=1", "000=POWR,500"});
    scenario.pane(PaneId::Smudge) = paneOf({"600=SC1,600,0", "601=SC2,601,0"});
    scenario.pane(PaneId::Waypoints) = paneOf({"0=700", "1=701"});
    const std::vector<PlacedThing> things = {thingOn(scenario, ThingKind::Waypoint, 1),
                                             thingOn(scenario, ThingKind::Structure, 1),
                                             thingOn(scenario, ThingKind::Smudge, 1),
                                             thingOn(scenario, ThingKind::Structure, 1)};
    const MapEdit edit = movedThings(scenario, things, 1, 2);
    EXPECT_EQ(panesOf(edit), (std::vector{PaneId::Structures, PaneId::Smudge, PaneId::Waypoints}))
        << "one change a pane, in pane order; the base entry stays";
    const Scenario moved = after(scenario, edit);
    EXPECT_EQ(moved.pane(PaneId::Structures).lines(), (Lines{"; north", "0=Greece,POWR,256,757,0,None,1,0 ; plant"}))
        << "a thing passed twice moves once";
    EXPECT_EQ(moved.pane(PaneId::Smudge).lines(), (Lines{"600=SC1,600,0", "858=SC2,858,0"}));
    EXPECT_EQ(moved.pane(PaneId::Waypoints).lines(), (Lines{"0=700", "1=958"}));
}

TEST(MovedThings, RefusedWhenAThingWouldLeaveTheMap)
{
    Scenario scenario;
    scenario.pane(PaneId::Structures) = paneOf({"0=Greece,GAP,256,0,0,None,1,0", "1=Greece,GUN,256,127,0,None,1,0",
                                                "2=Greece,SAM,256,16256,0,None,1,0", "3=Greece,TSLA,256,16383,0,None,1,0",
                                                "4=Greece,PBOX,256,20000,0,None,1,0"});
    const auto refusal = [&](std::size_t line, int columns, int rows) {
        const PlacedThing thing = thingOn(scenario, ThingKind::Structure, line);
        return movedThings(scenario, std::span(&thing, 1), columns, rows).refusal;
    };
    EXPECT_EQ(refusal(0, -1, 0), "Cannot move: Structure GAP ([STRUCTURES] line 0) would leave the map.");
    EXPECT_NE(refusal(0, 0, -1), "");
    EXPECT_NE(refusal(1, 1, 0), "") << "the map does not wrap a column onto the next row";
    EXPECT_NE(refusal(2, 0, 1), "");
    EXPECT_NE(refusal(3, 1, 0), "");
    EXPECT_NE(refusal(1, INT_MAX, 0), "");
    EXPECT_NE(refusal(2, 0, INT_MAX), "");
    EXPECT_NE(refusal(0, INT_MIN, 0), "");
    EXPECT_NE(refusal(4, 0, 1), "") << "a thing off the map has no place to move from";
    EXPECT_EQ(refusal(0, 127, 127), "");
    EXPECT_EQ(refusal(3, -127, -127), "");

    const auto all = readMapContents(scenario).things;
    EXPECT_EQ(movedThings(scenario, std::vector(all.rbegin(), all.rend()), 1, 1).refusal,
              "Cannot move: Structure GUN ([STRUCTURES] line 1) would leave the map.")
        << "the first in the document is named";
}

TEST(MovedThings, RefusedWhenACellKeyedSectionWouldHoldAKeyTwice)
{
    Scenario scenario;
    scenario.pane(PaneId::Terrain) =
        paneOf({"100=T01", "101=T02", "200=T03", "200=T04", "0102=T05", "300=T06", "0300=T07"});
    scenario.pane(PaneId::Structures) = paneOf({"0=Greece,GUN,256,2,0,None,1,0", "1=Greece,GUN,256,9,0,None,1,0"});
    const auto refusal = [&](std::vector<std::size_t> lines, int columns, ThingKind kind = ThingKind::Terrain) {
        std::vector<PlacedThing> things;
        for (std::size_t line : lines)
            things.push_back(thingOn(scenario, kind, line));
        return movedThings(scenario, things, columns, 0).refusal;
    };
    EXPECT_EQ(refusal({0}, 1), "Cannot move: [TERRAIN] would hold the key 101 twice.");
    EXPECT_EQ(refusal({1}, -1), "Cannot move: [TERRAIN] would hold the key 100 twice.");
    EXPECT_EQ(refusal({0, 1}, 1), "") << "the line that held the key moves away with it";
    EXPECT_EQ(refusal({1}, 1), "") << "keys are compared as text: 0102 is not 102";
    EXPECT_EQ(refusal({0}, 3), "") << "the twice-used 200 was there before and stays as it is";
    EXPECT_EQ(refusal({5, 6}, 1), "Cannot move: [TERRAIN] would hold the key 301 twice.");
    EXPECT_EQ(refusal({0}, -1, ThingKind::Structure), "") << "the keys of structures are line numbers, not cells";
}

TEST(MapEdits, RefusedWhenTheMapIsOutOfDate)
{
    Scenario scenario;
    scenario.pane(PaneId::Units) = paneOf({"0=USSR,HARV,256,500,0,Harvest,None"});
    const PlacedThing harvester = thingOn(scenario, ThingKind::Unit, 0);
    PlacedThing elsewhere = harvester;
    elsewhere.cell = 501;
    PlacedThing pastTheEnd = harvester;
    pastTheEnd.line = 1;
    PlacedThing otherKind = harvester;
    otherKind.kind = ThingKind::Ship;
    for (const PlacedThing& stale : {elsewhere, pastTheEnd, otherKind}) {
        const std::vector things = {harvester, stale};
        EXPECT_EQ(movedThings(scenario, things, 1, 0).refusal, "The map is out of date; try again.");
        EXPECT_EQ(deletedThings(scenario, things).refusal, "The map is out of date; try again.");
        const MapEdit still = movedThings(scenario, things, 0, 0);
        EXPECT_TRUE(!still.refused() && still.changes.empty()) << "a move by nothing changes nothing";
    }
    EXPECT_FALSE(deletedThings(scenario, std::span(&harvester, 1)).refused());
}

TEST(DeletedThings, RenumbersLineKeyedSectionsAndRecountsTheBase)
{
    Scenario scenario;
    scenario.pane(PaneId::Structures) = paneOf({"0=Greece,POWR,256,500,0,None,1,0", "1=Greece,GUN,256,501,0,None,1,0",
                                                "; east", "3=Greece,SAM,256,502,0,None,1,0"});
    scenario.pane(PaneId::Base) = paneOf({"Player=Greece", "Count=3", "000=POWR,500", "001=GUN,501", "002=SAM,502"});
    scenario.pane(PaneId::Terrain) = paneOf({"500=T01", "501=T02"});
    scenario.pane(PaneId::Waypoints) = paneOf({"0=500", "1=501", "2=502"});
    const std::vector things = {thingOn(scenario, ThingKind::Waypoint, 1), thingOn(scenario, ThingKind::BaseEntry, 3),
                                thingOn(scenario, ThingKind::Terrain, 0), thingOn(scenario, ThingKind::Structure, 1),
                                thingOn(scenario, ThingKind::Structure, 0), thingOn(scenario, ThingKind::Structure, 1)};
    const MapEdit edit = deletedThings(scenario, things);
    EXPECT_EQ(panesOf(edit), (std::vector{PaneId::Structures, PaneId::Terrain, PaneId::Base, PaneId::Waypoints}));
    ASSERT_FALSE(edit.changes.empty());
    EXPECT_EQ(edit.changes[0].removedLines, (std::vector<std::size_t>{0, 1}));
    const Scenario deleted = after(scenario, edit);
    EXPECT_EQ(deleted.pane(PaneId::Structures).lines(), (Lines{"; east", "1=Greece,SAM,256,502,0,None,1,0"}));
    EXPECT_EQ(deleted.pane(PaneId::Base).lines(), (Lines{"Player=Greece", "Count=2", "000=POWR,500", "001=SAM,502"}));
    EXPECT_EQ(deleted.pane(PaneId::Terrain).lines(), (Lines{"501=T02"}));
    EXPECT_EQ(deleted.pane(PaneId::Waypoints).lines(), (Lines{"0=500", "2=502"}))
        << "other waypoints keep their numbers";

    // A base written by hand, without its Player= and Count= first, only loses the line.
    scenario.pane(PaneId::Base) = paneOf({"000=POWR,500", "001=GUN,501", "Count=2"});
    const PlacedThing entry = thingOn(scenario, ThingKind::BaseEntry, 0);
    EXPECT_EQ(after(scenario, deletedThings(scenario, std::span(&entry, 1))).pane(PaneId::Base).lines(),
              (Lines{"001=GUN,501", "Count=2"}));
}

} // namespace vexa
