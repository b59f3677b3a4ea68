#include "core/map/map_fragment.h"
#include "core/map/thing_lines.h"
#include "core/map/thing_placing.h"
#include "core/map/thing_properties.h"

#include "core/document/scenario.h"

#include "../pane_of_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexa {
namespace {

using Lines = std::vector<std::string>;

Scenario scenarioWith(std::initializer_list<std::pair<PaneId, Lines>> panes)
{
    Scenario scenario;
    for (const auto& [pane, lines] : panes)
        scenario.pane(pane) = test::paneOf(lines);
    return scenario;
}

Scenario editedBy(const Scenario& scenario, const MapEdit& edit)
{
    EXPECT_FALSE(edit.refused()) << edit.refusal;
    Scenario result = scenario;
    for (const PaneChange& change : edit.changes)
        result.pane(change.pane) = applied(scenario.pane(change.pane), change);
    return result;
}

PlacedThing thingOnLine(const Scenario& scenario, ThingKind kind, std::size_t line)
{
    PlacedThing thing = readPlacedThing(kind, scenario.pane(paneOfKind(kind)).lineView(line)).value();
    thing.line = line;
    return thing;
}

Lines linesOf(const Scenario& scenario, PaneId pane)
{
    return scenario.pane(pane).lines();
}

} // namespace

TEST(ThingProperties, AFieldEditChangesOnlyThatFieldOfEveryThingThatHasIt)
{
    const Scenario scenario = scenarioWith({
        {PaneId::Structures,
         {"0 = Greece , POWR ,200, 5000 ,0,None,1,0 ; by the river", "1=Spain,GUN,256,4000,0,None,1,0",
          "2=Spain,GUN,256,4010,0,None,1,0"}},
        {PaneId::Infantry, {"0=USSR,E1,256,5001,2,Guard,64,None"}},
        {PaneId::Terrain, {"5002=T01"}},
        {PaneId::CellTriggers, {"5003=Alarm"}},
    });
    // Out of pane order, and one of them twice: each line is still written once.
    const PlacedThing gun = thingOnLine(scenario, ThingKind::Structure, 2);
    const std::vector<PlacedThing> things = {gun,
                                             thingOnLine(scenario, ThingKind::Structure, 0),
                                             thingOnLine(scenario, ThingKind::Infantry, 0),
                                             thingOnLine(scenario, ThingKind::Structure, 1),
                                             thingOnLine(scenario, ThingKind::Terrain, 0),
                                             thingOnLine(scenario, ThingKind::CellTrigger, 0),
                                             gun};

    const SharedFields shared = sharedFields(scenario, things).value();
    EXPECT_EQ(shared[index(ThingField::Country)], (SharedField{true, std::nullopt})) << "Greece, USSR, Spain: mixed";
    EXPECT_EQ(shared[index(ThingField::Direction)], (SharedField{true, std::nullopt})) << "0 and the soldier's 64";
    EXPECT_EQ(shared[index(ThingField::Order)], (SharedField{true, "Guard"})) << "only the soldier has an order";
    EXPECT_EQ(shared[index(ThingField::SubPosition)], (SharedField{true, "2"}));
    EXPECT_FALSE(shared[index(ThingField::Health)].value) << "200 and 256";
    EXPECT_EQ(shared[index(ThingField::Type)], (SharedField{true, std::nullopt})) << "terrain has a type too";
    const std::vector<PlacedThing> guns = {thingOnLine(scenario, ThingKind::Structure, 1), gun};
    EXPECT_EQ(sharedFields(scenario, guns).value()[index(ThingField::Health)], (SharedField{true, "256"}));

    const Scenario healed = editedBy(scenario, fieldEdited(scenario, things, ThingField::Health, "256"));
    EXPECT_EQ(linesOf(healed, PaneId::Structures),
              (Lines{"0 = Greece , POWR ,256, 5000 ,0,None,1,0 ; by the river", "1=Spain,GUN,256,4000,0,None,1,0",
                     "2=Spain,GUN,256,4010,0,None,1,0"}));
    EXPECT_EQ(linesOf(healed, PaneId::Infantry), Lines{"0=USSR,E1,256,5001,2,Guard,64,None"}) << "already 256: untouched";
    const Scenario facing = editedBy(scenario, fieldEdited(scenario, things, ThingField::Direction, "258"));
    EXPECT_EQ(linesOf(facing, PaneId::Infantry), Lines{"0=USSR,E1,256,5001,2,Guard,258,None"}) << "a soldier's direction is field 6";
    const Scenario ordered = editedBy(scenario, fieldEdited(scenario, things, ThingField::Order, "Hunt"));
    EXPECT_EQ(linesOf(ordered, PaneId::Structures), linesOf(scenario, PaneId::Structures)) << "a structure has no order";
    const Scenario typed = editedBy(scenario, fieldEdited(scenario, things, ThingField::Type, "T02"));
    EXPECT_EQ(linesOf(typed, PaneId::Terrain), Lines{"5002=T02"});
    const Scenario triggered = editedBy(scenario, fieldEdited(scenario, things, ThingField::Trigger, "Other"));
    EXPECT_EQ(linesOf(triggered, PaneId::CellTriggers), Lines{"5003=Other"}) << "a cell trigger's value is its trigger";
    EXPECT_EQ(linesOf(triggered, PaneId::Structures)[1], "1=Spain,GUN,256,4000,0,Other,1,0");
    EXPECT_EQ(linesOf(triggered, PaneId::Structures)[2], "2=Spain,GUN,256,4010,0,Other,1,0");
}

TEST(ThingProperties, RefusedValuesAndChangedLinesLeaveEveryLineAlone)
{
    for (const char* health : {"257", "-1", "+5", "abc", " 5", "1.5", "99999999999"})
        EXPECT_EQ(fieldRefusal(ThingField::Health, health), "Health is a whole number from 0 to 256.") << health;
    EXPECT_EQ(fieldRefusal(ThingField::Health, "0"), "");
    EXPECT_EQ(fieldRefusal(ThingField::Health, "199"), "");
    EXPECT_EQ(fieldRefusal(ThingField::Direction, "258"), "");
    EXPECT_EQ(fieldRefusal(ThingField::Direction, "259"), "Direction is a whole number from 0 to 258.");
    EXPECT_EQ(fieldRefusal(ThingField::SubPosition, "5"), "Sub-position is a whole number from 0 to 4.");
    EXPECT_EQ(fieldRefusal(ThingField::Trigger, " "), "Trigger needs a value.");
    EXPECT_EQ(fieldRefusal(ThingField::Country, "Greece;x"), "Country may not hold ',' or ';'.");
    EXPECT_EQ(fieldRefusal(ThingField::Type, "A,B"), "Type may not hold ',' or ';'.");

    const Scenario scenario = scenarioWith({{PaneId::Units, {"0=Greece,1TNK,256,100,0,Guard,None"}}});
    PlacedThing tank = thingOnLine(scenario, ThingKind::Unit, 0);
    EXPECT_EQ(fieldEdited(scenario, {&tank, 1}, ThingField::Health, "300").refusal, "Health is a whole number from 0 to 256.");
    // The line was typed over since, or taken out.
    for (const auto& change : std::vector<void (*)(PlacedThing&)>{[](PlacedThing& t) { t.type = "2TNK"; },
                                                                  [](PlacedThing& t) { t.country = "USSR"; },
                                                                  [](PlacedThing& t) { t.line = 1; }}) {
        PlacedThing changed = tank;
        change(changed);
        EXPECT_TRUE(fieldEdited(scenario, {&changed, 1}, ThingField::Health, "100").refused());
        EXPECT_FALSE(sharedFields(scenario, {&changed, 1}));
    }
    // A base entry's country is the base's, not written on its line.
    const Scenario based = scenarioWith({{PaneId::Base, {"Player=Greece", "Count=1", "000=POWR,5000"}}});
    const PlacedThing entry = readMapContents(based).things.at(0);
    ASSERT_EQ(entry.country, "Greece");
    EXPECT_EQ(linesOf(editedBy(based, fieldEdited(based, {&entry, 1}, ThingField::Type, "PROC")), PaneId::Base)[2],
              "000=PROC,5000");
    // A line that stops before the field is left alone.
    const Scenario shortLine = scenarioWith({{PaneId::Units, {"0=Greece,1TNK,256,100"}}});
    const PlacedThing bare = thingOnLine(shortLine, ThingKind::Unit, 0);
    EXPECT_TRUE(fieldEdited(shortLine, {&bare, 1}, ThingField::Direction, "64").changes.empty());
    PlacedThing waypoint{ThingKind::Waypoint, 100, "0", {}, 0, PaneId::Waypoints, 0};
    EXPECT_FALSE(fieldIndex(waypoint.kind, ThingField::Type)) << "a waypoint's number is not edited";
}

TEST(ThingPlacing, AClickWritesTheLineOfTheKindsCreateNumberedAsCreateNumbers)
{
    Scenario scenario = scenarioWith({
        {PaneId::Structures, {"; ours", "0=Greece,POWR,256,5000,0,None,1,0"}},
        {PaneId::Terrain, {"5002=T01"}},
    });
    LastUsedFields lastUsed;
    EXPECT_EQ(placeChoices(scenario, lastUsed), (PlaceChoices{"Multi1", "256", "0", "Guard", "None"}));
    scenario.field(FieldId::Player) = "USSR";
    lastUsed[index(ThingField::Health)] = "128";
    const PlaceChoices choices = placeChoices(scenario, lastUsed);
    EXPECT_EQ(choices, (PlaceChoices{"USSR", "128", "0", "Guard", "None"}));

    const Scenario placed = editedBy(scenario, placedThing(scenario, ThingKind::Structure, "WEAP", 300, choices));
    EXPECT_EQ(linesOf(placed, PaneId::Structures).back(), "2=USSR,WEAP,128,300,0,None,1,0");
    const Scenario ship = editedBy(scenario, placedThing(scenario, ThingKind::Ship, "DD", 301, choices));
    EXPECT_EQ(linesOf(ship, PaneId::Ships), Lines{"0=USSR,DD,128,301,0,Guard,None"});
    const Scenario smudge = editedBy(scenario, placedThing(scenario, ThingKind::Smudge, "CR1", 302, choices));
    EXPECT_EQ(linesOf(smudge, PaneId::Smudge), Lines{"302=CR1,302,0"});

    EXPECT_EQ(placedThing(scenario, ThingKind::Terrain, "T02", 5002, choices).refusal,
              "Cannot place: [TERRAIN] holds cell 5002 already.");
    EXPECT_EQ(placedThing(scenario, ThingKind::Unit, "1TNK", 16384, choices).refusal, "Cannot place: cell 16384 is off the map.");
    EXPECT_TRUE(placedThing(scenario, ThingKind::Waypoint, "1", 5, choices).refused());
    EXPECT_EQ(placedThing(scenario, ThingKind::Unit, "", 5, choices).refusal, "Cannot place: Type needs a value.");

    // What a Create writes is read back at its own numbers; the lines before it are not held.
    AppendedLines appended(2);
    appended.append("2=x");
    EXPECT_EQ((Lines{appended.line(1), appended.line(2), appended.line(3)}), (Lines{"", "2=x", ""}));
}

TEST(ThingPlacing, ASoldierTakesTheNextFreeSubPositionAndASixthIsRefused)
{
    Scenario scenario = scenarioWith({{PaneId::Infantry, {"0=Greece,E1,256,700,1,Guard,0,None", "1=Greece,E1,256,701,0,Guard,0,None"}}});
    const PlaceChoices choices = placeChoices(scenario, {});
    for (const char* expected : {"2=Multi1,E2,256,700,0,Guard,0,None", "3=Multi1,E2,256,700,2,Guard,0,None",
                                 "4=Multi1,E2,256,700,3,Guard,0,None", "5=Multi1,E2,256,700,4,Guard,0,None"}) {
        scenario = editedBy(scenario, placedThing(scenario, ThingKind::Infantry, "E2", 700, choices));
        EXPECT_EQ(linesOf(scenario, PaneId::Infantry).back(), expected);
    }
    EXPECT_EQ(placedThing(scenario, ThingKind::Infantry, "E2", 700, choices).refusal,
              "Cannot place: cell 700 holds five soldiers already.");
}

// Row 39: 5000 is column 8. The group spans columns 8 to 10 and rows 39 to 40.
TEST(MapFragment, ACopiedGroupPastesTenCellsAwayWithOnlyKeysAndCellsChanged)
{
    const Scenario scenario = scenarioWith({
        {PaneId::Structures, {"0=Greece,POWR,256,16000,0,None,1,0", "1 = Greece, PROC ,256, 5002 ,0,Alarm,1,0 ; north"}},
        {PaneId::Smudge, {"5128=CR1,5128,0"}},
        {PaneId::Waypoints, {"7=5000"}},
        {PaneId::Trigs, {"Alarm=0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"}},
    });
    const std::vector<PlacedThing> group = {thingOnLine(scenario, ThingKind::Structure, 1),
                                            thingOnLine(scenario, ThingKind::Smudge, 0),
                                            thingOnLine(scenario, ThingKind::Waypoint, 0)};
    const std::string text = fragmentText(scenario, group).value();
    EXPECT_EQ(text, "; [STRUCTURES]\n0 = Greece, PROC ,256, 2 ,0,Alarm,1,0 ; north\n; [SMUDGE]\n128=CR1,128,0\n")
        << "the waypoint stays behind";

    const Fragment fragment = readFragment(text);
    EXPECT_TRUE(fragment.problems.empty());
    const PasteEdit paste = pastedFragment(scenario, fragment, {18, 39});
    EXPECT_TRUE(paste.unknownTriggers.empty());
    const Scenario pasted = editedBy(scenario, paste.edit);
    EXPECT_EQ(linesOf(pasted, PaneId::Structures).back(), "2 = Greece, PROC ,256, 5012 ,0,Alarm,1,0 ; north");
    EXPECT_EQ(linesOf(pasted, PaneId::Smudge).back(), "5138=CR1,5138,0");

    // Whole refusals: off the right edge; onto the smudge's own cell; and into a scenario
    // that lacks the trigger, which is kept and named.
    EXPECT_EQ(pastedFragment(scenario, fragment, {126, 39}).edit.refusal, "Cannot paste here: a Structure would leave the map.");
    EXPECT_EQ(pastedFragment(scenario, fragment, {8, 39}).edit.refusal, "Cannot paste here: [SMUDGE] would hold cell 5128 twice.");
    const PasteEdit elsewhere = pastedFragment(Scenario{}, fragment, {0, 0});
    EXPECT_EQ(elsewhere.unknownTriggers, std::vector<std::string>{"Alarm"});
    EXPECT_EQ(editedBy(Scenario{}, elsewhere.edit).pane(PaneId::Structures).lines(),
              Lines{"0 = Greece, PROC ,256, 2 ,0,Alarm,1,0 ; north"});
}

TEST(MapFragment, ALineOfTheWrongShapeLeavesOutItsSectionAndOtherTextPastesNothing)
{
    const Fragment fragment = readFragment("; [UNITS]\r\n0=Greece,1TNK,256,1,0,Guard,None\r\n1=Greece,2TNK\r\n"
                                           "; [TERRAIN]\r\n\r\n3=T01\r\n; [OVERLAY]\r\n99999=GOLD01\r\n");
    ASSERT_EQ(fragment.lines.size(), 1u);
    EXPECT_EQ(fragment.lines[0].line, "3=T01");
    EXPECT_EQ(fragment.lines[0].offset, (CellPlace{3, 0}));
    EXPECT_EQ(fragment.problems, (std::vector<std::string>{
        "Nothing of [UNITS] is pasted: the clipboard's line \"1=Greece,2TNK\" is not one of its lines.",
        "Nothing of [Overlay] is pasted: the clipboard's line \"99999=GOLD01\" is not one of its lines."}));

    const Fragment other = readFragment("Hello, world\n0=Greece,1TNK,256,1,0,Guard,None\n");
    EXPECT_TRUE(other.lines.empty());
    EXPECT_EQ(other.problems, std::vector<std::string>{"The clipboard holds no things of a map; nothing is pasted."});
    EXPECT_EQ(pastedFragment(Scenario{}, other, {0, 0}).edit.refusal, "The clipboard holds no things to paste.");
}

} // namespace vexa
