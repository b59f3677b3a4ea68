#include "core/placement/units.h"
#include "core/placement/unit_types.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace vexa {
namespace {

using Lines = std::vector<std::string>;

// Worked examples: USSR, health 256, direction 64, order Hunt, trigger None,
// first 500, last 501, spacing 1, no comment.
template <typename Input = UnitsInput>
Input workedExample(const char* typeCode)
{
    Input in;
    in.country = "USSR";
    in.typeCode = typeCode;
    in.health = "256";
    in.direction = "64";
    in.order = "Hunt";
    in.first = "500";
    in.last = "501";
    in.spacing = "1";
    in.trigger = "None";
    return in;
}

InfantryInput soldiers(std::array<bool, kSubPositionCount> subPositions)
{
    InfantryInput in = workedExample<InfantryInput>("E1");
    in.subPositions = subPositions;
    return in;
}

// The three Creates over the same texts, for the rules they share.
struct Dialog {
    const char* name;
    std::function<Outcome(const UnitsInput&, Pane&)> create;
};

const std::vector<Dialog>& dialogs()
{
    static const std::vector<Dialog> all = {
        {"units", [](const UnitsInput& in, Pane& pane) { return createUnits(in, pane); }},
        {"ships", [](const UnitsInput& in, Pane& pane) { return createShips(in, pane); }},
        {"infantry",
         [](const UnitsInput& in, Pane& pane) {
             InfantryInput soldier;
             static_cast<UnitsInput&>(soldier) = in;
             soldier.subPositions = {true, false, false, false, false};
             return createInfantry(soldier, pane);
         }},
    };
    return all;
}

TEST(CreateUnitsShipsInfantry, WorkedExamples)
{
    MemoryPane units;
    EXPECT_EQ(createUnits(workedExample("3TNK"), units), Outcome::Done);
    EXPECT_EQ(units.lines(), (Lines{"0=USSR,3TNK,256,500,64,Hunt,None", "1=USSR,3TNK,256,501,64,Hunt,None"}));

    MemoryPane ships;
    EXPECT_EQ(createShips(workedExample("SS"), ships), Outcome::Done);
    EXPECT_EQ(ships.lines(), (Lines{"0=USSR,SS,256,500,64,Hunt,None", "1=USSR,SS,256,501,64,Hunt,None"}));

    MemoryPane infantry;
    EXPECT_EQ(createInfantry(soldiers({true, true, false, false, false}), infantry), Outcome::Done);
    EXPECT_EQ(infantry.lines(), (Lines{"0=USSR,E1,256,500,0,Hunt,64,None", "1=USSR,E1,256,500,1,Hunt,64,None",
                                       "2=USSR,E1,256,501,0,Hunt,64,None", "3=USSR,E1,256,501,1,Hunt,64,None"}));
}

// Units and ships write the direction before the order, infantry the order before the
// direction (after the sub-position). Texts are copied as typed, the comment goes last.
TEST(CreateUnitsShipsInfantry, LineFieldOrder)
{
    UnitsInput in = workedExample("T");
    in.country = "Multi2";
    in.health = "999";
    in.direction = " 40";
    in.order = std::string(kOrderChooserStart);
    in.trigger = "nosuch";
    in.first = in.last = "-7";
    in.comment = "north gate";
    const Lines expected[] = {
        {"0=Multi2,T,999,-7, 40,None,nosuch ; north gate"},
        {"0=Multi2,T,999,-7, 40,None,nosuch ; north gate"},
        {"0=Multi2,T,999,-7,0,None, 40,nosuch ; north gate"},
    };
    for (std::size_t i = 0; i < dialogs().size(); ++i) {
        MemoryPane pane;
        EXPECT_EQ(dialogs()[i].create(in, pane), Outcome::Done) << dialogs()[i].name;
        EXPECT_EQ(pane.lines(), expected[i]) << dialogs()[i].name;
    }
}

TEST(CreateUnitsShipsInfantry, NumberingContinuesFromThePanesLineCount)
{
    for (const Dialog& dialog : dialogs()) {
        MemoryPane pane("; convoy\n\n0=x\n");
        EXPECT_EQ(dialog.create(workedExample("T"), pane), Outcome::Done) << dialog.name;
        ASSERT_EQ(pane.lineCount(), 5u) << dialog.name;
        EXPECT_TRUE(pane.line(3).starts_with("3=USSR,T,256,500,")) << dialog.name;
        EXPECT_TRUE(pane.line(4).starts_with("4=USSR,T,256,501,")) << dialog.name;
    }
}

// Units read the spacing with fallback 1, ships and infantry with fallback 0.
TEST(CreateUnitsShipsInfantry, SpacingThatIsNoNumberStepsByOneOnlyForUnits)
{
    UnitsInput in = workedExample("T");
    in.last = "502";
    in.spacing = "abc";
    MemoryPane units;
    EXPECT_EQ(createUnits(in, units), Outcome::Done);
    EXPECT_EQ(units.lines(), (Lines{"0=USSR,T,256,500,64,Hunt,None", "1=USSR,T,256,501,64,Hunt,None",
                                    "2=USSR,T,256,502,64,Hunt,None"}));

    MemoryPane ships("x\n");
    EXPECT_EQ(createShips(in, ships), Outcome::Refused);
    EXPECT_EQ(ships.text(), "x\n");

    InfantryInput soldier = soldiers({true, true, true, true, true});
    soldier.spacing = "abc";
    MemoryPane infantry("x\n");
    EXPECT_EQ(createInfantry(soldier, infantry), Outcome::Refused);
    EXPECT_EQ(infantry.text(), "x\n");
}

TEST(CreateUnitsShipsInfantry, ZeroAndNegativeSpacingAreRefusedEverywhere)
{
    for (const Dialog& dialog : dialogs()) {
        for (const char* spacing : {"0", "-1", "$FFFFFFFF", "+0"}) {
            UnitsInput in = workedExample("T");
            in.spacing = spacing;
            MemoryPane pane("x\n");
            EXPECT_EQ(dialog.create(in, pane), Outcome::Refused) << dialog.name << " " << spacing;
            EXPECT_EQ(pane.text(), "x\n") << dialog.name << " " << spacing;
        }
    }
}

TEST(CreateUnitsShipsInfantry, SpacingStepsAndTheLastCellOnlyWhenOnTheRun)
{
    UnitsInput in = workedExample("T");
    in.first = "100";
    in.last = "105";
    in.spacing = "2";
    for (const Dialog& dialog : dialogs()) {
        MemoryPane pane;
        EXPECT_EQ(dialog.create(in, pane), Outcome::Done) << dialog.name;
        ASSERT_EQ(pane.lineCount(), 3u) << dialog.name;
        EXPECT_TRUE(pane.line(2).starts_with("2=USSR,T,256,104,")) << dialog.name;
    }
}

TEST(CreateUnitsShipsInfantry, FirstPastLastAppendsNothing)
{
    UnitsInput in = workedExample("T");
    in.first = "1000";
    in.last = "990";
    for (const Dialog& dialog : dialogs()) {
        MemoryPane pane;
        EXPECT_EQ(dialog.create(in, pane), Outcome::Done) << dialog.name;
        EXPECT_TRUE(pane.isEmpty()) << dialog.name;
    }
}

// Every text but the comment is required, the order included; the comment is not.
TEST(CreateUnitsShipsInfantry, RefusedWhenARequiredTextIsEmpty)
{
    for (const Dialog& dialog : dialogs()) {
        for (auto field : {&UnitsInput::country, &UnitsInput::typeCode, &UnitsInput::health, &UnitsInput::direction,
                           &UnitsInput::order, &UnitsInput::first, &UnitsInput::last, &UnitsInput::spacing,
                           &UnitsInput::trigger}) {
            UnitsInput in = workedExample("T");
            in.*field = "";
            MemoryPane pane("x\n");
            EXPECT_EQ(dialog.create(in, pane), Outcome::Refused) << dialog.name;
            EXPECT_EQ(pane.text(), "x\n") << dialog.name;
        }
        UnitsInput in = workedExample("T");
        in.comment = "";
        MemoryPane pane;
        EXPECT_EQ(dialog.create(in, pane), Outcome::Done) << dialog.name;
    }
}

TEST(CreateInfantry, AllFiveSubPositionsPerCellInOrder)
{
    InfantryInput in = soldiers({true, true, true, true, true});
    in.last = "502";
    MemoryPane infantry;
    EXPECT_EQ(createInfantry(in, infantry), Outcome::Done);
    ASSERT_EQ(infantry.lineCount(), 15u);
    for (std::size_t i = 0; i < 15; ++i) {
        const std::string cell = std::to_string(500 + i / 5);
        const std::string sub = std::to_string(i % 5);
        EXPECT_EQ(infantry.line(i), std::to_string(i) + "=USSR,E1,256," + cell + "," + sub + ",Hunt,64,None");
    }
}

TEST(CreateInfantry, OnlyTickedSubPositionsEachWithItsOwnNumber)
{
    // CheckBox2 (upper left) and CheckBox5 (lower right): sub-positions 1 and 4.
    InfantryInput in = soldiers({false, true, false, false, true});
    in.first = in.last = "77";
    in.comment = "c";
    MemoryPane infantry("a\n");
    EXPECT_EQ(createInfantry(in, infantry), Outcome::Done);
    EXPECT_EQ(infantry.lines(), (Lines{"a", "1=USSR,E1,256,77,1,Hunt,64,None ; c", "2=USSR,E1,256,77,4,Hunt,64,None ; c"}));
}

TEST(CreateInfantry, NoSubPositionTickedAppendsNothingAndIsDone)
{
    MemoryPane infantry("x\n");
    EXPECT_EQ(createInfantry(soldiers({false, false, false, false, false}), infantry), Outcome::Done);
    EXPECT_EQ(infantry.text(), "x\n");
}

TEST(CreateInfantry, AllTickedAsTheDialogOpens)
{
    EXPECT_EQ(InfantryInput{}.subPositions, (std::array<bool, kSubPositionCount>{true, true, true, true, true}));
}

// The limit counts cells, not lines: infantry may write five lines per cell.
TEST(CreateUnitsShipsInfantry, ARunLongerThanAnyMapAppendsNothing)
{
    InfantryInput in = soldiers({true, true, true, true, true});
    in.first = "0";
    in.last = "16384";
    MemoryPane infantry("x\n");
    EXPECT_EQ(createInfantry(in, infantry), (Outcome{Outcome::TooManyCells, 16385}));
    EXPECT_EQ(infantry.text(), "x\n");

    in.last = "16383";
    EXPECT_EQ(createInfantry(in, infantry), Outcome::Done);
    EXPECT_EQ(infantry.lineCount(), 1u + 5u * 16384u);
    EXPECT_EQ(infantry.line(5 * 16384), "81920=USSR,E1,256,16383,4,Hunt,64,None");
}

TEST(CreateUnitsShipsInfantry, OverflowKeepsTheLinesSoFar)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    UnitsInput in = workedExample("T");
    in.first = std::to_string(kMax - 1);
    in.last = std::to_string(kMax);
    MemoryPane units;
    EXPECT_EQ(createUnits(in, units), Outcome::Overflow);
    EXPECT_EQ(units.lines(), (Lines{"0=USSR,T,256,2147483646,64,Hunt,None", "1=USSR,T,256,2147483647,64,Hunt,None"}));

    InfantryInput soldier = soldiers({true, false, true, false, false});
    soldier.first = soldier.last = std::to_string(kMax);
    MemoryPane infantry;
    EXPECT_EQ(createInfantry(soldier, infantry), Outcome::Overflow);
    EXPECT_EQ(infantry.lines(),
              (Lines{"0=USSR,E1,256,2147483647,0,Hunt,64,None", "1=USSR,E1,256,2147483647,2,Hunt,64,None"}));
}

} // namespace
} // namespace vexa
