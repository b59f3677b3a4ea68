#include "core/check/quick_fixes.h"

#include "core/check/scenario_check.h"
#include "core/document/reader.h"

#include "../pane_of_lines.h"

#include <gtest/gtest.h>

using namespace vexa;

namespace {

using Lines = std::vector<std::string>;

using test::paneOf;

Scenario fileOf(std::initializer_list<std::string_view> lines)
{
    std::string bytes;
    for (std::string_view line : lines)
        (bytes += line) += "\r\n";
    return readScenario(bytes);
}

// The scenario once every change of the fix is made.
Scenario fixed(const Scenario& scenario, const QuickFix& fix)
{
    Scenario result = scenario;
    for (const PaneChange& change : fix.changes)
        result.pane(change.pane) = applied(scenario.pane(change.pane), change);
    return result;
}

std::optional<QuickFix> fixOfFirstFinding(const Scenario& scenario, std::string_view rule)
{
    for (const Finding& finding : checkScenario(scenario)) {
        if (finding.rule == rule) {
            std::optional<QuickFix> fix = quickFixFor(finding, scenario);
            EXPECT_EQ(quickFixTitle(finding, scenario), fix ? std::optional(fix->title) : std::nullopt);
            return fix;
        }
    }
    ADD_FAILURE() << "no " << rule;
    return std::nullopt;
}

} // namespace

TEST(PaneChange, EditsRemovalsAndAppendsKeepEveryOtherByte)
{
    const MemoryPane pane = paneOf({"0=a ; x", "", "  1 = b", "gone", "2=c"});
    const PaneChange change{PaneId::Units, {{0, 0, 1, "10"}, {2, 2, 1, "11"}, {2, 6, 1, "bb"}}, {3}, {"3=d"}};
    EXPECT_EQ(applied(pane, change).lines(), (Lines{"10=a ; x", "", "  11 = bb", "2=c", "3=d"}));
    EXPECT_EQ(applied(pane, PaneChange{}).lines(), pane.lines());
}

TEST(QuickFix, RenumberGivesEachKeyedLineItsLineNumberAndNothingElse)
{
    const MemoryPane units = paneOf({"; north", "0=USSR,3TNK,256,500,64,Hunt,None ; lead", "", "  0 =USSR,3TNK,256,501,64,Hunt,None",
                                     "junk", "7=USSR,3TNK,256,502,64,Hunt,None"});
    EXPECT_EQ(applied(units, renumberedSection(PaneId::Units, units)).lines(),
              (Lines{"; north", "1=USSR,3TNK,256,500,64,Hunt,None ; lead", "", "  3 =USSR,3TNK,256,501,64,Hunt,None",
                     "junk", "5=USSR,3TNK,256,502,64,Hunt,None"}));
    EXPECT_EQ(applied(units, renumberedSection(PaneId::Units, units, {0, 2})).lines(),
              (Lines{"0=USSR,3TNK,256,500,64,Hunt,None ; lead", "  1 =USSR,3TNK,256,501,64,Hunt,None", "junk",
                     "3=USSR,3TNK,256,502,64,Hunt,None"}))
        << "numbered as they stand once the removed lines are gone";
    const MemoryPane numbered = paneOf({"0=a", "1=b"});
    EXPECT_TRUE(renumberedSection(PaneId::Units, numbered).isEmpty());
}

TEST(QuickFix, OfferedForDuplicateKeysOnlyWhereKeysAreLineNumbers)
{
    const Scenario scenario = fileOf({"[STRUCTURES]", "0=Greece,GUN,256,500,0,None,1,0", "0=Greece,GUN,256,502,0,None,1,0",
                                      "[TERRAIN]", "500=T01", "500=T02", "[Waypoints]", "1=5", "1=6"});
    const auto renumber = fixOfFirstFinding(scenario, "duplicate-key");
    ASSERT_TRUE(renumber);
    EXPECT_EQ(renumber->title, "Renumber this section");
    EXPECT_EQ(fixed(scenario, *renumber).pane(PaneId::Structures).lines(),
              (Lines{"0=Greece,GUN,256,500,0,None,1,0", "1=Greece,GUN,256,502,0,None,1,0"}));
    for (const Finding& finding : checkScenario(scenario)) {
        if (finding.pane != PaneId::Structures) {
            EXPECT_FALSE(quickFixFor(finding, scenario)) << finding.section << " keys are cells or numbers";
        }
    }
}

TEST(QuickFix, RecountTheBaseWrittenByTheBuildingsDialog)
{
    const Scenario scenario = fileOf({"[Base]", "Player=USSR", "Count=7 ; old", "000=POWR,500", "; gate", "005=GUN,502",
                                      "Count=9", "2=TSLA,504"});
    const auto recount = fixOfFirstFinding(scenario, "base-count");
    ASSERT_TRUE(recount);
    EXPECT_EQ(recount->title, "Recount the base");
    EXPECT_EQ(fixed(scenario, *recount).pane(PaneId::Base).lines(),
              (Lines{"Player=USSR", "Count=3 ; old", "000=POWR,500", "; gate", "001=GUN,502", "Count=9", "002=TSLA,504"}));
    EXPECT_EQ(applied(scenario.pane(PaneId::Base), *recountedBase(scenario.pane(PaneId::Base), {2})).lines(),
              (Lines{"Player=USSR", "Count=2 ; old", "; gate", "000=GUN,502", "Count=9", "001=TSLA,504"}));

    // Not offered where the base does not start as the dialog writes it.
    const Scenario hand = fileOf({"[Base]", "Count=3", "Player=USSR", "000=POWR,500"});
    EXPECT_FALSE(fixOfFirstFinding(hand, "base-count"));
    EXPECT_FALSE(recountedBase(paneOf({"Player=USSR"})));
}

TEST(QuickFix, MoveTheOldTeamTypeSectionIntoTheTeamTypes)
{
    const Scenario middle = fileOf({"[Aircraft]", "Yak=1", "[TeamType]", "a=1,2", "b=3", "[Rules]", "x=1", "[TeamTypes]", "c=9"});
    const auto move = fixOfFirstFinding(middle, "team-type-section");
    ASSERT_TRUE(move);
    EXPECT_EQ(move->title, "Move into [TeamTypes]");
    const Scenario moved = fixed(middle, *move);
    EXPECT_EQ(moved.pane(PaneId::Rules).lines(), (Lines{"[Aircraft]", "Yak=1", "", "[Rules]", "x=1"}));
    EXPECT_EQ(moved.pane(PaneId::TeamType).lines(), (Lines{"c=9", "a=1,2", "b=3"}));
    EXPECT_TRUE(checkScenario(moved).empty());

    const Scenario last = fileOf({"[Aircraft]", "Yak=1", "[TeamType]", "a=1"});
    EXPECT_EQ(fixed(last, *fixOfFirstFinding(last, "team-type-section")).pane(PaneId::Rules).lines(),
              (Lines{"[Aircraft]", "Yak=1"}));
    const Scenario only = fileOf({"[TeamType]", "a=1"});
    EXPECT_TRUE(fixed(only, *fixOfFirstFinding(only, "team-type-section")).pane(PaneId::Rules).isEmpty());

    // Another rule's finding in the rules pane has no fix.
    const Finding other{"field-count", Severity::Error, "[Aircraft]", PaneId::Rules, std::nullopt, 1, 2, "?"};
    EXPECT_FALSE(quickFixTitle(other, middle));
}
