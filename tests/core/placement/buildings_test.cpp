#include "core/placement/buildings.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vexa {
namespace {

BuildingsInput powerPlants()
{
    BuildingsInput in;
    in.country = "Greece";
    in.typeCode = "POWR";
    in.health = "256";
    in.direction = "0";
    in.first = "1000";
    in.last = "1004";
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

TEST(CreateBuildings, TextsAreCopiedAsTypedWithRepairAndComment)
{
    BuildingsInput in = powerPlants();
    in.country = "Multi3";
    in.typeCode = "gun";
    in.health = "999";
    in.direction = " 40";
    in.trigger = "nosuch";
    in.first = in.last = "2380";
    in.repair = true;
    in.comment = "north gate";
    in.addToBase = false;
    MemoryPane structures;
    MemoryPane base;
    EXPECT_EQ(createBuildings(in, structures, base), Outcome::Done);
    EXPECT_EQ(structures.lines(), (std::vector<std::string>{"0=Multi3,gun,999,2380, 40,nosuch,1,1 ; north gate"}));
    EXPECT_TRUE(base.isEmpty());
}

TEST(CreateBuildings, PositionsAreWrittenAsDecimalOfTheirReading)
{
    BuildingsInput in = powerPlants();
    in.addToBase = false;
    in.first = "-3";
    in.last = "007x"; // no number: the last position is 0
    in.spacing = "+2";
    MemoryPane structures;
    MemoryPane base;
    createBuildings(in, structures, base);
    in.first = " $10";
    in.last = "0016";
    createBuildings(in, structures, base);
    EXPECT_EQ(structures.lines(), (std::vector<std::string>{"0=Greece,POWR,256,-3,0,None,1,0",
                                                            "1=Greece,POWR,256,-1,0,None,1,0",
                                                            "2=Greece,POWR,256,16,0,None,1,0"}));
}

TEST(CreateBuildings, RefusesWithoutTouchingAnyPane)
{
    MemoryPane structures("x\n");
    MemoryPane base("Player=USSR\nCount=0\n");
    const std::string structuresBefore = structures.text();
    const std::string baseBefore = base.text();

    std::vector<BuildingsInput> refused;
    for (std::string BuildingsInput::*field : {&BuildingsInput::country, &BuildingsInput::typeCode,
                                               &BuildingsInput::health, &BuildingsInput::direction,
                                               &BuildingsInput::first, &BuildingsInput::last,
                                               &BuildingsInput::spacing, &BuildingsInput::trigger}) {
        BuildingsInput in = powerPlants();
        in.*field = "";
        refused.push_back(in);
    }
    for (const char* spacing : {"0", "abc", "-2", "2 ", "$0"}) {
        BuildingsInput in = powerPlants();
        in.spacing = spacing;
        refused.push_back(in);
    }
    for (const BuildingsInput& in : refused) {
        EXPECT_EQ(createBuildings(in, structures, base), Outcome::Refused) << in.spacing;
        EXPECT_EQ(structures.text(), structuresBefore);
        EXPECT_EQ(base.text(), baseBefore);
    }
}

TEST(CreateBuildings, RunEdges)
{
    BuildingsInput in = powerPlants();
    in.addToBase = false;
    in.first = "100";
    in.last = "105";
    MemoryPane structures;
    MemoryPane base;
    createBuildings(in, structures, base);
    EXPECT_EQ(structures.lines(), (std::vector<std::string>{"0=Greece,POWR,256,100,0,None,1,0",
                                                            "1=Greece,POWR,256,102,0,None,1,0",
                                                            "2=Greece,POWR,256,104,0,None,1,0"}));

    in.first = in.last = "77";
    createBuildings(in, structures, base);
    EXPECT_EQ(structures.lineCount(), 4u);
    EXPECT_EQ(structures.line(3), "3=Greece,POWR,256,77,0,None,1,0");
}

TEST(CreateBuildings, NumberingCountsEveryLineOfTheStructuresPane)
{
    MemoryPane structures("; walls\n\n0=USSR,FTUR,256,10,0,None,1,0\n");
    MemoryPane base;
    BuildingsInput in = powerPlants();
    in.addToBase = false;
    in.last = "1000";
    createBuildings(in, structures, base);
    EXPECT_EQ(structures.line(3), "3=Greece,POWR,256,1000,0,None,1,0");
}

TEST(CreateBuildings, EmptyRunStillRewritesAnExistingBaseHeader)
{
    BuildingsInput in = powerPlants();
    in.first = "1000";
    in.last = "990";
    MemoryPane structures;
    MemoryPane base("Player=USSR\nCount=7\n");
    EXPECT_EQ(createBuildings(in, structures, base), Outcome::Done);
    EXPECT_TRUE(structures.isEmpty());
    EXPECT_EQ(base.text(), "Player=Greece\nCount=0\n");
}

TEST(CreateBuildings, EmptyRunNeverFailsOnAShortBasePane)
{
    BuildingsInput in = powerPlants();
    in.first = "1";
    in.last = "0";
    MemoryPane structures;

    MemoryPane empty;
    EXPECT_EQ(createBuildings(in, structures, empty), Outcome::Done);
    EXPECT_TRUE(empty.isEmpty());

    MemoryPane oneLine("Player=USSR\n");
    EXPECT_EQ(createBuildings(in, structures, oneLine), Outcome::Done);
    EXPECT_EQ(oneLine.text(), "Player=Greece\n");
}

TEST(CreateBuildings, BaseKeepsExistingEntriesAndTakesTheNewCountryAndCount)
{
    BuildingsInput in = powerPlants();
    in.first = in.last = "2380";
    in.typeCode = "GUN";
    MemoryPane structures;
    MemoryPane base("Player=USSR\nCount=2\n000=FTUR,10\n001=FTUR,11\n");
    createBuildings(in, structures, base);
    EXPECT_EQ(base.text(), "Player=Greece\nCount=3\n000=FTUR,10\n001=FTUR,11\n002=GUN,2380\n");
}

TEST(CreateBuildings, BaseEntryNumbersHaveAtLeastThreeDigits)
{
    EXPECT_EQ(baseEntryNumber(0), "000");
    EXPECT_EQ(baseEntryNumber(9), "009");
    EXPECT_EQ(baseEntryNumber(10), "010");
    EXPECT_EQ(baseEntryNumber(99), "099");
    EXPECT_EQ(baseEntryNumber(100), "100");
    EXPECT_EQ(baseEntryNumber(1234), "1234");
    EXPECT_EQ(baseEntry(7, "GUN", 2380), "007=GUN,2380");
    EXPECT_EQ(baseEntry(7, "GUN", -5), "007=GUN,-5");

    // Through Create: 9 entries already, then 10, 11; and 100 entries already.
    BuildingsInput in = powerPlants();
    in.first = "1";
    in.last = "2";
    in.spacing = "1";
    MemoryPane structures;
    MemoryPane base("Player=\nCount=0\n");
    for (int i = 0; i < 9; ++i)
        base.append("00" + std::to_string(i) + "=SILO,0");
    createBuildings(in, structures, base);
    EXPECT_EQ(base.line(10), "009=POWR,1");
    EXPECT_EQ(base.line(11), "010=POWR,2");
    EXPECT_EQ(base.line(1), "Count=11");

    MemoryPane big;
    for (int i = 0; i < 102; ++i)
        big.append("line");
    in.last = "1";
    createBuildings(in, structures, big);
    EXPECT_EQ(big.line(102), "100=POWR,1");
    EXPECT_EQ(big.line(1), "Count=101");
}

TEST(CreateBuildings, OneLineBasePaneGetsItsCountLineBeforeTheFirstEntry)
{
    BuildingsInput in = powerPlants();
    in.last = "1000";
    MemoryPane structures;
    MemoryPane base("Player=USSR\n");
    createBuildings(in, structures, base);
    EXPECT_EQ(base.text(), "Player=Greece\nCount=1\n000=POWR,1000\n");
}

TEST(CreateBuildings, OverflowKeepsLinesSoFarAndLeavesTheBaseHeader)
{
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    BuildingsInput in = powerPlants();
    in.first = std::to_string(max - 2);
    in.last = std::to_string(max);
    MemoryPane structures;
    MemoryPane base("Player=USSR\nCount=9\n");
    EXPECT_EQ(createBuildings(in, structures, base), Outcome::Overflow);
    EXPECT_EQ(structures.lines(), (std::vector<std::string>{"0=Greece,POWR,256,2147483645,0,None,1,0",
                                                            "1=Greece,POWR,256,2147483647,0,None,1,0"}));
    EXPECT_EQ(base.text(), "Player=USSR\nCount=9\n000=POWR,2147483645\n001=POWR,2147483647\n");
}

} // namespace
} // namespace vexa
