#include "core/decorations/decorations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexa {
namespace {

using Lines = std::vector<std::string>;

DecorationInput row(const char* first, const char* last, const char* spacing, const char* kind,
                    const char* comment = "")
{
    return DecorationInput{first, last, spacing, kind, comment};
}

Lines linesAfter(DecorationFormat format, const DecorationInput& input, const char* paneText = "")
{
    MemoryPane pane(paneText);
    EXPECT_EQ(createDecorations(format, input, pane), Outcome::Done);
    return pane.lines();
}

TEST(CreateDecorations, WorkedExamples)
{
    EXPECT_EQ(linesAfter(DecorationFormat::Smudge, row("1000", "1004", "2", "CR1")),
              (Lines{"1000=CR1,1000,0", "1002=CR1,1002,0", "1004=CR1,1004,0"}));
    EXPECT_EQ(linesAfter(DecorationFormat::Terrain, row("500", "500", "1", "T01", "north wood")),
              (Lines{"500=T01 ; north wood"}));
    EXPECT_EQ(linesAfter(DecorationFormat::Overlay, row("200", "205", "2", "SBAG")),
              (Lines{"200=SBAG", "202=SBAG", "204=SBAG"}));
    EXPECT_EQ(linesAfter(DecorationFormat::CellTriggers, row("3000", "3002", "1", "alarm")),
              (Lines{"3000=alarm", "3001=alarm", "3002=alarm"}));
}

TEST(CreateDecorations, EachFormatGoesToItsSectionsPane)
{
    EXPECT_EQ(paneHeader(decorationPane(DecorationFormat::Terrain)), "[TERRAIN]");
    EXPECT_EQ(paneHeader(decorationPane(DecorationFormat::Smudge)), "[SMUDGE]");
    EXPECT_EQ(paneHeader(decorationPane(DecorationFormat::Overlay)), "[Overlay]");
    EXPECT_EQ(paneHeader(decorationPane(DecorationFormat::CellTriggers)), "[CellTriggers]");
}

TEST(CreateDecorations, LinesAreKeyedByTheCellNotByThePanesLineCount)
{
    EXPECT_EQ(linesAfter(DecorationFormat::Overlay, row("7", "8", "1", "GEM01"), "; ore\n\n"),
              (Lines{"; ore", "", "7=GEM01", "8=GEM01"}));
}

TEST(CreateDecorations, SmudgeCommentFollowsTheFinalZero)
{
    EXPECT_EQ(decorationLine(DecorationFormat::Smudge, -5, "SC1", "pit"), "-5=SC1,-5,0 ; pit");
    EXPECT_EQ(decorationLine(DecorationFormat::CellTriggers, 12, "flood", " "), "12=flood ;  ");
}

TEST(CreateDecorations, PositionsAreReadAsNumbersKindAndCommentAsTyped)
{
    EXPECT_EQ(linesAfter(DecorationFormat::Terrain, row("abc", "0", "1", " t01 ")), (Lines{"0= t01 "}));
    EXPECT_EQ(linesAfter(DecorationFormat::Terrain, row("007", "$8", "1", "MINE")), (Lines{"7=MINE", "8=MINE"}));
    EXPECT_EQ(linesAfter(DecorationFormat::Overlay, row("-2", "-1", "x", "BRIK")), (Lines{"-2=BRIK", "-1=BRIK"}));
}

TEST(CreateDecorations, FirstPastLastIsDoneWithoutALine)
{
    EXPECT_EQ(linesAfter(DecorationFormat::Terrain, row("1000", "990", "1", "T01"), "1=T02\n"), (Lines{"1=T02"}));
}

TEST(CreateDecorations, RefusesWithoutTouchingThePane)
{
    std::vector<DecorationInput> refused;
    for (auto field : {&DecorationInput::first, &DecorationInput::last, &DecorationInput::spacing,
                       &DecorationInput::kind}) {
        refused.push_back(row("1", "3", "1", "CR1", "note"));
        refused.back().*field = "";
    }
    for (const char* spacing : {"0", "$0", "-1"})
        refused.push_back(row("1", "3", spacing, "CR1"));
    for (const DecorationInput& input : refused) {
        MemoryPane pane("x\n");
        EXPECT_EQ(createDecorations(DecorationFormat::Smudge, input, pane), Outcome::Refused) << input.spacing;
        EXPECT_EQ(pane.text(), "x\n");
    }
}

TEST(CreateDecorations, ARunLongerThanAnyMapAppendsNothing)
{
    MemoryPane pane;
    EXPECT_EQ(createDecorations(DecorationFormat::Overlay, row("0", "16384", "1", "GOLD01"), pane),
              (Outcome{Outcome::TooManyCells, 16385}));
    EXPECT_TRUE(pane.isEmpty());
}

} // namespace
} // namespace vexa
