#include "core/document/text_search.h"

#include <gtest/gtest.h>

using namespace vexa;

using Matches = std::vector<TextMatch>;

namespace {

// Texts of lines, with a count of the lines a search reads.
class Texts final : public SearchedLines {
public:
    Texts(std::initializer_list<std::vector<std::string>> texts)
        : texts_(texts)
    {
    }
    std::size_t textCount() const override { return texts_.size(); }
    std::size_t lineCount(std::size_t text) const override { return texts_.at(text).size(); }
    std::string line(std::size_t text, std::size_t line) const override
    {
        ++linesRead;
        return texts_.at(text).at(line);
    }
    mutable std::size_t linesRead = 0;

private:
    std::vector<std::vector<std::string>> texts_;
};

std::optional<SearchPlace> next(const Texts& texts, SearchPlace from, std::string_view needle = "gun")
{
    return findNearestMatch(texts, needle, MatchCase::Ignore, from, SearchDirection::Forward);
}

std::optional<SearchPlace> previous(const Texts& texts, SearchPlace from, std::string_view needle = "gun")
{
    return findNearestMatch(texts, needle, MatchCase::Ignore, from, SearchDirection::Backward);
}

} // namespace

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

TEST(ReplacingEdits, PutTheReplacementInPlaceOfEveryMatch)
{
    const std::string text = "a=gun,GUN\nb=x\nguN";
    const auto replaced = [&text](std::string_view needle, MatchCase matchCase, std::string_view replacement) {
        return applied(MemoryPane(text), {PaneId::Units, replacingEdits(text, needle, matchCase, replacement), {}, {}}).text();
    };
    EXPECT_EQ(replaced("gun", MatchCase::Ignore, "ART,2"), "a=ART,2,ART,2\nb=x\nART,2\n");
    EXPECT_EQ(replaced("GUN", MatchCase::Exact, ""), "a=gun,\nb=x\nguN\n");
}

TEST(FindNearestMatch, StepsForwardFromThePlaceAndBackwardFromBeforeIt)
{
    const Texts texts{{"0=GUN,gun", "1=x", "2=Gun"}};
    EXPECT_EQ(next(texts, {0, 0, 2}), (SearchPlace{0, 0, 2})) << "a hit at the place itself";
    EXPECT_EQ(next(texts, {0, 0, 3}), (SearchPlace{0, 0, 6}));
    EXPECT_EQ(next(texts, {0, 0, 7}), (SearchPlace{0, 2, 2})) << "over a line without one";
    EXPECT_EQ(previous(texts, {0, 0, 6}), (SearchPlace{0, 0, 2})) << "the hit at the place is not before it";
    EXPECT_EQ(previous(texts, {0, 2, 5}), (SearchPlace{0, 2, 2}));
    EXPECT_EQ(previous(texts, {0, 2, 2}), (SearchPlace{0, 0, 6}));
    EXPECT_EQ(findNearestMatch(texts, "gun", MatchCase::Exact, {0, 0, 0}, SearchDirection::Forward),
              (SearchPlace{0, 0, 6}));
}

TEST(FindNearestMatch, GoesRoundTheEndsOfAllTextsAndPassesOverEmptyOnes)
{
    const Texts texts{{"a", "gun b"}, {}, {"gun c", "d"}, {}};
    EXPECT_EQ(next(texts, {0, 1, 1}), (SearchPlace{2, 0, 0})) << "into the next text with lines";
    EXPECT_EQ(next(texts, {2, 0, 1}), (SearchPlace{0, 1, 0})) << "round the end";
    EXPECT_EQ(previous(texts, {2, 0, 0}), (SearchPlace{0, 1, 0}));
    EXPECT_EQ(previous(texts, {0, 1, 0}), (SearchPlace{2, 0, 0})) << "round the start";

    const Texts one{{"gun gun"}};
    EXPECT_EQ(next(one, {0, 0, 1}), (SearchPlace{0, 0, 4}));
    EXPECT_EQ(next(one, {0, 0, 5}), (SearchPlace{0, 0, 0})) << "round to the same line's first hit";
    EXPECT_EQ(previous(one, {0, 0, 0}), (SearchPlace{0, 0, 4})) << "round to the same line's last hit";
}

// The cursor can stand on the empty line after a pane's last break, and a pane can be
// shorter than the place a caller kept.
TEST(FindNearestMatch, APlacePastTheLastLineStandsAfterIt)
{
    const Texts texts{{"gun a", "b gun"}, {"c gun"}};
    EXPECT_EQ(next(texts, {0, 2, 0}), (SearchPlace{1, 0, 2}));
    EXPECT_EQ(next(texts, {1, 9, 9}), (SearchPlace{0, 0, 0}));
    EXPECT_EQ(next(texts, {5, 0, 0}), (SearchPlace{0, 0, 0})) << "past the last text";
    EXPECT_EQ(previous(texts, {0, 2, 0}), (SearchPlace{0, 1, 2})) << "the end of the text's last line";
    EXPECT_EQ(previous(texts, {5, 0, 0}), (SearchPlace{1, 0, 2}));
    EXPECT_EQ(previous(Texts{{"gun"}, {}}, {1, 0, 0}), (SearchPlace{0, 0, 0})) << "an empty text looks back";
}

TEST(FindNearestMatch, StepsOnlyOntoTheHitsFindMatchesLists)
{
    const Texts texts{{"aaaaa"}};
    EXPECT_EQ(findMatches("aaaaa", "aa", MatchCase::Exact), (Matches{{0, 0, 0}, {0, 2, 2}}));
    EXPECT_EQ(next(texts, {0, 0, 1}, "aa"), (SearchPlace{0, 0, 2})) << "not the overlapping match at 1";
    EXPECT_EQ(previous(texts, {0, 0, 4}, "aa"), (SearchPlace{0, 0, 2}));
}

TEST(FindNearestMatch, FindsNothingWithoutAHitOrANeedle)
{
    EXPECT_EQ(next(Texts{{"a", "b"}, {"c"}}, {0, 1, 0}), std::nullopt);
    EXPECT_EQ(previous(Texts{{"a", "b"}, {"c"}}, {0, 1, 0}), std::nullopt);
    EXPECT_EQ(next(Texts{{}, {}}, {0, 0, 0}), std::nullopt);
    EXPECT_EQ(next(Texts{}, {0, 0, 0}), std::nullopt);
    EXPECT_EQ(next(Texts{{"a\nb"}}, {0, 0, 0}, "a\nb"), std::nullopt);
    EXPECT_EQ(next(Texts{{"a"}}, {0, 0, 0}, ""), std::nullopt);
}

// What makes a keystroke cheap: a hit near the place costs the lines up to it, not the text.
TEST(FindNearestMatch, ReadsOnlyTheLinesUpToTheHit)
{
    std::vector<std::string> lines(1000, "x=POWR");
    lines[510] = "510=GUN";
    lines[490] = "490=GUN";
    const Texts texts{lines};
    EXPECT_EQ(next(texts, {0, 500, 0}), (SearchPlace{0, 510, 4}));
    EXPECT_EQ(texts.linesRead, 11u);
    texts.linesRead = 0;
    EXPECT_EQ(previous(texts, {0, 500, 0}), (SearchPlace{0, 490, 4}));
    EXPECT_EQ(texts.linesRead, 11u);
    texts.linesRead = 0;
    EXPECT_EQ(next(texts, {0, 511, 0}), (SearchPlace{0, 490, 4}));
    EXPECT_EQ(texts.linesRead, 1000u - 511u + 491u);
}

TEST(IsNeedle, IsTheNeedleUnderTheCaseRule)
{
    EXPECT_TRUE(isNeedle("Gun", "gUN", MatchCase::Ignore));
    EXPECT_TRUE(isNeedle("\xC9", "\xE9", MatchCase::Ignore));
    EXPECT_FALSE(isNeedle("Gun", "gun", MatchCase::Exact));
    EXPECT_TRUE(isNeedle("gun", "gun", MatchCase::Exact));
    EXPECT_FALSE(isNeedle("unt,N", "gun", MatchCase::Ignore));
    EXPECT_FALSE(isNeedle("gunx", "gun", MatchCase::Ignore));
    EXPECT_FALSE(isNeedle("gu", "gun", MatchCase::Ignore));
    EXPECT_FALSE(isNeedle("", "", MatchCase::Ignore));
    EXPECT_FALSE(isNeedle("a\nb", "a\nb", MatchCase::Exact));
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
