#include "core/document/reader.h"
#include "core/scripting/script_references.h"
#include "core/scripting/script_words.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vexa;

namespace {

// Triggers: 0 alarm, 1 rein (R1 Reinforcement of team type 1 at waypoint 7, R2 Force
// trigger 0), 2 rein twice (duplicate name, counted), 3 far (references past the end).
// Team types: a comment and a line without '=' do not count; 0 bad (a malformed value
// counts), 1 escort.
const char* const kScriptScenario =
    "[STRUCTURES]\n0=USSR,POWR,256,1234,0,alarm,1,0\n"
    "[Waypoints]\n7=1000\n12=2000\n"
    "[CellTriggers]\n3000=alarm\n"
    "[Trigs]\n"
    "alarm=0,2,0,0,23,1,-1,0,-1,-1,1,-1,-1,2,0,-1,-1,-1\n"
    "; comment\n"
    "rein=1,2,0,1,7,-1,1,0,-1,0,7,1,-1,7,22,-1,0,-1\n"
    "rein=0,2,0,0,0,-1,-1,0,-1,-1,12,-1,-3,-1,0,-1,-1,-1\n"
    "far=0,2,0,1,0,-1,-1,0,-1,-1,4,99999,-1,-1,22,-1,4000000000,-1\n"
    "[TeamTypes]\n"
    "; comment\n"
    "no equals sign\n"
    "bad=1,x\n"
    "escort=2,0,7,0,0,12,0,2,E1:3,TRAN:1,4,3:7,8:0,10:5,0:2\n";

struct ScriptFixture : ::testing::Test {
    Scenario scenario = readScenario(kScriptScenario);
    ScriptIndex index{scenario};

    std::vector<std::string> rolesOf(const ScriptEntry& entry) const
    {
        std::vector<std::string> roles;
        for (const ScriptReference& reference : entry.references)
            roles.push_back(std::string(kindName(reference.kind)) + " " + roleText(reference) + "="
                            + std::string(reference.textIn(scenario.pane(reference.pane).lineView(reference.line))));
        return roles;
    }
    std::vector<std::size_t> linesOf(const std::vector<ScriptUse>& uses) const
    {
        std::vector<std::size_t> lines;
        for (const ScriptUse& use : uses)
            lines.push_back(use.line);
        return lines;
    }
};

TEST_F(ScriptFixture, IndexesCountKeyValueLinesOnlyAndEveryDuplicate)
{
    ASSERT_EQ(index.triggers().size(), 4u);
    ASSERT_EQ(index.teamTypes().size(), 2u);
    EXPECT_EQ(index.triggers()[2].name, "rein");
    EXPECT_EQ(index.triggers()[2].line, 3u);
    EXPECT_EQ(index.teamTypes()[1].name, "escort");
    EXPECT_EQ(index.teamTypes()[1].index, 1u);
    EXPECT_EQ(index.entryOnLine(PaneId::TeamType, 3), &index.teamTypes()[1]);
    EXPECT_EQ(index.entryOnLine(PaneId::TeamType, 1), nullptr);
    EXPECT_EQ(index.entryOnLine(PaneId::Waypoints, 0), nullptr);
    EXPECT_EQ(index.triggerNamed("rein"), &index.triggers()[1]);
}

TEST_F(ScriptFixture, TriggerParametersAreReferencesByTheirEntrysPrompt)
{
    EXPECT_EQ(rolesOf(index.triggers()[0]),
              (std::vector<std::string>{"country country=2", "team type T1 parameter 1=1", "country R1 parameter 3=2"}));
    EXPECT_EQ(rolesOf(index.triggers()[1]),
              (std::vector<std::string>{"country country=2", "team type R1 parameter 1=1", "waypoint R1 parameter 3=7",
                                        "trigger R2 parameter 2=0"}));
    EXPECT_EQ(rolesOf(index.triggers()[2]), (std::vector<std::string>{"country country=2", "trigger R1 parameter 2=-3"}));
}

TEST_F(ScriptFixture, TeamTypeReferencesTakeTheirKindFromTheOrdersMenu)
{
    EXPECT_EQ(rolesOf(index.teamTypes()[1]),
              (std::vector<std::string>{"country country=2", "waypoint waypoint of appearance=12",
                                        "trigger attached trigger=0", "waypoint order 1=7", "global order 3=5",
                                        "country order 4=2"}));
    EXPECT_TRUE(index.teamTypes()[1].problems.empty());
    EXPECT_FALSE(index.teamTypes()[0].problems.empty());
}

TEST_F(ScriptFixture, ResolvesNamesAndMarksWhatNamesNothing)
{
    const auto resolved = [&](const ScriptEntry& entry, std::size_t i) { return index.resolve(entry.references[i]); };
    EXPECT_EQ(resolved(index.triggers()[1], 1).name, "escort");
    EXPECT_EQ(resolved(index.triggers()[1], 1).line, 3u);
    EXPECT_EQ(resolved(index.triggers()[1], 3).name, "alarm");
    EXPECT_TRUE(resolved(index.triggers()[1], 2).valid);   // waypoint 7
    EXPECT_EQ(resolved(index.triggers()[1], 0).name, "USSR");
    const ScriptEntry& far = index.triggers()[3];
    EXPECT_FALSE(resolved(far, 1).valid);                  // team type 99999
    EXPECT_FALSE(far.references[2].number.has_value());    // past 32 bits
    EXPECT_FALSE(resolved(far, 2).valid);
    EXPECT_TRUE(isMarked(index, far));
    EXPECT_FALSE(isMarked(index, index.triggers()[1]));
    // A negative value names nothing on purpose.
    ScriptReference none = index.triggers()[1].references[1];
    none.number = -5;
    EXPECT_TRUE(index.resolve(none).valid);
    EXPECT_FALSE(index.resolve(none).name);
}

TEST_F(ScriptFixture, UsesAreFoundByMeaning)
{
    const auto uses = [&](ReferenceKind kind, std::int32_t number) { return index.usesOf({kind, number}); };
    // Trigger 0 "alarm": R2 of rein, escort's attached trigger, the structure and the cell trigger by name.
    const std::vector<ScriptUse> alarm = uses(ReferenceKind::Trigger, 0);
    ASSERT_EQ(alarm.size(), 4u);
    EXPECT_EQ(alarm[0].pane, PaneId::Structures);
    EXPECT_EQ(alarm[1].pane, PaneId::CellTriggers);
    EXPECT_EQ(alarm[2].pane, PaneId::Trigs);
    EXPECT_EQ(alarm[2].line, 2u);
    EXPECT_EQ(alarm[3].pane, PaneId::TeamType);
    EXPECT_EQ(linesOf(uses(ReferenceKind::TeamType, 1)), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(linesOf(uses(ReferenceKind::Waypoint, 7)), (std::vector<std::size_t>{2, 3}));  // rein, escort's order
    EXPECT_EQ(linesOf(uses(ReferenceKind::Waypoint, 12)), (std::vector<std::size_t>{3}));
    EXPECT_TRUE(uses(ReferenceKind::Trigger, 3).empty());
    EXPECT_TRUE(uses(ReferenceKind::TeamType, -1).empty());
}

TEST_F(ScriptFixture, TargetsUnderTheCursorAndTheirDefinitions)
{
    const std::string rein = scenario.pane(PaneId::Trigs).line(2);
    const std::size_t teamType = rein.find("7,1,") + 2;
    EXPECT_EQ(index.targetAt(PaneId::Trigs, 2, teamType), (ScriptTarget{ReferenceKind::TeamType, 1}));
    EXPECT_EQ(index.targetAt(PaneId::Trigs, 2, teamType + 1), (ScriptTarget{ReferenceKind::TeamType, 1}))
        << "the cursor just after the value";
    EXPECT_EQ(index.targetAt(PaneId::Trigs, 2, 1), (ScriptTarget{ReferenceKind::Trigger, 1}));
    EXPECT_EQ(index.targetAt(PaneId::Trigs, 2, rein.size() - 1), std::nullopt);  // R2 parameter 3, -1
    EXPECT_EQ(index.targetAt(PaneId::CellTriggers, 0, 6), (ScriptTarget{ReferenceKind::Trigger, 0}));
    EXPECT_EQ(index.targetAt(PaneId::CellTriggers, 0, 1), std::nullopt);  // the cell
    EXPECT_EQ(index.targetAt(PaneId::Structures, 0, 24), (ScriptTarget{ReferenceKind::Trigger, 0}));
    EXPECT_EQ(index.targetAt(PaneId::Waypoints, 1, 0), (ScriptTarget{ReferenceKind::Waypoint, 12}));
    EXPECT_EQ(index.definition({ReferenceKind::TeamType, 1}), 3u);
    EXPECT_EQ(index.definition({ReferenceKind::Waypoint, 12}), 1u);
    EXPECT_EQ(index.definition({ReferenceKind::Trigger, 4}), std::nullopt);
}

TEST_F(ScriptFixture, WithValueRewritesExactlyOneValue)
{
    const ScriptReference& teamType = index.triggers()[1].references[1];
    const std::string line = scenario.pane(PaneId::Trigs).line(2);
    EXPECT_EQ(withValue(line, teamType, -1), "rein=1,2,0,1,7,-1,1,0,-1,0,7,-1,-1,7,22,-1,0,-1");
    const ScriptReference& order = index.teamTypes()[1].references[3];
    EXPECT_EQ(withValue(scenario.pane(PaneId::TeamType).line(3), order, 10),
              "escort=2,0,7,0,0,12,0,2,E1:3,TRAN:1,4,3:10,8:0,10:5,0:2");
}

TEST_F(ScriptFixture, ExplainsInWordsWithNamesResolved)
{
    EXPECT_EQ(explainEntry(index, index.triggers()[1]),
              "Trigger 'rein' (1): repeats for all affected; country 2 USSR; when T1 'Destroyed by anybody' happens: "
              "R1 'Reinforcement' of team type 1 'escort', waypoint 7 and R2 'Force trigger' of trigger 0 'alarm'.");
    EXPECT_EQ(explainEntry(index, index.teamTypes()[1]),
              "Team type 'escort' (1): country 2 USSR; not hidden, not autocreated; 0 teams autocreated; waypoint of "
              "appearance: waypoint 12; attached trigger: trigger 0 'alarm'; units 3 E1, 1 TRAN; orders 'Move to "
              "waypoint (Waypoint ID)' waypoint 7, then 'Follow friendlies (No parameter)', then 'Set global (Global "
              "ID)' global 5, then 'Attack (Country ID)' country 2 USSR.");
    const std::string far = explainEntry(index, index.triggers()[3]);
    EXPECT_NE(far.find("team type 99999, which [TeamTypes] does not have"), std::string::npos) << far;
    EXPECT_NE(far.find("trigger '4000000000', which is no number"), std::string::npos) << far;
}

TEST_F(ScriptFixture, TheCheckReadsLineByLineWhatTheIndexHolds)
{
    for (const ScriptKind kind : {ScriptKind::Trigger, ScriptKind::TeamType}) {
        std::size_t count = 0;
        forEachScriptLine(scenario, kind, LineReading::ReferencesOnly, [&](const ScriptEntry& read) {
            const ScriptEntry& held = index.entries(kind)[count++];
            EXPECT_EQ(read.line, held.line);
            EXPECT_EQ(rolesOf(read), rolesOf(held));
            EXPECT_EQ(read.unitCodes, held.unitCodes);
            EXPECT_TRUE(read.problems.empty());
        });
        EXPECT_EQ(count, index.entries(kind).size());
    }
}

TEST(ScriptTargetsOfLines, AWaypointNumberUsedTwiceNamesItsFirstLineAndAnOrderHasOneSpelling)
{
    const Scenario scenario = readScenario("[Waypoints]\n9=1\n07=2\n9=3\nx=4\n"
                                           "[TeamTypes]\nt=2,0,7,0,0,-1,-1,0,3,03:7,3:8,9:2\n");
    const ScriptTargets targets(scenario);
    EXPECT_EQ(targets.waypointLine(9), 0u);
    EXPECT_EQ(targets.waypointLine(7), 1u);
    EXPECT_EQ(targets.waypointLine(8), std::nullopt);
    const ScriptIndex index(scenario);
    ASSERT_EQ(index.teamTypes()[0].references.size(), 5u);  // country, waypoint, trigger, orders 2 and 3
    EXPECT_EQ(index.teamTypes()[0].references[3].ordinal, 2u);
    const std::string words = explainEntry(index, index.teamTypes()[0]);
    EXPECT_NE(words.find("(Unit order #) 2."), std::string::npos) << words;  // a caption keeps its last letter
}

TEST(ScriptBadInput, LinesThatAreNotWhatTheyShouldBeAreExplainedAsFarAsTheyCanBe)
{
    const Scenario scenario = readScenario("[Trigs]\n"
                                           "a=b,c=0,x,0,0,7\n"
                                           "short=1\n"
                                           "word=0,2,0,0,zz,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1\n"
                                           "t=9,2,3,1,99,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1\n"
                                           "three=0,2,0\n"
                                           "[TeamTypes]\n"
                                           "tt=1,0,0,0,0,-1,-1,5,E1:1,2,zz,3:,1:7\n"
                                           "w=a,b\n"
                                           "e=\n"
                                           "more=1,0,0,0,0,-1,-1,3,E1:1\n");
    const ScriptIndex index(scenario);
    for (const std::vector<ScriptEntry>* entries : {&index.triggers(), &index.teamTypes()}) {
        for (const ScriptEntry& entry : *entries) {
            const std::string text = explainEntry(index, entry);
            EXPECT_NE(text.find("Not as the composer writes it"), std::string::npos) << text;
            EXPECT_TRUE(isMarked(index, entry)) << text;
        }
    }
    EXPECT_NE(explainEntry(index, index.triggers()[2]).find("T1 code 'zz'"), std::string::npos);
    EXPECT_NE(explainEntry(index, index.triggers()[3]).find("activation '3,1' of T1 code '99'"), std::string::npos);
    EXPECT_NE(explainEntry(index, index.triggers()[3]).find("repeat '9'"), std::string::npos);
    // Lines that end early: the words stop at the last value there is.
    EXPECT_NE(explainEntry(index, index.triggers()[4]).find("activation '0,' of T1 (missing)"), std::string::npos);
    EXPECT_NE(explainEntry(index, index.teamTypes()[3]).find("units 1 E1; no orders"), std::string::npos);
}

} // namespace
