#include "core/document/reader.h"
#include "core/document/writer.h"
#include "test_files.h"

#include <gtest/gtest.h>

using namespace vexa;
using vexa::test::crlfLines;

namespace {
const std::string kHeader = "; This file was edited with Vexa Build version 4.0.1 by Orlund";

std::vector<std::string_view> flagLines(std::initializer_list<std::string_view> yes = {})
{
    std::vector<std::string_view> lines;
    static std::vector<std::string> storage;
    storage.clear();
    for (const FlagInfo& flag : kFlags) {
        const bool set = std::find(yes.begin(), yes.end(), flag.key) != yes.end();
        storage.push_back(std::string(flag.key) + (set ? "=Yes" : "=No"));
    }
    for (const std::string& line : storage)
        lines.push_back(line);
    return lines;
}

std::vector<std::string_view> concat(std::vector<std::vector<std::string_view>> parts)
{
    std::vector<std::string_view> all;
    for (auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}
} // namespace

TEST(Writer, WorkedExample)
{
    const Scenario s = readScenario(crlfLines({
        "; old comment", "[Basic]", "Name=Test", "ToInherit=Yes", "Author=X", "", "[UNITS]", "U1",
        "[Foo]", "a=1", "[Spain]", "Credits=10", "[Digest]", "1=abc",
    }));
    EXPECT_EQ(writeScenario(s), crlfLines(concat({
        {kHeader, "", "[Foo]", "a=1", "", "[Basic]", "NewINIFormat=3", "Name=Test"},
        flagLines({"ToInherit"}),
        {"", "[Map]", "Theater=", "X=", "Y=", "Width=", "Height=", "", "[Spain]", "Credits=10", "", "[UNITS]", "U1"},
    })));
}

TEST(Writer, BrandNewDocument)
{
    EXPECT_EQ(writeScenario(Scenario{}), crlfLines(concat({
        {kHeader, "", "[Basic]", "NewINIFormat=3"},
        flagLines(),
        {"", "[Map]", "Theater=", "X=", "Y=", "Width=", "Height="},
    })));
}

TEST(Writer, FieldOrderAndValuesAsTheyStand)
{
    Scenario s;
    for (const FieldInfo& field : kFields)
        s.field(field.id) = std::string(field.key) + "Value";
    s.field(FieldId::Name) = "   ";
    EXPECT_EQ(writeScenario(s), crlfLines(concat({
        {kHeader, "", "[Basic]", "NewINIFormat=3", "Name=   ", "Intro=IntroValue", "Brief=BriefValue",
         "Action=ActionValue", "Win=WinValue", "Lose=LoseValue", "Player=PlayerValue", "Theme=ThemeValue"},
        flagLines(),
        {"CarryOverMoney=CarryOverMoneyValue", "CarryOverCap=CarryOverCapValue", "Percent=PercentValue", "",
         "[Map]", "Theater=TheaterValue", "X=XValue", "Y=YValue", "Width=WidthValue", "Height=HeightValue"},
    })));
}

TEST(Writer, SectionPanesInFixedOrderAndEmptyPanesOmitted)
{
    Scenario s;
    s.pane(PaneId::OverlayPack).append("1=op");
    s.pane(PaneId::Structures).append("0=s");
    s.pane(PaneId::Trigs) = MemoryPane("\n");  // one empty line is still a line
    const std::string written = writeScenario(s);
    const std::string tail = crlfLines({"", "[STRUCTURES]", "0=s", "", "[Trigs]", "", "", "[OverlayPack]", "1=op"});
    ASSERT_GE(written.size(), tail.size());
    EXPECT_EQ(written.substr(written.size() - tail.size()), tail);
    EXPECT_EQ(written.find("[UNITS]"), std::string::npos);
}

TEST(Writer, WrittenFilesReadBackAndSaveTwiceIdentically)
{
    const std::string original = crlfLines({
        "[Trigs]", "t1=0,1", "[Basic]", "Official=Yes", "Theme=MAP", "[Rule]", "x=1", "[Rule2]",
        "[Map]", "Width=64", "[Multi1]", "Credits=5", "[TERRAIN]", "100=T01,None", "[Digest]", "zz",
    });
    const Scenario first = readScenario(original);
    const std::string once = writeScenario(first);
    EXPECT_EQ(readScenario(once), first);
    EXPECT_EQ(writeScenario(readScenario(once)), once);
}

TEST(Writer, LinesOfAnyLengthAreWrittenWhole)
{
    Scenario s;
    const std::string longLine(100000, 'x');
    s.pane(PaneId::MapPack).append(longLine);
    EXPECT_NE(writeScenario(s).find(longLine + "\r\n"), std::string::npos);
}

TEST(Writer, CountsTheLinesItWrites)
{
    Scenario filled = readScenario(crlfLines({"[Basic]", "Name=Test", "Percent=5", "[UNITS]", "0=a", "1=b", "[Foo]", "x=1"}));
    filled.pane(PaneId::Trigs).append("");
    for (const Scenario& scenario : {Scenario{}, filled}) {
        const std::string bytes = writeScenario(scenario);
        EXPECT_EQ(writtenLineCount(scenario), static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')));
    }
}
