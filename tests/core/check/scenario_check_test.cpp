#include "core/check/scenario_check.h"
#include "core/document/file_access.h"
#include "core/document/reader.h"
#include "core/map/placed_things.h"
#include "core/map/summary.h"

#include "check_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

using namespace vexa;

namespace {

std::string lf(std::initializer_list<std::string_view> lines)
{
    std::string bytes;
    for (std::string_view line : lines) {
        bytes += line;
        bytes += '\n';
    }
    return bytes;
}

using test::checkFile;
using test::found;

using Lines = std::vector<std::string>;

const std::string kMap = lf({"[Map]", "X=40", "Y=40", "Width=48", "Height=48"});  // cells x 40..87, y 40..87

std::string readFileOrEmpty(const std::filesystem::path& path)
{
    auto bytes = readWholeFile(path.string());
    return std::holds_alternative<std::string>(bytes) ? std::get<std::string>(bytes) : std::string();
}

} // namespace

TEST(ScenarioCheck, WellFormedFilesGiveNoFindings)
{
    const std::string sample = readFileOrEmpty(std::filesystem::path(VEXA_SOURCE_DIR) / "data/sample.mpr");
    ASSERT_FALSE(sample.empty());
    EXPECT_EQ(found(sample), Lines{});

    // Comments, blank lines, keys out of order, comments after values, absent sections.
    EXPECT_EQ(found(kMap + lf({"[Basic]", "Player=Greece",
                                "[STRUCTURES]", "; the north gate", "  ", "3=Greece,GUN,256,5160,0,alarm,1,0 ; gate",
                                "1=Greece,POWR,256,5162,0,None,1,1",
                                "[UNITS]", "1=USSR,3TNK,256,5163,64,Hunt,None",
                                "[SHIPS]", "0=USSR,SS,256,5164,64,Hunt,alarm",
                                "[INFANTRY]", "0=USSR,E1,256,5165,0,Hunt,64,None", "1=USSR,E1,256,5165,1,Hunt,64,None",
                                "[TERRAIN]", "0=T01,None", "16383=T05,None",
                                "[SMUDGE]", "1000=CR1,1000,0", "[Overlay]", "16383=GOLD01",
                                "[Base]", "Count=2", "Player=USSR", "000=POWR,5162", "001=GUN,0",
                                "[Waypoints]", "98=16383", "0=0 ; start",
                                "[CellTriggers]", "0=alarm", "200=None",
                                "[Trigs]", "alarm=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1 ; end",
                                "[TeamTypes]", "scouts=19,0,7,0,0,-1,0,1,E1:3,2,3:0,0:0,0",
                                "[Greece]", "; allies", "Allies=Greece"})),
              Lines{});
}

TEST(ScenarioCheck, DuplicateKeyWithinOneSectionOnly)
{
    const std::string twice = lf({"[UNITS]", "0=USSR,3TNK,256,500,64,Hunt,None", "0=USSR,3TNK,256,501,64,Hunt,None"});
    EXPECT_EQ(found(twice), Lines{"duplicate-key@3"});
    EXPECT_EQ(checkFile(twice)[0].message, "The key '0' is already used on line 2.");
    EXPECT_EQ(checkScenario(readScenario(twice))[0].message, "The key '0' is already used on line 0.")
        << "without the file's lines, the pane's, from 0 as the editor counts them";
    EXPECT_EQ(found(lf({"[Base]", "Player=USSR", "Count=1", "Player=Greece", "000=POWR,500"})),
              Lines{"duplicate-key@4"});
    // The same number in two sections, and two sections of one name read into one pane.
    EXPECT_EQ(found(lf({"[UNITS]", "0=USSR,3TNK,256,500,64,Hunt,None", "[SHIPS]", "0=USSR,SS,256,500,64,Hunt,None",
                        "[Waypoints]", "0=500", "[TERRAIN]", "0=T01"})),
              Lines{});
    EXPECT_EQ(found(lf({"[TERRAIN]", "500=T01", "[Overlay]", "1=GOLD01", "[TERRAIN]", "500=T02"})),
              Lines{"duplicate-key@6"});
}

TEST(ScenarioCheck, KeysWithEqualHashesAreNotDuplicates)
{
    EXPECT_EQ(found(lf({"[TERRAIN]", "1=T01", "01=T02", "001=T03"})), Lines{});
    EXPECT_EQ(found(lf({"[TERRAIN]", "1=T01", "01=T02", "1=T03"})), Lines{"duplicate-key@4"});
}

TEST(ScenarioCheck, UnknownTriggerInEveryLineThatNamesOne)
{
    const std::string trigs = lf({"[Trigs]", "alarm=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1"});
    EXPECT_EQ(found(trigs + lf({"[STRUCTURES]", "0=Greece,GUN,256,500,0,alarm,1,0", "1=Greece,GUN,256,500,0,Alarm,1,0",
                                "[UNITS]", "0=USSR,3TNK,256,500,64,Hunt,flood", "[SHIPS]", "0=USSR,SS,256,500,64,Hunt,none",
                                "[INFANTRY]", "0=USSR,E1,256,500,0,Hunt,64,alarm2", "[CellTriggers]", "500=alarm ; ok",
                                "501=flood"})),
              (Lines{"unknown-trigger@5", "unknown-trigger@7", "unknown-trigger@9", "unknown-trigger@11",
                     "unknown-trigger@14"}));
    EXPECT_EQ(checkFile(lf({"[CellTriggers]", "501=flood"}))[0].message,
              "The trigger 'flood' is neither None nor a trigger of [Trigs].");
    // A trigger named in a comment is no trigger; a comment line in [Trigs] names none.
    EXPECT_EQ(found(lf({"[Trigs]", ";flood=1", "[CellTriggers]", "1=flood"})), Lines{"unknown-trigger@4"});
}

TEST(ScenarioCheck, OffMapCellsAndThePlayableArea)
{
    EXPECT_EQ(found(kMap + lf({"[STRUCTURES]", "0=Greece,GUN,256,16384,0,None,1,0", "1=Greece,GUN,256,-1,0,None,1,0",
                               "2=Greece,GUN,256,5119,0,None,1,0", "3=Greece,GUN,256,5208,0,None,1,0",
                               "[INFANTRY]", "0=USSR,E1,256,11304,0,Hunt,64,None",
                               "[TERRAIN]", "20000=T01", "[SMUDGE]", "100=CR1,99999,0", "[Overlay]", "abc=GOLD01",
                               "[Base]", "Player=USSR", "Count=1", "000=POWR,17000",
                               "[Waypoints]", "0=12a", "[CellTriggers]", "-5=None"})),
              (Lines{"off-map@7", "off-map@8", "off-map@9", "off-map@10", "off-map@12", "off-map@14", "off-map@16",
                     "off-map@18", "off-map@22", "off-map@24", "off-map@26"}));
    const std::vector<Finding> findings =
        checkFile(kMap + lf({"[UNITS]", "0=USSR,3TNK,256,5119,64,Hunt,None", "1=USSR,3TNK,256,16384,64,Hunt,None"}));
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].severity, Severity::Warning);
    EXPECT_EQ(findings[0].message,
              "The cell 5119 (x 127, y 39) is outside the playable area of [Map] (x 40 to 87, y 40 to 87).");
    EXPECT_EQ(findings[1].severity, Severity::Error);
    EXPECT_EQ(findings[1].message, "The cell 16384 is outside the map (0 to 16383).");
    // Decorations beyond the border, corners of the playable area, and a [Map] without numbers.
    EXPECT_EQ(found(kMap + lf({"[TERRAIN]", "0=T01", "[Overlay]", "16383=GOLD01", "[CellTriggers]", "129=None",
                               "[Waypoints]", "0=1", "[STRUCTURES]", "0=Greece,GUN,256,5160,0,None,1,0",
                               "1=Greece,GUN,256,11223,0,None,1,0"})),
              Lines{});
    EXPECT_EQ(found(lf({"[Map]", "X=40", "Width=", "[UNITS]", "0=USSR,3TNK,256,0,64,Hunt,None"})), Lines{});
}

TEST(ScenarioCheck, APlayableAreaOffTheMapIsSaidOnceAndChecksNothing)
{
    const std::string file = lf({"[Map]", "X=2147483647", "Y=40", "Width=48", "Height=48", "[UNITS]",
                                 "0=USSR,3TNK,256,0,64,Hunt,None", "1=USSR,3TNK,256,16383,64,Hunt,None"});
    EXPECT_EQ(found(file), Lines{"off-map@2"});
    const Finding finding = checkFile(file).front();
    EXPECT_EQ(finding.severity, Severity::Warning);
    EXPECT_EQ(finding.field, FieldId::X);
    EXPECT_EQ(found(lf({"[Map]", "X=40", "Y=40", "Width=48", "Height=100"})), Lines{"off-map@5"});
}

namespace {

// The lines of a section whose findings of a rule name them, and those the map draws.
std::set<std::size_t> linesFound(const std::vector<Finding>& findings, std::string_view rule, PaneId pane)
{
    std::set<std::size_t> lines;
    for (const Finding& finding : findings) {
        if (finding.rule == rule && finding.pane == pane)
            lines.insert(*finding.paneLine);
    }
    return lines;
}

std::set<std::size_t> linesDrawn(const MapContents& map, PaneId pane)
{
    std::set<std::size_t> lines;
    for (const PlacedThing& thing : map.things) {
        if (thing.pane == pane)
            lines.insert(thing.line);
    }
    return lines;
}

} // namespace

// The rules that read what a line places read the lines the map draws and `info` counts.
TEST(ScenarioCheck, AgreesWithTheMapAndTheSummaryOnOddLines)
{
    const std::string odd = lf({"x=Nowhere,XX,256,600,0,Guard,0,None", "1=Nowhere,XX,256,601",
                                "2=Nowhere,XX,256,602,0,Guard,0,None,more,fields", "3=Nowhere,XX,256",
                                "4=Nowhere,XX,256,abc,0,Guard,0,None", " 5 = Nowhere , XX , 256 , 605 ; c, d",
                                "6=Nowhere,XX,256,\t606", "; 7=Nowhere,XX,256,607", "no key value",
                                "8=Nowhere,XX,256,608,left", "9=Nowhere,XX,256,-1,0,Guard,0"});
    const std::string file = "[STRUCTURES]\n" + odd + "[UNITS]\n" + odd + "[SHIPS]\n" + odd + "[INFANTRY]\n" + odd;
    const Scenario scenario = readScenario(file);
    const std::vector<Finding> findings = checkScenario(scenario);
    const MapContents map = readMapContents(scenario);
    const ScenarioSummary summary = summarizeScenario(scenario);
    const std::set<std::size_t> placing = {0, 1, 2, 5, 9, 10};
    for (std::size_t i = 0; i < 4; ++i) {
        const PaneId pane = kSummarySections[i].pane;
        EXPECT_EQ(linesDrawn(map, pane), placing) << paneHeader(pane);
        EXPECT_EQ(summary.entries[i], placing.size()) << paneHeader(pane);
        EXPECT_EQ(linesFound(findings, "unknown-type", pane), placing) << paneHeader(pane);
        EXPECT_EQ(linesFound(findings, "unknown-country", pane), placing) << paneHeader(pane);
        EXPECT_EQ(linesFound(findings, "off-map", pane), (std::set<std::size_t>{4, 6, 10})) << "no cell, or off the map";
    }
}

TEST(ScenarioCheck, TypeCodesNoDialogOffersAreProbablyTypos)
{
    EXPECT_EQ(found(lf({"[UNITS]", "0=USSR,3TKN,256,500,64,Hunt,None", "1=USSR,MNLY,256,500,64,Hunt,None",
                        "2=USSR,3tkn,256,500,64,Hunt,None", "[SHIPS]", "0=Greece,PT,256,500,64,Hunt,None",
                        "[STRUCTURES]", "0=Greece,FACT,256,500,0,None,1,0", "1=Greece,E1,256,500,0,None,1,0",
                        "[INFANTRY]", "0=USSR,E9,256,500,0,Hunt,64,None", "[TERRAIN]", "500=ZZ99"})),
              (Lines{"unknown-type@2", "unknown-type@4", "unknown-type@11"}))
        << "a code of any Create dialog is known, in any placement section";
    // The game reads codes in any case, and knows those of its expansion packs.
    EXPECT_EQ(found(lf({"[UNITS]", "0=USSR,1tnk,256,500,64,Hunt,None", "1=USSR,Ctnk,256,500,64,Hunt,None",
                        "2=USSR,ANT3,256,500,64,Hunt,None", "[SHIPS]", "0=Greece,msub,256,500,64,Hunt,None",
                        "1=Greece,CARR,256,500,64,Hunt,None", "[STRUCTURES]", "0=Greece,QUEE,256,500,0,None,1,0",
                        "1=Greece,lar2,256,500,0,None,1,0", "[INFANTRY]", "0=USSR,shok,256,500,0,Hunt,64,None",
                        "1=USSR,MECH,256,500,0,Hunt,64,None", "2=USSR,mnly,256,500,0,Hunt,64,None",
                        "3=USSR,pt,256,500,0,Hunt,64,None"})),
              Lines{});
    EXPECT_EQ(checkFile(lf({"[UNITS]", "0=USSR,3TKN,256,500,64,Hunt,None"}))[0].message,
              "The type '3TKN' is offered by no Create dialog: the game drops what it does not know.");
}

TEST(ScenarioCheck, TheOldTeamTypeSectionIsIgnoredByTheGame)
{
    const std::string file = lf({"[TeamType]", "a=1,2", "[TeamTypes]", "b=1,2"});
    EXPECT_EQ(found(file), Lines{"team-type-section@1"});
    const Finding finding = checkFile(file).front();
    EXPECT_EQ(finding.severity, Severity::Warning);
    EXPECT_EQ(finding.message, "The game reads team types from [TeamTypes]; this section is ignored.");
    EXPECT_EQ(finding.pane, PaneId::Rules);
    EXPECT_EQ(finding.section, "[TeamType]");
}

TEST(ScenarioCheck, BaseCountAndNumbering)
{
    EXPECT_EQ(found(lf({"[Base]", "Player=USSR", "Count=3", "000=POWR,500", "001=POWR,502"})), Lines{"base-count@3"});
    EXPECT_EQ(checkFile(lf({"[Base]", "Count=3", "000=POWR,500"}))[0].message, "Count=3 but [Base] holds 1 entry.");
    EXPECT_EQ(found(lf({"[Base]", "Player=USSR", "Count=3", "000=POWR,500", "002=POWR,502", "003=POWR,504"})),
              Lines{"base-count@5"});
    EXPECT_EQ(found(lf({"[Base]", "Player=USSR", "0=POWR,500"})), (Lines{"base-count@3", "base-count@3"}));
    EXPECT_EQ(found(lf({"[Base]", "Player=USSR", "Count=x"})), Lines{"base-count@3"});
    // Header keys out of order, a comment between entries, an empty base, entry 100.
    std::string hundred = lf({"[Base]", "; rebuilt first", "Count=101"});
    for (int k = 0; k <= 100; ++k)
        hundred += (k < 10 ? "00" : k < 100 ? "0" : "") + std::to_string(k) + "=POWR,500\n";
    EXPECT_EQ(found(hundred + lf({"Player=USSR"})), Lines{});
    EXPECT_EQ(found(lf({"[Base]", "Player=USSR", "Count=0"})), Lines{});
}

TEST(ScenarioCheck, UnknownCountryByNameAndByNumber)
{
    EXPECT_EQ(found(lf({"[Basic]", "Player=Greek", "[STRUCTURES]", "0=greece,GUN,256,500,0,None,1,0",
                        "[INFANTRY]", "0=Multi9,E1,256,500,0,Hunt,64,None", "[Base]", "Player=Russia", "Count=0",
                        "[Trigs]", "t=0,20,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1",
                        "[TeamTypes]", "a=-1,0,7,0,0,-1,0,0,0", "b=Greece,0,7,0,0,-1,0,0,0"})),
              (Lines{"unknown-country@2", "unknown-country@4", "unknown-country@6", "unknown-country@8",
                     "unknown-country@11", "unknown-country@13", "unknown-country@14"}));
    EXPECT_EQ(checkFile(lf({"[Basic]", "Player=Greek"}))[0].message,
              "The player 'Greek' is not one of the twenty countries.");
    EXPECT_EQ(found(lf({"[Basic]", "Player=", "[UNITS]", "0=Multi8,3TNK,256,500,64,Hunt,None",
                        "[TeamTypes]", "a=0,0,7,0,0,-1,-1,0,0", "b=19"})),
              Lines{});
}

TEST(ScenarioCheck, FieldCountsAndLinesThatAreNoKeyValue)
{
    EXPECT_EQ(found(lf({"[STRUCTURES]", "0=Greece,GUN,256,500,0,None,1", "[UNITS]", "0=USSR,3TNK,256,500,64,Hunt,None,x",
                        "[SHIPS]", "0=USSR,SS,256,500,64,Hunt", "[INFANTRY]", "0=USSR,E1,256,500,0,Hunt,64",
                        "[SMUDGE]", "500=CR1,500", "[Trigs]", "t=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1",
                        "[Waypoints]", "0=500,501", "[CellTriggers]", "500=a,b",
                        "[TERRAIN]", "north wood", "[Greece]", "Credits 100", "[MapPack]", "=AAAA"})),
              (Lines{"field-count@20", "field-count@2", "field-count@4", "field-count@6", "field-count@8",
                     "field-count@18", "field-count@10", "field-count@14", "unknown-trigger@16", "field-count@16",
                     "field-count@12", "field-count@22", "pack@22"}));  // in pane order; the pack rule says what the line costs
    EXPECT_EQ(checkFile(lf({"[STRUCTURES]", "7=Greece,GUN,256,500,0,None,1"}))[0].message,
              "The line for key '7' has 7 fields where [STRUCTURES] needs 8.");
    // A comma inside a comment is no field; terrain, overlay and team types take any number.
    EXPECT_EQ(found(lf({"[STRUCTURES]", "0=Greece,GUN,256,500,0,None,1,0 ; north, east",
                        "[TERRAIN]", "500=T01,None,x", "[TeamTypes]", "a=1,2", "[Rules]", "anything at all"})),
              Lines{});
}

TEST(ScenarioCheck, AByteOrderMarkIsAWarningOnTheFirstLine)
{
    const std::string marked = "\xEF\xBB\xBF" + kMap;
    EXPECT_EQ(found(marked), Lines{"byte-order-mark@1"});
    EXPECT_EQ(checkFile(marked)[0].severity, Severity::Warning);
    EXPECT_EQ(found(kMap + "\xEF\xBB\xBF\n"), Lines{});
    // The editor checks what Save will write, which has no mark.
    EXPECT_EQ(checkScenario(readScenario(marked)), std::vector<Finding>{});
}

TEST(ScenarioCheck, AnyBytesGiveFindingsNotACrash)
{
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(VEXA_SOURCE_DIR) / "fuzz/corpus"))
        checkFile(readFileOrEmpty(entry.path()));
    EXPECT_FALSE(checkFile(std::string("[UNITS]\n\0=,,,\xff,,\r[Base]\nCount=99999999999\n000=\n", 40)).empty());
}

TEST(ScenarioCheck, ReferencesThatNameNothingAndTeamUnitsNoOneKnows)
{
    const std::string scripts =
        lf({"[Waypoints]", "7=500",
            "[Trigs]", "ok=0,2,0,1,7,-1,-1,0,-1,-1,7,0,-1,7,22,-1,1,-1",         // team type 0, waypoint 7, trigger 1
            "none=0,2,0,1,0,-1,-1,0,-1,-1,4,-1,-1,-1,12,-1,-5,-1",               // negatives name nothing
            "bad=0,2,0,1,0,-1,-1,0,-1,-1,7,1,-1,8,22,-1,x,-1",                   // team type 1, waypoint 8, 'x'
            "[TeamTypes]", "t=2,0,7,0,0,9,3,4,E1:1,tran:1,Badr:2,ZZZ:1,2,3:7,14:6"});  // waypoints 9 and 6, trigger 3
    EXPECT_EQ(found(scripts), (Lines{"reference@6", "reference@6", "reference@6", "reference@8", "reference@8",
                                     "reference@8", "reference@8"}));
    const std::vector<Finding> findings = checkFile(scripts);
    EXPECT_EQ(findings[0].severity, Severity::Warning);
    EXPECT_EQ(findings[0].message, "Its R1 parameter 1 is team type 1, which [TeamTypes] does not have.");
    EXPECT_EQ(findings[2].message, "Its R2 parameter 2 is trigger 'x', which is no number.");
    EXPECT_EQ(findings[6].message, "Its unit 'ZZZ' is neither a type the game knows nor an aircraft.");
}
