#include "core/document/text_search.h"

#include <gtest/gtest.h>

using namespace vexa;

using Matches = std::vector<TextMatch>;

TEST(FindMatches, GivesLineAndColumnOfEveryMatchWithoutOverlap)
{
    EXPECT_EQ(findMatches("a=GUN\nb=gun,GUN\n\nGUN", "GUN", MatchCase::Exact),
              (Matches{{0, 2, 2}, {1, 6, 12}, {3, 0, 17}}));
    EXPECT_EQ(findMatches("aaaa", "aa", MatchCase::Exact), (Matches{{0, 0, 0}, {0, 2, 2}}));
    EXPECT_EQ(findMatches("x\n\n\nxyx", "x", MatchCase::Exact), (Matches{{0, 0, 0}, {3, 0, 4}, {3, 2, 6}}));
}

TEST(FindMatches, NeverSpansALineBreak)
{
    EXPECT_TRUE(findMatches("ab\ncd", "b\nc", MatchCase::Exact).empty());
    EXPECT_TRUE(findMatches("ab\ncd", "", MatchCase::Exact).empty());
    EXPECT_TRUE(findMatches("", "a", MatchCase::Ignore).empty());
}

TEST(FindMatches, IgnoringCaseFoldsTheCodePagesLetters)
{
    EXPECT_EQ(findMatches("Gun gUN", "GUN", MatchCase::Ignore), (Matches{{0, 0, 0}, {0, 4, 4}}));
    EXPECT_TRUE(findMatches("Gun", "GUN", MatchCase::Exact).empty());
    // Windows-1252: É/é, Š/š, Ÿ/ÿ; the multiplication sign and the division sign are no pair.
    EXPECT_EQ(findMatches("\xC9\x8A\x9F", "\xE9\x9A\xFF", MatchCase::Ignore), (Matches{{0, 0, 0}}));
    EXPECT_TRUE(findMatches("\xD7", "\xF7", MatchCase::Ignore).empty());
    EXPECT_EQ(foldCase('['), '[');
    EXPECT_EQ(foldCase('@'), '@');
}

// The ends of each run of capitals: À and Þ, Š to Ÿ; ß and ¿ have no pair.
TEST(FindMatches, FoldsTheLettersAtTheEndsOfTheCodePagesRuns)
{
    EXPECT_EQ(findMatches("\xDE\xFF\x8A\xC0\x8C\x8E", "\xFE\x9F\x9A\xE0\x9C\x9E", MatchCase::Ignore),
              (Matches{{0, 0, 0}})) << "þ, ÿ, š, à, œ, ž";
    for (const char same : {'\xDF', '\xBF', '\xFF', '\x9A', 'z', '\x8B', '\x8D'})
        EXPECT_EQ(foldCase(same), same) << int(static_cast<unsigned char>(same));
}

TEST(RequestedLine, TakesANumberWithinTheLines)
{
    EXPECT_EQ(std::get<std::size_t>(requestedLine(" 12 ", 13)), 12u);
    EXPECT_EQ(std::get<std::size_t>(requestedLine("0", 1)), 0u);
    EXPECT_EQ(std::get<LineRequestError>(requestedLine("13", 13)).message,
              "There is no line 13; the lines go from 0 to 12");
    EXPECT_EQ(std::get<LineRequestError>(requestedLine("99999999999999999999999", 13)).message,
              "There is no line 99999999999999999999999; the lines go from 0 to 12");
    for (const char* typed : {"", "-1", "+1", "1x", "one", "1 2"}) {
        EXPECT_EQ(std::get<LineRequestError>(requestedLine(typed, 4)).message,
                  "\"" + std::string(typed) + "\" is no line number; the lines go from 0 to 3")
            << typed;
    }
    for (const char* typed : {"0", "", "x"}) {
        EXPECT_EQ(std::get<LineRequestError>(requestedLine(typed, 0)).message, "The pane is empty: it has no line to go to")
            << typed;
    }
}
