#include "core/document/reader.h"
#include "core/document/writer.h"
#include "test_files.h"

#include <gtest/gtest.h>

using namespace vexa;
using vexa::test::crlfLines;

namespace {
std::vector<std::string> linesOf(const Scenario& scenario, PaneId id)
{
    return scenario.pane(id).lines();
}
} // namespace

TEST(Reader, WorkedExample)
{
    const Scenario s = readScenario(crlfLines({
        "; old comment", "[Basic]", "Name=Test", "ToInherit=Yes", "Author=X", "", "[UNITS]", "U1",
        "[Foo]", "a=1", "[Spain]", "Credits=10", "[Digest]", "1=abc",
    }));
    EXPECT_EQ(s.field(FieldId::Name), "Test");
    EXPECT_TRUE(s.flag(FlagId::ToInherit));
    for (const FieldInfo& field : kFields) {
        if (field.id != FieldId::Name) {
            EXPECT_EQ(s.field(field.id), "") << field.key;
        }
    }
    for (const FlagInfo& flag : kFlags) {
        if (flag.id != FlagId::ToInherit) {
            EXPECT_FALSE(s.flag(flag.id)) << flag.key;
        }
    }
    EXPECT_EQ(linesOf(s, PaneId::Units), (std::vector<std::string>{"U1"}));
    EXPECT_EQ(linesOf(s, PaneId::Rules), (std::vector<std::string>{"[Foo]", "a=1"}));
    EXPECT_EQ(linesOf(s, PaneId::Country), (std::vector<std::string>{"[Spain]", "Credits=10"}));
    for (std::size_t i = 0; i < kPaneCount; ++i) {
        const auto id = static_cast<PaneId>(i);
        if (id != PaneId::Units && id != PaneId::Rules && id != PaneId::Country) {
            EXPECT_TRUE(s.pane(id).isEmpty()) << paneHeader(id);
        }
    }
}

TEST(Reader, HeadersAreComparedExactly)
{
    const Scenario s = readScenario(crlfLines({"[units]", "u", "[UNITS] ", "v", "[UNITS]", "w"}));
    EXPECT_EQ(linesOf(s, PaneId::Units), (std::vector<std::string>{"w"}));
    EXPECT_EQ(linesOf(s, PaneId::Rules), (std::vector<std::string>{"[units]", "u", "", "[UNITS] ", "v"}));
}

TEST(Reader, CollectingPanesSeparateSectionsByOneEmptyLine)
{
    const Scenario s = readScenario(crlfLines({
        "[A]", "a", "", "", "[B]", "[C]", "c", "[Greece]", "", "g=1", "[Multi8]",
    }));
    EXPECT_EQ(linesOf(s, PaneId::Rules), (std::vector<std::string>{"[A]", "a", "", "[B]", "", "[C]", "c"}));
    EXPECT_EQ(linesOf(s, PaneId::Country), (std::vector<std::string>{"[Greece]", "g=1", "", "[Multi8]"}));
}

TEST(Reader, RepeatedSectionsMergeAndLaterValuesWin)
{
    const Scenario s = readScenario(crlfLines({
        "[UNITS]", "first", "[Basic]", "Name=Old", "[UNITS]", "second", "[Basic]", "Name=New",
    }));
    EXPECT_EQ(linesOf(s, PaneId::Units), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(s.field(FieldId::Name), "New");
}

TEST(Reader, BasicAndMapKeyValues)
{
    const Scenario s = readScenario(crlfLines({
        "[Basic]", "Name = Spaced", "Player=Greece ; note", "Intro=PROLOG", "Brief", "Win=a=b",
        "TruckCrate=x", "Official=Yes", "FillSilos=Yes", "FillSilos=No", "; comment", "NewINIFormat=3",
        "[Map]", "Theater=snow", "X=1", "Name=NotInMap", "Official=Yes",
    }));
    EXPECT_EQ(s.field(FieldId::Name), "");
    EXPECT_EQ(s.field(FieldId::Player), "Greece ; note");
    EXPECT_EQ(s.field(FieldId::Intro), "PROLOG");
    EXPECT_EQ(s.field(FieldId::Brief), "");
    EXPECT_EQ(s.field(FieldId::Win), "a=b");
    EXPECT_FALSE(s.flag(FlagId::TruckCrate));
    EXPECT_TRUE(s.flag(FlagId::Official));
    EXPECT_FALSE(s.flag(FlagId::FillSilos));
    EXPECT_EQ(s.field(FieldId::Theater), "snow");
    EXPECT_EQ(s.field(FieldId::X), "1");
}

// The game reads a yes/no value by its first character after the blanks.
TEST(Reader, CheckBoxValuesReadAsTheGameReadsThem)
{
    for (const char* value : {"yes", "YES", " yes", "true", "1", "Yes", "T", "y ; on"}) {
        const Scenario s = readScenario(crlfLines({"[Basic]", std::string("EndOfGame=") + value}));
        EXPECT_TRUE(s.flag(FlagId::EndOfGame)) << '"' << value << '"';
    }
    for (const char* value : {"no", "0", "false", "x", "", " ", "\tyes", "No"}) {
        const Scenario s = readScenario(crlfLines({"[Basic]", std::string("EndOfGame=") + value}));
        EXPECT_FALSE(s.flag(FlagId::EndOfGame)) << '"' << value << '"';
    }
}

TEST(Reader, TeamTypesHaveTheirPaneAndTheOldHeaderIsKeptAsARule)
{
    const Scenario s = readScenario(crlfLines({"[TeamType]", "old=1", "[TeamTypes]", "new=2", "[Aircraft]", "a=1"}));
    EXPECT_EQ(linesOf(s, PaneId::TeamType), (std::vector<std::string>{"new=2"}));
    EXPECT_EQ(linesOf(s, PaneId::Rules), (std::vector<std::string>{"[TeamType]", "old=1", "", "[Aircraft]", "a=1"}));
}

TEST(Reader, BodyLinesKeepBlanksAndCommentsButNotEmptyLines)
{
    const Scenario s = readScenario(crlfLines({"top", "[STRUCTURES]", "", "  ", "; c", "0=x"}));
    EXPECT_EQ(linesOf(s, PaneId::Structures), (std::vector<std::string>{"  ", "; c", "0=x"}));
    EXPECT_TRUE(s.pane(PaneId::Rules).isEmpty());
}

TEST(Reader, LineEndsAndEndOfFile)
{
    const Scenario s = readScenario("[UNITS]\ra\r\nb\nc\r\rd\x1a" "e\r\n[SHIPS]\r\nf");
    EXPECT_EQ(linesOf(s, PaneId::Units), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_TRUE(s.pane(PaneId::Ships).isEmpty());

    const Scenario last = readScenario("[X]\r\nlast");
    EXPECT_EQ(linesOf(last, PaneId::Rules), (std::vector<std::string>{"[X]", "last"}));
    const Scenario header = readScenario("[X]\r\nx\r\n[Y]");
    EXPECT_EQ(linesOf(header, PaneId::Rules), (std::vector<std::string>{"[X]", "x", "", "[Y]"}));
}

// As some Windows editors save: without the skip the mark would hide the first header,
// and [MapPack] with the map's ground would be dropped as lines before any header.
TEST(Reader, AByteOrderMarkAtTheStartIsSkipped)
{
    SourceLines sources;
    const Scenario marked = readScenario("\xEF\xBB\xBF[MapPack]\r\n1=AAAA\r\n", &sources);
    EXPECT_EQ(linesOf(marked, PaneId::MapPack), (std::vector<std::string>{"1=AAAA"}));
    EXPECT_EQ(sources.fileLineName(PaneId::MapPack, 0), "line 2");
    EXPECT_TRUE(sources.startedWithByteOrderMark());
    EXPECT_EQ(readScenario(writeScenario(marked)), marked);

    // Anywhere else the mark is part of a line.
    SourceLines unmarked;
    const Scenario later = readScenario("[UNITS]\r\n\xEF\xBB\xBF[SHIPS]\r\n", &unmarked);
    EXPECT_EQ(linesOf(later, PaneId::Units), (std::vector<std::string>{"\xEF\xBB\xBF[SHIPS]"}));
    EXPECT_FALSE(unmarked.startedWithByteOrderMark());
}

TEST(Reader, EmptyAndOddInput)
{
    EXPECT_EQ(readScenario(""), Scenario{});
    EXPECT_EQ(readScenario("no header at all\r\n=\r\n"), Scenario{});
    constexpr char kBytes[] = "[TERRAIN]\r\n\0\x81\xff=\xe9\r\n";
    const std::string bytes(kBytes, sizeof kBytes - 1);
    EXPECT_EQ(linesOf(readScenario(bytes), PaneId::Terrain), (std::vector<std::string>{std::string("\0\x81\xff=\xe9", 5)}));
}
