#include "cli_run.h"

#include <gtest/gtest.h>

using namespace vexa;
using vexa::test::CliRun;
using vexa::test::run;

namespace {

// Line 4 "rein" sends team type 0 to waypoint 7 and forces trigger 1; line 5 "gone" names
// team type 3, which is not there. Line 7 "escort" is team type 0; the cell trigger on
// line 9 names "gone".
const std::string kScriptsFile = "[Waypoints]\r\n7=500\r\n[Trigs]\r\n"
                                 "rein=1,2,0,1,7,-1,1,0,-1,0,7,0,-1,7,22,-1,1,-1\r\n"
                                 "gone=0,2,0,0,0,-1,-1,0,-1,-1,4,3,-1,-1,0,-1,-1,-1\r\n"
                                 "[TeamTypes]\r\nescort=2,0,7,0,0,-1,-1,0,0\r\n"
                                 "[CellTriggers]\r\n500=gone\r\n";

using ScriptsCommand = vexa::test::CliFolder;

} // namespace

TEST_F(ScriptsCommand, JsonGivesEachLineItsWordsReferencesAndUses)
{
    const CliRun result = run({"scripts", "--format=json", "-"}, kScriptsFile);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "[\n"
              "  {\"file\": \"<stdin>\", \"kind\": \"trigger\", \"name\": \"rein\", \"line\": 4, \"text\": \"Trigger "
              "'rein' (0): repeats for all affected; country 2 USSR; when T1 'Destroyed by anybody' happens: R1 "
              "'Reinforcement' of team type 0 'escort', waypoint 7 and R2 'Force trigger' of trigger 1 'gone'.\", "
              "\"references\": [{\"what\": \"teamtype\", \"value\": 0, \"name\": \"escort\", \"valid\": true}, "
              "{\"what\": \"waypoint\", \"value\": 7, \"name\": null, \"valid\": true}, {\"what\": \"trigger\", "
              "\"value\": 1, \"name\": \"gone\", \"valid\": true}], \"used_by\": []},\n"
              "  {\"file\": \"<stdin>\", \"kind\": \"trigger\", \"name\": \"gone\", \"line\": 5, \"text\": \"Trigger "
              "'gone' (1): does not repeat; country 2 USSR; when T1 'No event' happens: R1 'Create team' of team type "
              "3, which [TeamTypes] does not have.\", \"references\": [{\"what\": \"teamtype\", \"value\": 3, "
              "\"name\": null, \"valid\": false}], \"used_by\": [4, 9]},\n"
              "  {\"file\": \"<stdin>\", \"kind\": \"teamtype\", \"name\": \"escort\", \"line\": 7, \"text\": \"Team "
              "type 'escort' (0): country 2 USSR; not hidden, not autocreated; 0 teams autocreated; waypoint of "
              "appearance: no waypoint; attached trigger: no trigger; no units; no orders.\", \"references\": "
              "[{\"what\": \"waypoint\", \"value\": -1, \"name\": null, \"valid\": true}, {\"what\": \"trigger\", "
              "\"value\": -1, \"name\": null, \"valid\": true}], \"used_by\": [4]}\n"
              "]\n");
}

TEST_F(ScriptsCommand, TextAndExitStatusAsInfo)
{
    const CliRun text = run({"scripts", file("a.mpr", kScriptsFile)});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("a.mpr:5: Trigger 'gone' (1)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\n  used by lines 4, 9\n"), std::string::npos) << text.out;

    const CliRun missing = run({"scripts", file("a.mpr", kScriptsFile), (folder_ / "none.mpr").string()});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err, "");
    EXPECT_EQ(run({"scripts"}).exitCode, 2);
    EXPECT_EQ(run({"scripts", "--format", "xml", "-"}).exitCode, 2);
    EXPECT_EQ(run({"scripts", "--help"}).out.rfind("Usage: vexabuild-cli scripts FILE...", 0), 0u);
}
