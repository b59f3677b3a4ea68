#include "core/document/reader.h"

#include <gtest/gtest.h>

using namespace vexa;

TEST(SourceLines, PaneLinesAndFieldsKnowTheirFileLines)
{
    // Blank lines are dropped, mixed line ends count once, a collecting pane gets a blank
    // line of the reader's own between its sections.
    const std::string bytes = "; head\r\n[Greece]\r\nCredits=1\r\n\r\n[Map]\nX=4\r[STRUCTURES]\n\n0=a\n1=b\n[Spain]\nAllies=Spain\n";
    SourceLines sources;
    const Scenario scenario = readScenario(bytes, &sources);
    EXPECT_EQ(scenario, readScenario(bytes));
    EXPECT_EQ(sources.fileLine(PaneId::Country, 0), 1u);   // [Greece]
    EXPECT_EQ(sources.fileLine(PaneId::Country, 1), 2u);   // Credits=1
    EXPECT_EQ(sources.fileLine(PaneId::Country, 2), std::nullopt);  // the reader's blank line
    EXPECT_EQ(sources.fileLine(PaneId::Country, 3), 10u);  // [Spain]
    EXPECT_EQ(sources.fileLine(PaneId::Country, 4), 11u);
    EXPECT_EQ(sources.fileLine(PaneId::Country, 5), std::nullopt);
    EXPECT_EQ(sources.fileLine(PaneId::Structures, 0), 8u);
    EXPECT_EQ(sources.fileLine(PaneId::Structures, 1), 9u);
    EXPECT_EQ(sources.fileLine(FieldId::X), 5u);
    EXPECT_EQ(sources.fileLine(FieldId::Y), std::nullopt);
    EXPECT_EQ(sources.fileLine(PaneId::Units, 0), std::nullopt);
}

TEST(SourceLines, APaneProperKnowsItsFirstHeader)
{
    SourceLines sources;
    readScenario("[Greece]\n[MapPack]\n1=A\n[UNITS]\n[MapPack]\n2=B\n", &sources);
    EXPECT_EQ(sources.headerLine(PaneId::MapPack), 1u);
    EXPECT_EQ(sources.headerLine(PaneId::Units), 3u);
    EXPECT_EQ(sources.headerLine(PaneId::Country), std::nullopt) << "its header is a line of the pane";
    EXPECT_EQ(sources.headerLine(PaneId::OverlayPack), std::nullopt);
}
