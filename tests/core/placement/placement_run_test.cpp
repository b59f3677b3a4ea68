#include "core/placement/placement_lines.h"
#include "core/placement/placement_run.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace vexa {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct Walk {
    Outcome outcome;
    std::vector<std::int32_t> cells;
};

Walk walk(std::int32_t first, std::int32_t last, std::int32_t spacing)
{
    Walk result{Outcome::Refused, {}};
    result.outcome = walkPlacementRun(PlacementRun{first, last, spacing},
                                      [&](std::int32_t cell) { result.cells.push_back(cell); });
    return result;
}

using Cells = std::vector<std::int32_t>;

TEST(PlacementRun, StepsFromFirstWhileNotPastLast)
{
    EXPECT_EQ(walk(100, 105, 2).cells, (Cells{100, 102, 104}));
    EXPECT_EQ(walk(1000, 1004, 2).cells, (Cells{1000, 1002, 1004}));
    EXPECT_EQ(walk(-3, 0, 1).cells, (Cells{-3, -2, -1, 0}));
    EXPECT_EQ(walk(500, 500, 7).cells, (Cells{500}));
    EXPECT_EQ(walk(5, 9, 10).cells, (Cells{5}));
}

TEST(PlacementRun, FirstPastLastIsDoneWithoutCells)
{
    const Walk result = walk(1000, 990, 1);
    EXPECT_EQ(result.outcome, Outcome::Done);
    EXPECT_TRUE(result.cells.empty());
}

TEST(PlacementRun, ZeroAndNegativeSpacingAreRefusedWithoutPlacing)
{
    for (std::int32_t spacing : {0, -1, -128}) {
        const Walk result = walk(0, 10, spacing);
        EXPECT_EQ(result.outcome, Outcome::Refused) << spacing;
        EXPECT_TRUE(result.cells.empty());
    }
}

TEST(PlacementRun, OverflowStopsAfterTheCellsAlreadyPlaced)
{
    const Walk result = walk(kMax - 4, kMax, 2);
    EXPECT_EQ(result.outcome, Outcome::Overflow);
    EXPECT_EQ(result.cells, (Cells{kMax - 4, kMax - 2, kMax}));

    // The step past the last cell overflows too when the run ends at the largest value.
    EXPECT_EQ(walk(kMax, kMax, 1).outcome, Outcome::Overflow);
    // One spacing short of the top, the step still fits and the run ends normally.
    EXPECT_EQ(walk(kMax - 1, kMax - 1, 1).outcome, Outcome::Done);
}

TEST(PlacementRun, ReadingUsesTheDialogsSpacingFallback)
{
    const auto withFallbackOne = readPlacementRun("1000", "abc", "abc", 1);
    ASSERT_TRUE(withFallbackOne);
    EXPECT_EQ(withFallbackOne->first, 1000);
    EXPECT_EQ(withFallbackOne->last, 0);
    EXPECT_EQ(withFallbackOne->spacing, 1);

    EXPECT_FALSE(readPlacementRun("0", "0", "abc", 0));
    EXPECT_FALSE(readPlacementRun("0", "0", "0", 1));
    EXPECT_FALSE(readPlacementRun("0", "0", "-2", 1));
    EXPECT_EQ(readPlacementRun(" 7", "$10", "+3", 0)->spacing, 3);
}

TEST(PlacementRun, AllFilledMeansNoEmptyText)
{
    EXPECT_TRUE(allFilled({"a", " ", "None"}));
    EXPECT_FALSE(allFilled({"a", "", "None"}));
    EXPECT_TRUE(allFilled({}));
}

TEST(PlacementLines, CommentIsAddedOnlyWhenNonEmpty)
{
    EXPECT_EQ(keyedLine("500", "T01", ""), "500=T01");
    EXPECT_EQ(keyedLine("500", "T01", "north wood"), "500=T01 ; north wood");
    EXPECT_EQ(keyedLine("-7", "CR1,-7,0", " "), "-7=CR1,-7,0 ;  ");
}

TEST(PlacementLines, FieldsAreJoinedAsTyped)
{
    EXPECT_EQ(joinFields({"USSR", "3TNK", "256", "500"}), "USSR,3TNK,256,500");
    EXPECT_EQ(joinFields({"", " a ", ""}), ", a ,");
    EXPECT_EQ(joinFields({}), "");
}

TEST(PlacementLines, NumberingContinuesFromThePanesLineCount)
{
    MemoryPane pane("; a comment\n\n0=x\n");
    appendNumberedLine(pane, "USSR,SS", "");
    appendNumberedLine(pane, "USSR,SS", "dock");
    EXPECT_EQ(pane.line(3), "3=USSR,SS");
    EXPECT_EQ(pane.line(4), "4=USSR,SS ; dock");
}

} // namespace
} // namespace vexa
