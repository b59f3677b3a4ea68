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
