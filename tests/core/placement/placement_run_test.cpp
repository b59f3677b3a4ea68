#include "core/placement/placement_lines.h"
#include "core/placement/placement_run.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace vexa {
namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
using Cells = std::vector<std::int32_t>;

Outcome walk(std::int32_t first, std::int32_t last, std::int32_t spacing, Cells& cells)
{
    return walkPlacementRun(PlacementRun{first, last, spacing}, [&](std::int32_t cell) { cells.push_back(cell); });
}

Cells cellsOf(std::int32_t first, std::int32_t last, std::int32_t spacing)
{
    Cells cells;
    EXPECT_EQ(walk(first, last, spacing, cells), Outcome::Done);
    return cells;
}

TEST(PlacementRun, StepsFromFirstWhileNotPastLast)
{
    EXPECT_EQ(cellsOf(100, 105, 2), (Cells{100, 102, 104}));
    EXPECT_EQ(cellsOf(-3, 0, 1), (Cells{-3, -2, -1, 0}));
    EXPECT_EQ(cellsOf(500, 500, 7), (Cells{500}));
    EXPECT_EQ(cellsOf(1000, 990, 1), (Cells{}));
}

TEST(PlacementRun, ZeroAndNegativeSpacingAreRefused)
{
    for (std::int32_t spacing : {0, -1}) {
        Cells cells;
        EXPECT_EQ(walk(0, 10, spacing, cells), Outcome::Refused);
        EXPECT_TRUE(cells.empty());
    }
}

TEST(PlacementRun, OverflowStopsAfterTheCellsAlreadyPlaced)
{
    Cells cells;
    EXPECT_EQ(walk(kInt32Max - 4, kInt32Max, 2, cells), Outcome::Overflow);
    EXPECT_EQ(cells, (Cells{kInt32Max - 4, kInt32Max - 2, kInt32Max}));
    EXPECT_EQ(cellsOf(kInt32Max - 1, kInt32Max - 1, 1), (Cells{kInt32Max - 1}));
}

TEST(PlacementRun, ARunLongerThanAnyMapPlacesNothing)
{
    EXPECT_EQ(cellsOf(0, 16383, 1).size(), 16384u);
    EXPECT_EQ(cellsOf(0, 2 * 16383, 2).size(), 16384u);

    Cells cells;
    EXPECT_EQ(walk(0, 16384, 1, cells), (Outcome{Outcome::TooManyCells, 16385}));
    EXPECT_EQ(walk(0, kInt32Max, 1, cells), (Outcome{Outcome::TooManyCells, std::int64_t{kInt32Max} + 1}));
    EXPECT_EQ(walk(-kInt32Max - 1, kInt32Max, 1, cells), (Outcome{Outcome::TooManyCells, std::int64_t{1} << 32}));
    EXPECT_TRUE(cells.empty());
    EXPECT_EQ(errorText(walk(0, 20000, 1, cells)), "Too many cells in one run: 20001 (at most 16384)");
    EXPECT_EQ(errorText(Outcome::Overflow), "Heltalsspill");
    EXPECT_EQ(errorText(Outcome::Done), "");
}

TEST(PlacementRun, ReadingUsesTheDialogsSpacingFallback)
{
    const auto run = readPlacementRun("1000", "abc", "abc", 1);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->first, 1000);
    EXPECT_EQ(run->last, 0);
    EXPECT_EQ(run->spacing, 1);
    EXPECT_FALSE(readPlacementRun("0", "0", "abc", 0));
    EXPECT_FALSE(readPlacementRun("0", "0", "0", 1));
    EXPECT_FALSE(readPlacementRun("0", "0", "-2", 1));
}

TEST(PlacementLines, CommentAndNumbering)
{
    EXPECT_EQ(keyedLine("500", "T01", ""), "500=T01");
    EXPECT_EQ(keyedLine("500", "T01", " "), "500=T01 ;  ");
    EXPECT_EQ(joinFields({"", " a ", ""}), ", a ,");

    MemoryPane pane("; a comment\n\n0=x\n");
    appendNumberedLine(pane, "USSR,SS", "");
    appendNumberedLine(pane, "USSR,SS", "dock");
    EXPECT_EQ(pane.line(3), "3=USSR,SS");
    EXPECT_EQ(pane.line(4), "4=USSR,SS ; dock");
}

} // namespace
} // namespace vexa
