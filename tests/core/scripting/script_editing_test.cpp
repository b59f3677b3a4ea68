#include "core/document/pane_change.h"
#include "core/document/reader.h"
#include "core/scripting/composer_reading.h"
#include "core/scripting/script_renumbering.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vexa;

namespace {

// Reading a line back into its composer ------------------------------------------------

TEST(ComposerReading, ComposerLinesReadBackIntoFieldsThatComposeThemAgain)
{
    for (const std::string line : {
             "alpha=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1",
             "alpha=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1 ; end",
             "b=2,7,1,1,7,-1,-1,0,-1,-1,7,1,-1,7,22,-1,5,-1 ;  two  ",
             "c=1,0,3,0,0,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1",
             "d=0,19,2,1,0,-1,-1,0,-1,-1,14,-1,-1,-1,0,-1,-1,-1",
         }) {
        const ComposerReading<TriggerInput> read = readTriggerLine(line);
        ASSERT_TRUE(read.input) << line << ": " << read.refusal;
        EXPECT_EQ(composeTriggerLine(*read.input), line);
    }
    const TriggerInput b = *readTriggerLine("b=2,7,1,1,7,-1,-1,0,-1,-1,7,1,-1,7,22,-1,5,-1").input;
    EXPECT_EQ(b.repeatMode, 2);
    EXPECT_EQ(b.activationMode, 3);
    EXPECT_EQ(b.r1.parameters[2], "7");
    EXPECT_EQ(b.r2.code, "22");

    for (const std::string line : {
             "tank1=2,4,0,0,3,-1,-1,2,3TNK:2,4TNK:1,2,3:5,0:1",
             "tank1=2,4,0,0,3,-1,-1,0,0 ; c",
             "odd=x,9,a,b,c,w,t,1,A:B:C,1,:",
         }) {
        const ComposerReading<TeamTypeInput> read = readTeamTypeLine(line);
        ASSERT_TRUE(read.input) << line << ": " << read.refusal;
        EXPECT_EQ(composeTeamTypeLine(*read.input), line);
    }
    const TeamTypeInput odd = *readTeamTypeLine("odd=x,9,a,b,c,w,t,1,A:B:C,1,:").input;
    EXPECT_EQ(odd.units, (std::vector<UnitEntry>{{"A", "B:C"}}));
    EXPECT_EQ(odd.orders, (std::vector<OrderEntry>{{"", ""}}));
}

TEST(ComposerReading, LinesTheComposerCannotShowAreRefusedWithTheReason)
{
    const std::vector<std::pair<std::string, std::string>> triggers = {
        {"", "holds no trigger"},
        {"; only a comment", "holds no trigger"},
        {"no equals sign", "holds no trigger"},
        {"a=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1", "17 values where a trigger has 18"},
        {"a=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1,0", "19 values"},
        {"a=0,1,0,0,11,-1,two,0,-1,-1,1,-1,-1,1,0,-1,-1,-1", "value 7 is 'two' where a number goes"},
        {"a=3,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1", "repeat value '3' is none of 0 to 2"},
        {"a=-1,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1", "repeat value '-1'"},
        {"a=0,1,3,1,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1", "activation 3,1 is written by no button"},
        {"a=0,1,0,2,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1", "activation 0,2"},
    };
    for (const auto& [line, reason] : triggers) {
        const ComposerReading<TriggerInput> read = readTriggerLine(line);
        EXPECT_FALSE(read.input) << line;
        EXPECT_NE(read.refusal.find(reason), std::string::npos) << line << ": " << read.refusal;
    }
    const std::vector<std::pair<std::string, std::string>> teamTypes = {
        {"no equals sign", "holds no team type"},
        {"t=2,4,0,0,3,-1", "ends before its count of units"},
        {"t=2,4,0,0,3,-1,-1,x,0", "count of units 'x' is no count"},
        {"t=2,4,0,0,3,-1,-1,-1,0", "count of units '-1'"},
        {"t=2,4,0,0,3,-1,-1,3,E1:1,0", "counts 3 units but holds only 2 more values"},
        {"t=2,4,0,0,3,-1,-1,1,E1:1", "ends before its count of orders"},
        {"t=2,4,0,0,3,-1,-1,1,E1:1,2,3:5", "counts 2 orders but holds only 1"},
        {"t=2,4,0,0,3,-1,-1,1,E1:1,1,3:5,0:1", "holds 1 values after its last order"},
        {"t=2,4,0,0,3,-1,-1,1,E1,0", "entry 'E1' among the units is no CODE:COUNT pair"},
        {"t=2,4,0,0,3,-1,-1,0,1,35", "entry '35' among the orders is no CODE:PARAMETER pair"},
    };
    for (const auto& [line, reason] : teamTypes) {
        const ComposerReading<TeamTypeInput> read = readTeamTypeLine(line);
        EXPECT_FALSE(read.input) << line;
        EXPECT_NE(read.refusal.find(reason), std::string::npos) << line << ": " << read.refusal;
    }
}

TEST(ComposerReading, ParameterLabelsAreThoseTheCodesMenuEntrySets)
{
    using Labels = std::array<std::string_view, 3>;
    EXPECT_EQ(parameterLabelsFor(TriggerPart::Action, "7"), (Labels{"Teamtype #:", "Parameter 2:", "Waypoint #:"}));
    EXPECT_EQ(parameterLabelsFor(TriggerPart::Event, "23"), (Labels{"Team #:", "Parameter 2:", "Parameter 3:"}));
    EXPECT_EQ(parameterLabelsFor(TriggerPart::Action, "14"), (Labels{"Parameter 1:", "Parameter 2:", "Parameter 3:"}));
    EXPECT_EQ(parameterLabelsFor(TriggerPart::Event, "x"), (Labels{"Parameter 1:", "Parameter 2:", "Parameter 3:"}));
}

// Edits that keep references --------------------------------------------------------------

// Triggers: 0 a (R1 force trigger 2, R2 create team 1), 1 gone (R1 destroys itself), a
// comment, 2 c (T1 team 0 leaves, R1 force trigger 1, R2 force trigger 9: past the end),
// 3 d (R1 reinforcement of team 2 at waypoint 7, R2 force trigger 3: itself).
// Team types: 0 t0 (attached trigger 1), 1 t1 (attached trigger 3, order to waypoint 7), 2 t2.
const char* const kRenumberingScenario =
    "[STRUCTURES]\n0=USSR,POWR,256,1234,0,gone,1,0\n"
    "[CellTriggers]\n3000=gone\n"
    "[Trigs]\n"
    "a=0,2,0,0,0,-1,-1,0,-1,-1,22,-1,2,-1,4,1,-1,-1\n"
    "gone=0,2,0,0,0,-1,-1,0,-1,-1,12,-1,1,-1,0,-1,-1,-1\n"
    "; note\n"
    "c=0,2,0,0,23,0,-1,0,-1,-1,22,-1,1,-1,22,-1,4,-1 ; keep\n"
    "d=0,2,0,0,0,-1,-1,0,-1,-1,7,2,-1,7,22,-1,3,-1\n"
    "[TeamTypes]\n"
    "t0=2,0,0,0,0,-1,1,0,0\n"
    "t1=2,0,0,0,0,-1,3,0,1,3:7\n"
    "t2=2,0,0,0,0,-1,x,0,0\n";

struct RenumberingFixture : ::testing::Test {
    Scenario scenario = readScenario(kRenumberingScenario);
    ScriptIndex index{scenario};

    // The panes once the plan is made, each pane its lines.
    Scenario after(const ScriptEditPlan& plan) const
    {
        Scenario changed = scenario;
        for (const PaneChange& change : plan.changes)
            changed.pane(change.pane) = applied(scenario.pane(change.pane), change);
        return changed;
    }
    static std::vector<std::string> linesOf(const MemoryPane& pane)
    {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < pane.lineCount(); ++i)
            lines.emplace_back(pane.lineView(i));
        return lines;
    }
    using Lines = std::vector<std::string>;
};

TEST_F(RenumberingFixture, DeletingATriggerLowersLaterIndicesAndClearsThoseOfTheRemovedOne)
{
    const Planned<ScriptEditPlan> planned = planDeleteWithReferences(index, PaneId::Trigs, 1);
    ASSERT_TRUE(planned.plan) << planned.refusal;
    const Scenario changed = after(*planned.plan);
    EXPECT_EQ(linesOf(changed.pane(PaneId::Trigs)), (Lines{
                  "a=0,2,0,0,0,-1,-1,0,-1,-1,22,-1,1,-1,4,1,-1,-1",
                  "; note",
                  "c=0,2,0,0,23,0,-1,0,-1,-1,22,-1,-1,-1,22,-1,4,-1 ; keep",
                  "d=0,2,0,0,0,-1,-1,0,-1,-1,7,2,-1,7,22,-1,2,-1",
              }));
    EXPECT_EQ(linesOf(changed.pane(PaneId::TeamType)), (Lines{
                  "t0=2,0,0,0,0,-1,-1,0,0",
                  "t1=2,0,0,0,0,-1,2,0,1,3:7",
                  "t2=2,0,0,0,0,-1,x,0,0",
              }));
    EXPECT_EQ(changed.pane(PaneId::Structures), scenario.pane(PaneId::Structures));
    EXPECT_EQ(changed.pane(PaneId::CellTriggers), scenario.pane(PaneId::CellTriggers));

    // Lines as they stand after the edit.
    const ScriptEditPlan& plan = *planned.plan;
    EXPECT_EQ(plan.renumbered, (std::vector<PaneLine>{{PaneId::Trigs, 0}, {PaneId::Trigs, 3}, {PaneId::TeamType, 1}}));
    EXPECT_EQ(plan.cleared, (std::vector<ClearedReference>{{{PaneId::Trigs, 2}, "R1 parameter 2"},
                                                           {{PaneId::TeamType, 0}, "attached trigger"}}));
    EXPECT_EQ(plan.keptNames, (std::vector<PaneLine>{{PaneId::Structures, 0}, {PaneId::CellTriggers, 0}}));
    EXPECT_EQ(describePlan(plan),
              "Deleted trigger 1 'gone'. Renumbered [Trigs] line 0, [Trigs] line 3, [TeamTypes] line 1. "
              "Set to -1: [Trigs] line 2 (R1 parameter 2), [TeamTypes] line 0 (attached trigger). "
              "Kept the trigger name in [STRUCTURES] line 0, [CellTriggers] line 0, where it names no trigger now.");
}

TEST_F(RenumberingFixture, DeletingATeamTypeRenumbersTriggersOnly)
{
    const Planned<ScriptEditPlan> planned = planDeleteWithReferences(index, PaneId::TeamType, 1);
    ASSERT_TRUE(planned.plan) << planned.refusal;
    const Scenario changed = after(*planned.plan);
    Lines trigs = linesOf(scenario.pane(PaneId::Trigs));
    trigs[0] = "a=0,2,0,0,0,-1,-1,0,-1,-1,22,-1,2,-1,4,-1,-1,-1";
    trigs[4] = "d=0,2,0,0,0,-1,-1,0,-1,-1,7,1,-1,7,22,-1,3,-1";
    EXPECT_EQ(linesOf(changed.pane(PaneId::Trigs)), trigs);
    EXPECT_EQ(linesOf(changed.pane(PaneId::TeamType)), (Lines{"t0=2,0,0,0,0,-1,1,0,0", "t2=2,0,0,0,0,-1,x,0,0"}));
    EXPECT_TRUE(planned.plan->keptNames.empty());

    // The first one: what named it names nothing now, the rest count from 0 again.
    const Planned<ScriptEditPlan> first = planDeleteWithReferences(index, PaneId::TeamType, 0);
    ASSERT_TRUE(first.plan);
    const Lines firstGone = linesOf(after(*first.plan).pane(PaneId::Trigs));
    EXPECT_EQ(firstGone[0], "a=0,2,0,0,0,-1,-1,0,-1,-1,22,-1,2,-1,4,0,-1,-1");
    EXPECT_EQ(firstGone[3], "c=0,2,0,0,23,-1,-1,0,-1,-1,22,-1,1,-1,22,-1,4,-1 ; keep");
    EXPECT_EQ(firstGone[4], "d=0,2,0,0,0,-1,-1,0,-1,-1,7,1,-1,7,22,-1,3,-1");
}

TEST_F(RenumberingFixture, MovingSwapsTwoEntriesAndEveryIndexOfThem)
{
    const Planned<ScriptEditPlan> down = planMove(index, PaneId::Trigs, 1, MoveDirection::Down);
    ASSERT_TRUE(down.plan) << down.refusal;
    const Scenario changed = after(*down.plan);
    EXPECT_EQ(linesOf(changed.pane(PaneId::Trigs)), (Lines{
                  "a=0,2,0,0,0,-1,-1,0,-1,-1,22,-1,1,-1,4,1,-1,-1",
                  "c=0,2,0,0,23,0,-1,0,-1,-1,22,-1,2,-1,22,-1,4,-1 ; keep",
                  "; note",
                  "gone=0,2,0,0,0,-1,-1,0,-1,-1,12,-1,2,-1,0,-1,-1,-1",
                  "d=0,2,0,0,0,-1,-1,0,-1,-1,7,2,-1,7,22,-1,3,-1",
              }));
    EXPECT_EQ(linesOf(changed.pane(PaneId::TeamType))[0], "t0=2,0,0,0,0,-1,2,0,0");
    EXPECT_EQ(down.plan->movedTo, (PaneLine{PaneId::Trigs, 3}));

    // Moving it back up gives the scenario back.
    const Scenario& moved = changed;
    const ScriptIndex movedIndex(moved);
    const Planned<ScriptEditPlan> back = planMove(movedIndex, PaneId::Trigs, 3, MoveDirection::Up);
    ASSERT_TRUE(back.plan);
    Scenario restored = moved;
    for (const PaneChange& change : back.plan->changes)
        restored.pane(change.pane) = applied(moved.pane(change.pane), change);
    EXPECT_EQ(restored, scenario);

    const Planned<ScriptEditPlan> teamUp = planMove(index, PaneId::TeamType, 2, MoveDirection::Up);
    ASSERT_TRUE(teamUp.plan);
    const Scenario teamsMoved = after(*teamUp.plan);
    EXPECT_EQ(linesOf(teamsMoved.pane(PaneId::TeamType))[1], "t2=2,0,0,0,0,-1,x,0,0");
    EXPECT_EQ(linesOf(teamsMoved.pane(PaneId::Trigs))[0], "a=0,2,0,0,0,-1,-1,0,-1,-1,22,-1,2,-1,4,2,-1,-1");
    EXPECT_EQ(linesOf(teamsMoved.pane(PaneId::Trigs))[4], "d=0,2,0,0,0,-1,-1,0,-1,-1,7,1,-1,7,22,-1,3,-1");
}

TEST_F(RenumberingFixture, EditsRefuseLinesThatHoldNoEntryAndMovesPastTheEnds)
{
    EXPECT_EQ(planDeleteWithReferences(index, PaneId::Trigs, 2).refusal, "Line 2 of [Trigs] holds no trigger or team type.");
    EXPECT_FALSE(planDeleteWithReferences(index, PaneId::Trigs, 9).plan);
    EXPECT_FALSE(planDeleteWithReferences(index, PaneId::Structures, 0).plan);
    EXPECT_EQ(planMove(index, PaneId::TeamType, 0, MoveDirection::Up).refusal, "The team type 0 't0' is the first team type already.");
    EXPECT_EQ(planMove(index, PaneId::Trigs, 4, MoveDirection::Down).refusal, "The trigger 3 'd' is the last trigger already.");
}

} // namespace
