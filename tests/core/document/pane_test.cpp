#include "core/document/pane.h"

#include <gtest/gtest.h>

using namespace vexa;

TEST(LineRule, SplitsAtBreaksWithoutATrailingEmptyLine)
{
    EXPECT_TRUE(splitPaneText("").empty());
    EXPECT_EQ(splitPaneText("\n"), (std::vector<std::string_view>{""}));
    EXPECT_EQ(splitPaneText("a"), (std::vector<std::string_view>{"a"}));
    EXPECT_EQ(splitPaneText("a\n"), (std::vector<std::string_view>{"a"}));
    EXPECT_EQ(splitPaneText("a\n\nb"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_EQ(splitPaneText("a\n\n"), (std::vector<std::string_view>{"a", ""}));
}

TEST(LineRule, ReplacesEachBreakWithOneCharacter)
{
    EXPECT_EQ(replaceLineBreaks(u"x\ny", u' '), u"x y");
    EXPECT_EQ(replaceLineBreaks(u"a\r\nb", u' '), u"a b");        // CR LF is one break
    EXPECT_EQ(replaceLineBreaks(u"a\n\rb", u' '), u"a  b");       // LF CR are two
    EXPECT_EQ(replaceLineBreaks(u"a\r\r\nb\r", u'\n'), u"a\n\nb\n");
    EXPECT_EQ(replaceLineBreaks(u"a\u2028b\u2029c\u0085d", u'\n'), u"a\nb\nc\nd");
    EXPECT_EQ(replaceLineBreaks(u"\u2026 stays", u'\n'), u"\u2026 stays");
    EXPECT_EQ(replaceLineBreaks(u"", u' '), u"");
}

TEST(LineRule, APositionKeepsItsPlaceWhenBreaksAreReplaced)
{
    const std::u16string_view text = u"a\r\nb\r\nc";  // becomes "a b c"
    EXPECT_EQ(positionAfterReplacingLineBreaks(text, 0), 0u);
    EXPECT_EQ(positionAfterReplacingLineBreaks(text, 2), 2u);  // between CR and LF: behind the blank
    EXPECT_EQ(positionAfterReplacingLineBreaks(text, 3), 2u);  // before "b"
    EXPECT_EQ(positionAfterReplacingLineBreaks(text, 7), 5u);  // at the end
    EXPECT_EQ(positionAfterReplacingLineBreaks(u"a\u2028b", 3), 3u);
}

TEST(LineRule, CountsBlocksOfATextEditor)
{
    EXPECT_EQ(lineCountOfBlocks(1, true), 0u);   // empty text
    EXPECT_EQ(lineCountOfBlocks(2, true), 1u);   // a single break: one empty line
    EXPECT_EQ(lineCountOfBlocks(1, false), 1u);  // one line without a break
    EXPECT_EQ(lineCountOfBlocks(3, false), 3u);
}

TEST(MemoryPane, AppendsReadsAndReplacesLines)
{
    MemoryPane pane("first\nsecond");
    ASSERT_EQ(pane.lineCount(), 2u);
    pane.append("");
    pane.append("fourth");
    EXPECT_EQ(pane.lines(), (std::vector<std::string>{"first", "second", "", "fourth"}));
    EXPECT_EQ(pane.text(), "first\nsecond\n\nfourth\n");

    pane.replace(1, "2nd, now longer");
    pane.replace(0, "");
    pane.replace(9, "no such line");
    EXPECT_EQ(pane.lines(), (std::vector<std::string>{"", "2nd, now longer", "", "fourth"}));
    EXPECT_EQ(pane.line(3), "fourth");
    EXPECT_EQ(pane.line(4), "");
}

TEST(MemoryPane, KeepsEveryByte)
{
    constexpr char kOdd[] = "nul\0byte \x81\xff\xc3(";
    const std::string odd(kOdd, sizeof kOdd - 1);
    MemoryPane pane;
    pane.append(odd);
    EXPECT_EQ(pane.line(0), odd);
}
