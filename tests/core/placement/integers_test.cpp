#include "core/placement/integers.h"

#include <gtest/gtest.h>

#include <limits>

namespace vexa {
namespace {

constexpr std::int32_t kFallback = -77;
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(IntegerReading, DecimalWithOptionalSignAndLeadingBlanks)
{
    EXPECT_EQ(readInteger("12", kFallback), 12);
    EXPECT_EQ(readInteger(" 12", kFallback), 12);
    EXPECT_EQ(readInteger("   \t-5", kFallback), -5);
    EXPECT_EQ(readInteger("+7", kFallback), 7);
    EXPECT_EQ(readInteger("007", kFallback), 7);
    EXPECT_EQ(readInteger("-0", kFallback), 0);
    EXPECT_EQ(readInteger("0000000000000000012", kFallback), 12);
}

TEST(IntegerReading, AnythingElseGivesTheFallback)
{
    for (const char* text : {"", "   ", "12 ", "12\t", "abc", "1a", "-", "+", "- 5", "+-5", "1.5", "1e3", "0x10",
                             "$", "-$10", "$10 ", "$G", "12,3"})
        EXPECT_EQ(readInteger(text, kFallback), kFallback) << '"' << text << '"';
}

TEST(IntegerReading, DecimalLimitsOfSigned32Bits)
{
    EXPECT_EQ(readInteger("2147483647", kFallback), kMax);
    EXPECT_EQ(readInteger("-2147483648", kFallback), kMin);
    EXPECT_EQ(readInteger("2147483648", kFallback), kFallback);
    EXPECT_EQ(readInteger("-2147483649", kFallback), kFallback);
    EXPECT_EQ(readInteger("99999999999999999999999", kFallback), kFallback);
}

TEST(IntegerReading, HexIsA32BitPatternOfUpToEightDigits)
{
    EXPECT_EQ(readInteger("$10", kFallback), 16);
    EXPECT_EQ(readInteger(" $aF", kFallback), 0xAF);
    EXPECT_EQ(readInteger("$7FFFFFFF", kFallback), kMax);
    EXPECT_EQ(readInteger("$80000000", kFallback), kMin);
    EXPECT_EQ(readInteger("$FFFFFFFF", kFallback), -1);
    EXPECT_EQ(readInteger("$000000001", kFallback), kFallback);
}

TEST(IntegerReading, ParseTellsMissingValueApartFromAnyFallback)
{
    EXPECT_EQ(parseInteger("0"), 0);
    EXPECT_EQ(parseInteger("x"), std::nullopt);
}

TEST(DecimalText, PlainWithMinusWhenNegative)
{
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(1004), "1004");
    EXPECT_EQ(decimalText(-128), "-128");
    EXPECT_EQ(decimalText(kMin), "-2147483648");
    EXPECT_EQ(readInteger(decimalText(kMin), 0), kMin);
}

TEST(CheckedArithmetic, ReportsOverflowAtBothEnds)
{
    EXPECT_EQ(checkedAdd(kMax - 1, 1), kMax);
    EXPECT_EQ(checkedAdd(kMax, 1), std::nullopt);
    EXPECT_EQ(checkedAdd(kMin, -1), std::nullopt);
    EXPECT_EQ(checkedAdd(kMin, kMax), -1);

    EXPECT_EQ(checkedMultiply(128, 16777215), 2147483520);
    EXPECT_EQ(checkedMultiply(128, 16777216), std::nullopt);
    EXPECT_EQ(checkedMultiply(128, -16777216), kMin);
    EXPECT_EQ(checkedMultiply(128, -16777217), std::nullopt);
    EXPECT_EQ(checkedMultiply(-1, kMin), std::nullopt);
}

} // namespace
} // namespace vexa
