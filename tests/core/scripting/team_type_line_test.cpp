#include "core/scripting/team_type_line.h"
#include "core/scripting/team_type_vocabulary.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

namespace vexa {
namespace {

const MenuItem& entryCaptioned(const MenuTable& table, std::string_view caption)
{
    for (const MenuItem* entry : menuEntries(table)) {
        if (entry->caption == caption)
            return *entry;
    }
    throw std::out_of_range("no entry " + std::string(caption));
}

UnitEntry unitOf(std::string_view caption, std::string count)
{
    return {entryCaptioned(teamUnitTypes(), caption).code, std::move(count)};
}

OrderEntry orderOf(std::string_view caption, std::string parameter)
{
    return {entryCaptioned(teamOrders(), caption).code, std::move(parameter)};
}

// tank1 for the USSR, composed as a user does it: from the opening values, through the
// menus and the radio group, leaving the unknowns, the waypoint and the trigger alone.
TeamTypeInput tank1()
{
    TeamTypeInput in = freshTeamType();
    in.name = "tank1";
    in.country = entryCaptioned(countryEntries(), "USSR").code;
    in.hiddenAutocreate = selectHiddenAutocreate(4).number;  // "Not hidden, autocreated"
    in.autocreatedTeams = "3";
    in.units = {unitOf("Heavy tank", "2"), unitOf("Mammoth tank", "1")};
    in.orders = {orderOf("Move to waypoint (Waypoint ID)", "5"), orderOf("Attack (Country ID)", "1")};
    return in;
}

TEST(TeamTypeLine, ComposesTheUssrTankExample)
{
    EXPECT_EQ(composeTeamTypeLine(tank1()), "tank1=2,4,0,0,3,-1,-1,2,3TNK:2,4TNK:1,2,3:5,0:1");
}

TEST(TeamTypeLine, EmptyListsAreWrittenAsTwoZeroCounts)
{
    TeamTypeInput in = tank1();
    in.units.clear();
    in.orders.clear();
    EXPECT_EQ(composeTeamTypeLine(in), "tank1=2,4,0,0,3,-1,-1,0,0");
}

TEST(TeamTypeLine, EachListIsItsCountThenItsEntriesInListOrder)
{
    TeamTypeInput in = tank1();
    in.units = {{"E", "1"}, {"D", "2"}, {"C", "3"}};
    in.orders = {{"9", "x"}};
    EXPECT_EQ(composeTeamTypeLine(in), "tank1=2,4,0,0,3,-1,-1,3,E:1,D:2,C:3,1,9:x");
}

TEST(TeamTypeLine, EachTextHasItsOwnPlace)
{
    TeamTypeInput in;
    in.name = "n";
    in.country = "c";
    in.hiddenAutocreate = "h";
    in.unknown1 = "u1";
    in.unknown2 = "u2";
    in.autocreatedTeams = "a";
    in.waypoint = "w";
    in.attachedTrigger = "t";
    EXPECT_EQ(composeTeamTypeLine(in), "n=c,h,u1,u2,a,w,t,0,0");
}

TEST(TeamTypeLine, CommentFollowsAfterBlankSemicolonBlankOnlyWhenNonEmpty)
{
    TeamTypeInput in = tank1();
    in.comment = "end";
    EXPECT_EQ(composeTeamTypeLine(in), "tank1=2,4,0,0,3,-1,-1,2,3TNK:2,4TNK:1,2,3:5,0:1 ; end");

    in.units.clear();
    in.orders.clear();
    in.comment = "  ";
    EXPECT_EQ(composeTeamTypeLine(in), "tank1=2,4,0,0,3,-1,-1,0,0 ;   ");
}

TEST(TeamTypeLine, AnyEmptyMandatoryTextGivesNoLine)
{
    using Field = std::string* (*)(TeamTypeInput&);
    const Field fields[] = {
        [](TeamTypeInput& in) { return &in.name; },
        [](TeamTypeInput& in) { return &in.country; },
        [](TeamTypeInput& in) { return &in.hiddenAutocreate; },
        [](TeamTypeInput& in) { return &in.unknown1; },
        [](TeamTypeInput& in) { return &in.unknown2; },
        [](TeamTypeInput& in) { return &in.autocreatedTeams; },
        [](TeamTypeInput& in) { return &in.waypoint; },
        [](TeamTypeInput& in) { return &in.attachedTrigger; },
    };
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        TeamTypeInput in = tank1();
        in.comment = "still nothing";
        fields[i](in)->clear();
        EXPECT_FALSE(mandatoryFieldsFilled(in)) << "field " << i;
        EXPECT_FALSE(composeTeamTypeLine(in)) << "field " << i;

        MemoryPane teamTypes("old=0\n");
        EXPECT_FALSE(appendTeamType(in, teamTypes)) << "field " << i;
        EXPECT_EQ(teamTypes.text(), "old=0\n");
    }
}

TEST(TeamTypeLine, FreshValuesLackOnlyNameCountryAndTeamCount)
{
    TeamTypeInput in = freshTeamType();
    EXPECT_FALSE(composeTeamTypeLine(in));
    in.name = "t";
    in.country = "0";
    EXPECT_FALSE(composeTeamTypeLine(in));
    in.autocreatedTeams = "1";
    EXPECT_EQ(composeTeamTypeLine(in), "t=0,0,0,0,1,-1,-1,0,0");
    EXPECT_TRUE(freshTeamType().comment.empty());
}

// Nothing is checked or split: a count is the number of entries, however many commas or
// colons their texts hold, and "Number:" is written as typed even when no button matches.
TEST(TeamTypeLine, TextsAreCopiedAsTyped)
{
    TeamTypeInput in = freshTeamType();
    in.name = "a=b";
    in.country = "USSR";
    in.hiddenAutocreate = "9";
    in.autocreatedTeams = "x";
    in.units = {{"3TNK,4TNK", "1:2"}};
    in.orders = {{"3", "5,6"}, {"0", ":1"}};
    in.comment = "c, d";
    EXPECT_EQ(composeTeamTypeLine(in), "a=b=USSR,9,0,0,x,-1,-1,1,3TNK,4TNK:1:2,2,3:5,6,0::1 ; c, d");
}

TEST(TeamTypeLine, AppendAddsOneLineAfterWhateverThePaneHolds)
{
    MemoryPane teamTypes("; hand-written\n\nold=0\n");
    EXPECT_TRUE(appendTeamType(tank1(), teamTypes));
    ASSERT_EQ(teamTypes.lineCount(), 4u);
    EXPECT_EQ(teamTypes.line(2), "old=0");
    EXPECT_EQ(teamTypes.line(3), "tank1=2,4,0,0,3,-1,-1,2,3TNK:2,4TNK:1,2,3:5,0:1");
}

TEST(ListEntries, AreTheTwoTextsJoinedByAColon)
{
    EXPECT_EQ(entryText(UnitEntry{"3TNK", "2"}), "3TNK:2");
    EXPECT_EQ(entryText(OrderEntry{"3", "5"}), "3:5");
    EXPECT_EQ(entryText(UnitEntry{"A:B", "1,2"}), "A:B:1,2");
}

TEST(ListEntries, AreAddedOnlyWithBothTextsFilled)
{
    EXPECT_TRUE(canAdd(UnitEntry{"3TNK", "2"}));
    EXPECT_FALSE(canAdd(UnitEntry{"", "2"}));
    EXPECT_FALSE(canAdd(UnitEntry{"3TNK", ""}));
    EXPECT_TRUE(canAdd(UnitEntry{" ", " "}));

    EXPECT_TRUE(canAdd(OrderEntry{"3", "5"}));
    EXPECT_FALSE(canAdd(OrderEntry{"", "5"}));
    EXPECT_FALSE(canAdd(OrderEntry{"3", ""}));
    EXPECT_TRUE(canAdd(OrderEntry{" ", " "}));
}

} // namespace
} // namespace vexa
