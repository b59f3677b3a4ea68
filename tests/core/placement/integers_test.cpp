#include "core/placement/integers.h"

#include <gtest/gtest.h>

#include <limits>

namespace vexa {
namespace {

constexpr std::int32_t kFallback = -77;
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(IntegerReading, DecimalAndHex)
{
    EXPECT_EQ(readInteger(" 12", kFallback), 12);
    EXPECT_EQ(readInteger("  -5", kFallback), -5);
    EXPECT_EQ(readInteger("+007", kFallback), 7);
    EXPECT_EQ(readInteger("0000000000000000012", kFallback), 12);
    EXPECT_EQ(readInteger("2147483647", kFallback), kMax);
    EXPECT_EQ(readInteger("-2147483648", kFallback), kMin);
    EXPECT_EQ(readInteger("$10", kFallback), 16);
    EXPECT_EQ(readInteger("$aF", kFallback), 0xAF);
    EXPECT_EQ(readInteger("$80000000", kFallback), kMin);
    EXPECT_EQ(readInteger("$FFFFFFFF", kFallback), -1);
}

TEST(IntegerReading, AnythingElseGivesTheFallback)
{
    for (const char* text : {"", "   ", "\t5", " \t5", "12 ", "abc", "1a", "-", "- 5", "+-5", "1.5", "0x10", "$", "-$10", "$G",
                             "$000000001", "2147483648", "-2147483649", "99999999999999999999999"})
        EXPECT_EQ(readInteger(text, kFallback), kFallback) << '"' << text << '"';
}

TEST(CheckedArithmetic, ReportsOverflowAtBothEnds)
{
    EXPECT_EQ(checkedAdd(kMax - 1, 1), kMax);
    EXPECT_EQ(checkedAdd(kMax, 1), std::nullopt);
    EXPECT_EQ(checkedAdd(kMin, -1), std::nullopt);
    EXPECT_EQ(checkedMultiply(128, -16777216), kMin);
    EXPECT_EQ(checkedMultiply(128, 16777216), std::nullopt);
    EXPECT_EQ(checkedMultiply(-1, kMin), std::nullopt);
}

} // namespace
} // namespace vexa
