#include "cli_run.h"

#include "core/ground/ground.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vexa;
using vexa::test::CliRun;
using vexa::test::run;
namespace fs = std::filesystem;

namespace {

std::string section(std::string_view header, const std::vector<std::string>& lines)
{
    std::string text = std::string(header) + "\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A 2 x 2 playable area holding one water cell and one gold cell; a ship and a trigger.
std::string smallScenario()
{
    Ground ground;
    ground.setTerrain(10 + 128 * 20, 1, 0);
    ground.setOverlay(11 + 128 * 20, 5);
    ground.setOverlay(0, 2);
    return "[Map]\r\nTheater=SNOW\r\nX=10\r\nY=20\r\nWidth=2\r\nHeight=2\r\n"
           "[SHIPS]\r\n0=Greece,DD,256,2570,0,Guard,None\r\n[Trigs]\r\nt=0\r\n"
        + section("[MapPack]", packLines(ground.mapPackBytes()))
        + section("[OverlayPack]", packLines(ground.overlayPackBytes()));
}

const std::string kNoThings =
    "\"things\": {\"structures\": 0, \"units\": 0, \"ships\": 0, \"infantry\": 0, \"terrain\": 0, \"smudge\": 0, "
    "\"overlay\": 0, \"waypoints\": 0, \"cell_triggers\": 0, \"triggers\": 0, \"team_types\": 0}";

using InfoCommand = vexa::test::CliFolder;

} // namespace

TEST_F(InfoCommand, JsonHoldsEveryKeyAndCountsAsIntegers)
{
    const CliRun result = run({"info", "--format", "json", "-", file("empty.mpr", "")}, smallScenario());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "[\n"
              "  {\n"
              "    \"file\": \"<stdin>\",\n"
              "    \"theater\": \"SNOW\",\n"
              "    \"playable\": {\"x\": 10, \"y\": 20, \"width\": 2, \"height\": 2},\n"
              "    \"ground\": {\"clear\": 3, \"water\": 1, \"road\": 0, \"rock\": 0, \"river\": 0, \"rough\": 0, "
              "\"wall\": 0, \"beach\": 0, \"unknown\": 0},\n"
              "    \"overlay_pack\": {\"BRIK\": 1, \"GOLD01\": 1},\n"
              "    \"things\": {\"structures\": 0, \"units\": 0, \"ships\": 1, \"infantry\": 0, \"terrain\": 0, "
              "\"smudge\": 0, \"overlay\": 0, \"waypoints\": 0, \"cell_triggers\": 0, \"triggers\": 1, "
              "\"team_types\": 0}\n"
              "  },\n"
              "  {\n"
              "    \"file\": \"" + (folder_ / "empty.mpr").string() + "\",\n"
              "    \"theater\": null,\n"
              "    \"playable\": null,\n"
              "    \"ground\": {\"clear\": 16384, \"water\": 0, \"road\": 0, \"rock\": 0, \"river\": 0, \"rough\": 0, "
              "\"wall\": 0, \"beach\": 0, \"unknown\": 0},\n"
              "    \"overlay_pack\": {},\n"
              "    " + kNoThings + "\n"
              "  }\n"
              "]\n");
}

TEST_F(InfoCommand, APackThatCannotBeUnpackedGivesItsErrorInPlaceOfItsCounts)
{
    // The overlay pack is fine; the map pack's second line (file line 4) holds no Base64.
    const std::string bytes = "; a bad pack\r\n[MapPack]\r\n1=AAAA\r\n2=AA!A\r\n[OverlayPack]\r\n1=AAAA\r\n1=AAAA\r\n";
    const CliRun json = run({"info", "--format=json", "-"}, bytes);
    EXPECT_EQ(json.exitCode, 0) << "the file was read; the check reports the pack";
    EXPECT_NE(json.out.find("\"ground\": {\"error\": \"[MapPack] line 4 (key 2): '!' is not a Base64 character\"},\n"),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"overlay_pack\": {\"error\": \"[OverlayPack] line 7 (key 1): the key is used twice "
                            "(also on line 6)\"},\n"),
              std::string::npos)
        << json.out;

    const CliRun plain = run({"info", "-"}, bytes);
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_NE(plain.out.find("  ground         cannot be unpacked: [MapPack] line 4 (key 2): '!' is not a Base64 "
                             "character\n"),
              std::string::npos)
        << plain.out;
}

TEST_F(InfoCommand, PlainOutputIsAShortTablePerFile)
{
    const std::string scenario = file("small.mpr", smallScenario());
    const CliRun result = run({"info", scenario, "-"}, "[Map]\nTheater=T\x80\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              scenario + "\n"
              "  theater        SNOW\n"
              "  playable area  x 10 to 11, y 20 to 21 (2 x 2 cells)\n"
              "  things         structures 0, units 0, ships 1, infantry 0, terrain 0,\n"
              "                 smudge 0, overlay 0, waypoints 0, cell triggers 0,\n"
              "                 triggers 1, team types 0\n"
              "  ground         clear 3, water 1\n"
              "  overlay pack   BRIK 1, GOLD01 1\n"
              "\n"
              "<stdin>\n"
              "  theater        T\u20ac\n"
              "  playable area  none (the ground is counted over the whole map)\n"
              "  things         structures 0, units 0, ships 0, infantry 0, terrain 0,\n"
              "                 smudge 0, overlay 0, waypoints 0, cell triggers 0,\n"
              "                 triggers 0, team types 0\n"
              "  ground         clear 16384\n"
              "  overlay pack   none\n");
    // Scenario text is Windows-1252, in JSON too.
    EXPECT_NE(run({"info", "--format", "json", "-"}, "[Map]\nTheater=T\x80\n").out.find("\"theater\": \"T\\u20ac\""),
              std::string::npos);
}

TEST_F(InfoCommand, ExitCodes)
{
    // A file that cannot be read is told; the others are still summed up.
    const std::string missing = (folder_ / "none.mpr").string();
    const CliRun partly = run({"info", "--format", "json", missing, file("a.mpr", "")});
    EXPECT_EQ(partly.exitCode, 2);
    EXPECT_EQ(partly.err, missing + ": Filen saknas.\n");
    EXPECT_NE(partly.out.find("a.mpr"), std::string::npos);
    const CliRun none = run({"info", "--format", "json", missing});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.out, "[]\n");

    for (const std::vector<std::string>& args : {std::vector<std::string>{"info"}, {"info", "-", "-"},
                                                 {"info", "--format", "xml", "-"}, {"info", "--size", "-"}}) {
        const CliRun usage = run(args);
        EXPECT_EQ(usage.exitCode, 2);
        EXPECT_NE(usage.err.find("Try 'vexabuild-cli info --help'"), std::string::npos) << usage.err;
    }
    EXPECT_EQ(run({"info", "--help"}).exitCode, 0);
}

// The sample scenario the editor starts on shows a real map: each kind of ground the
// generator lays, ore, gems and walls.
TEST_F(InfoCommand, TheSampleHasADesignedGround)
{
    const CliRun result = run({"info", VEXA_SOURCE_DIR "/data/sample.mpr"});
    EXPECT_EQ(result.exitCode, 0);
    const std::string ground = result.out.substr(result.out.find("  ground "));
    for (const char* kind : {"clear", "water", "road", "river", "rough", "beach"})
        EXPECT_NE(ground.find(std::string(kind) + " "), std::string::npos) << kind << " in " << ground;
    const std::string overlays = result.out.substr(result.out.find("  overlay pack "));
    for (const char* overlay : {"GOLD0", "GEM0"})
        EXPECT_NE(overlays.find(overlay), std::string::npos) << overlay;
    EXPECT_TRUE(overlays.find("BRIK") != std::string::npos || overlays.find("SBAG") != std::string::npos);
}
