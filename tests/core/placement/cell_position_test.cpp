#include "core/placement/cell_position.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

std::int32_t cellOf(const char* offset, const char* right, const char* down)
{
    const CellCalculation result = calculateCell(offset, right, down);
    EXPECT_EQ(result.outcome, Outcome::Done) << offset << ' ' << right << ' ' << down;
    return result.cell;
}

TEST(PositionCalculator, OffsetPlusRightPlusRowsOf128)
{
    EXPECT_EQ(cellOf("0", "5", "2"), 261);
    EXPECT_EQ(cellOf("1000", "0", "0"), 1000);
    EXPECT_EQ(cellOf("300", "-1", "-2"), 43);
    EXPECT_EQ(cellOf("0", "0", "-1"), -128);
    // Texts that are no number count as 0.
    EXPECT_EQ(cellOf(" 12", "0", "0"), 12);
    EXPECT_EQ(cellOf("12 ", "3", "0"), 3);
    EXPECT_EQ(cellOf("abc", "$10", "1"), 144);
}

TEST(PositionCalculator, AnEmptyFieldRefuses)
{
    EXPECT_EQ(calculateCell("", "0", "0").outcome, Outcome::Refused);
    EXPECT_EQ(calculateCell("0", "", "0").outcome, Outcome::Refused);
    EXPECT_EQ(calculateCell("0", "0", "").outcome, Outcome::Refused);
}

TEST(PositionCalculator, EachStepIsChecked)
{
    EXPECT_EQ(calculateCell("2147483647", "1", "0").outcome, Outcome::Overflow); // offset + right
    EXPECT_EQ(calculateCell("0", "0", "16777216").outcome, Outcome::Overflow);   // 128 × down
    EXPECT_EQ(calculateCell("2147483520", "0", "1").outcome, Outcome::Overflow); // the sum
    // offset + right overflows although down would bring the total back into range
    EXPECT_EQ(cellAt(2147483647, 1, -1), std::nullopt);
    EXPECT_EQ(cellAt(-2147483647, -1, 16777215), -128);
}

} // namespace
} // namespace vexa
