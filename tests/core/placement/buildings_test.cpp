#include "core/placement/buildings.h"

#include <gtest/gtest.h>

#include <string>

namespace vexa {
namespace {

using Lines = std::vector<std::string>;

BuildingsInput powerPlants(const char* first = "1000", const char* last = "1004")
{
    BuildingsInput in;
    in.country = "Greece";
    in.typeCode = "POWR";
    in.health = "256";
    in.direction = "0";
    in.first = first;
    in.last = last;
    in.spacing = "2";
    in.trigger = "None";
    in.addToBase = true;
    return in;
}

TEST(CreateBuildings, WorkedExample)
{
    MemoryPane structures("0=a\n1=b\n2=c\n");
    MemoryPane base;
    EXPECT_EQ(createBuildings(powerPlants(), structures, base), Outcome::Done);
    EXPECT_EQ(structures.text(), "0=a\n1=b\n2=c\n"
                                 "3=Greece,POWR,256,1000,0,None,1,0\n"
                                 "4=Greece,POWR,256,1002,0,None,1,0\n"
                                 "5=Greece,POWR,256,1004,0,None,1,0\n");
    EXPECT_EQ(base.text(), "Player=Greece\nCount=3\n000=POWR,1000\n001=POWR,1002\n002=POWR,1004\n");
}

TEST(CreateBuildings, TextsAsTypedPositionsAsRead)
{
    BuildingsInput in = powerPlants("-3", "007x"); // the last position is no number: 0
    in.country = "Multi3";
    in.health = "999";
    in.direction = " 40";
    in.trigger = "nosuch";
    in.spacing = "+2";
    in.repair = true;
    in.comment = "north gate";
    in.addToBase = false;
    MemoryPane structures("; walls\n\n");
    MemoryPane base;
    EXPECT_EQ(createBuildings(in, structures, base), Outcome::Done);
    EXPECT_EQ(structures.lines(), (Lines{"; walls", "", "2=Multi3,POWR,999,-3, 40,nosuch,1,1 ; north gate",
                                         "3=Multi3,POWR,999,-1, 40,nosuch,1,1 ; north gate"}));
    EXPECT_TRUE(base.isEmpty());
}

TEST(CreateBuildings, RefusesWithoutTouchingAnyPane)
{
    std::vector<BuildingsInput> refused;
    for (auto field : {&BuildingsInput::country, &BuildingsInput::typeCode, &BuildingsInput::health,
                       &BuildingsInput::direction, &BuildingsInput::first, &BuildingsInput::last,
                       &BuildingsInput::spacing, &BuildingsInput::trigger}) {
        refused.push_back(powerPlants());
        refused.back().*field = "";
    }
    for (const char* spacing : {"0", "abc", "-2"}) {
        refused.push_back(powerPlants());
        refused.back().spacing = spacing;
    }
    for (const BuildingsInput& in : refused) {
        MemoryPane structures("x\n");
        MemoryPane base("Player=USSR\nCount=0\n");
        EXPECT_EQ(createBuildings(in, structures, base), Outcome::Refused) << in.spacing;
        EXPECT_EQ(structures.text(), "x\n");
        EXPECT_EQ(base.text(), "Player=USSR\nCount=0\n");
    }
}

TEST(CreateBuildings, RunEndsOnOrBeforeLast)
{
    MemoryPane structures;
    MemoryPane base;
    BuildingsInput in = powerPlants("100", "105");
    in.addToBase = false;
    createBuildings(in, structures, base);
    in.first = in.last = "77";
    createBuildings(in, structures, base);
    EXPECT_EQ(structures.lines(), (Lines{"0=Greece,POWR,256,100,0,None,1,0", "1=Greece,POWR,256,102,0,None,1,0",
                                         "2=Greece,POWR,256,104,0,None,1,0", "3=Greece,POWR,256,77,0,None,1,0"}));
}

TEST(CreateBuildings, EmptyRunRewritesOnlyTheHeaderLinesThatExist)
{
    const BuildingsInput in = powerPlants("1000", "990");
    MemoryPane structures;
    MemoryPane full("Player=USSR\nCount=7\n");
    MemoryPane oneLine("Player=USSR\n");
    MemoryPane empty;
    for (Pane* base : {static_cast<Pane*>(&full), static_cast<Pane*>(&oneLine), static_cast<Pane*>(&empty)})
        EXPECT_EQ(createBuildings(in, structures, *base), Outcome::Done);
    EXPECT_TRUE(structures.isEmpty());
    EXPECT_EQ(full.text(), "Player=Greece\nCount=0\n");
    EXPECT_EQ(oneLine.text(), "Player=Greece\n");
    EXPECT_TRUE(empty.isEmpty());
}

TEST(CreateBuildings, BaseKeepsItsEntriesAndTakesTheNewCountryAndCount)
{
    MemoryPane structures;
    MemoryPane base("Player=USSR\nCount=2\n000=FTUR,10\n001=FTUR,11\n");
    createBuildings(powerPlants("2380", "2380"), structures, base);
    EXPECT_EQ(base.text(), "Player=Greece\nCount=3\n000=FTUR,10\n001=FTUR,11\n002=POWR,2380\n");

    // A base pane of one line gets the missing count line before its first entry.
    MemoryPane oneLine("Player=USSR\n");
    createBuildings(powerPlants("5", "5"), structures, oneLine);
    EXPECT_EQ(oneLine.text(), "Player=Greece\nCount=1\n000=POWR,5\n");
}

TEST(CreateBuildings, BaseEntryNumbersHaveAtLeastThreeDigits)
{
    EXPECT_EQ(baseEntryNumber(99), "099");
    EXPECT_EQ(baseEntryNumber(1234), "1234");
    EXPECT_EQ(baseEntry(7, "GUN", 2380), "007=GUN,2380");

    MemoryPane structures;
    MemoryPane base("Player=\nCount=0\n");
    for (int i = 0; i < 9; ++i)
        base.append("entry");
    createBuildings(powerPlants("1", "3"), structures, base);
    EXPECT_EQ(base.line(11), "009=POWR,1");
    EXPECT_EQ(base.line(12), "010=POWR,3");

    MemoryPane big;
    for (int i = 0; i < 102; ++i)
        big.append("line");
    createBuildings(powerPlants("1", "1"), structures, big);
    EXPECT_EQ(big.line(102), "100=POWR,1");
    EXPECT_EQ(big.line(1), "Count=101");
}

TEST(CreateBuildings, OverflowKeepsLinesSoFarAndLeavesTheBaseHeader)
{
    MemoryPane structures;
    MemoryPane base("Player=USSR\nCount=9\n");
    EXPECT_EQ(createBuildings(powerPlants("2147483645", "2147483647"), structures, base), Outcome::Overflow);
    EXPECT_EQ(structures.lines(), (Lines{"0=Greece,POWR,256,2147483645,0,None,1,0",
                                         "1=Greece,POWR,256,2147483647,0,None,1,0"}));
    EXPECT_EQ(base.text(), "Player=USSR\nCount=9\n000=POWR,2147483645\n001=POWR,2147483647\n");
}

} // namespace
} // namespace vexa
