#include "cli_run.h"
#include "cli_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vexa;
using vexa::test::contents;
using vexa::test::CliRun;
using vexa::test::run;
namespace fs = std::filesystem;

namespace {

using CheckCommand = vexa::test::CliFolder;

// Two findings whose rules run in the other order than their lines.
const std::string kBroken = "[Trigs]\r\nt=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1\r\n[CellTriggers]\r\n"
                            "70000=t\r\n\r\n[UNITS]\r\n0=USSR,3TNK,256,500,64,Hunt,None\r\n0=USSR,3TNK,256,500,64,Hunt,gone\r\n";

} // namespace

TEST_F(CheckCommand, FindingsAsCompilersPrintThemSortedByLine)
{
    const std::string broken = file("broken.mpr", kBroken);
    const CliRun result = run({"check", broken});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              broken + ":2: error: The line for key 't' has 17 fields where [Trigs] needs 18. [field-count]\n"
              + broken + ":4: error: The cell 70000 is outside the map (0 to 16383). [off-map]\n"
              + broken + ":8: error: The key '0' is already used on line 7. [duplicate-key]\n"
              + broken + ":8: error: The trigger 'gone' is neither None nor a trigger of [Trigs]. [unknown-trigger]\n");
}

TEST_F(CheckCommand, ManyFilesStandardInputAndExitCodes)
{
    const std::string good = file("good.mpr", "[UNITS]\r\n0=USSR,3TNK,256,500,64,Hunt,None\r\n");
    const CliRun clean = run({"check", good, "-"}, "[Base]\nCount=0\n");
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_EQ(clean.out, "");

    const CliRun withFindings = run({"check", good, "-"}, "[Base]\nCount=1\n");
    EXPECT_EQ(withFindings.exitCode, 1);
    EXPECT_EQ(withFindings.out, "<stdin>:2: error: Count=1 but [Base] holds 0 entries. [base-count]\n");

    // A file error is told and the other files are still checked.
    const CliRun missing = run({"check", (folder_ / "none.mpr").string(), file("b.mpr", kBroken)});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, (folder_ / "none.mpr").string() + ": Filen saknas.\n");
    EXPECT_NE(missing.out.find("[duplicate-key]"), std::string::npos);

    // Standard input that cannot be read (a folder, as `check - < folder` gives it).
    std::ifstream folderAsInput(folder_);
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"check", "-"}, folderAsInput, out, err), 2);
    EXPECT_EQ(err.str(), "<stdin>: Filåtkomst vägras.\n");
}

// A terminal takes UTF-8; scenario text is Windows-1252.
TEST_F(CheckCommand, PlainTextIsUtf8)
{
    const CliRun result = run({"check", "-"}, "[Basic]\nPlayer=Gr\xe4" "ce \x80\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "<stdin>:2: error: The player 'Gr\u00e4ce \u20ac' is not one of the twenty countries. "
                          "[unknown-country]\n");
}

TEST_F(CheckCommand, JsonForTools)
{
    const CliRun none = run({"check", "--format", "json", file("good.mpr", "")});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "[]\n");

    // A file's name is the system's UTF-8, kept as it is; a byte that is not UTF-8
    // (Latin-1) becomes U+FFFD, in JSON as in plain text.
    const CliRun named = run({"check", "--format", "json", file("caf\xc3\xa9.mpr", "[Basic]\nPlayer=X\n"),
                              file("caf\xe9.mpr", "[Basic]\nPlayer=X\n")});
    EXPECT_NE(named.out.find("{\"file\": \"" + folder_.string() + "/caf\xc3\xa9.mpr\", \"line\": 2,"), std::string::npos)
        << named.out;
    EXPECT_NE(named.out.find("{\"file\": \"" + folder_.string() + "/caf\xef\xbf\xbd.mpr\", \"line\": 2,"),
              std::string::npos)
        << named.out;
    EXPECT_TRUE(run({"check", folder_.string() + "/caf\xe9.mpr"}).out.starts_with(folder_.string() + "/caf\xef\xbf\xbd.mpr:2:"));

    const CliRun result = run({"check", "--format=json", "-"}, "[Basic]\nPlayer=Gr\xe4\"ce\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "[\n  {\"file\": \"<stdin>\", \"line\": 2, \"severity\": \"error\", \"rule\": \"unknown-country\", "
              "\"section\": \"[Basic]\", \"message\": \"The player 'Gr\\u00e4\\\"ce' is not one of the twenty "
              "countries.\"}\n]\n");
}

// Each byte that is not part of a UTF-8 character becomes one U+FFFD; characters stay.
TEST(FileNames, AreShownAsValidUtf8)
{
    const std::string replacement = "\xef\xbf\xbd";
    EXPECT_EQ(cli::displayName("a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf"),
              "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf");
    EXPECT_EQ(cli::displayName("\xe9t\xe9"), replacement + "t" + replacement) << "Latin-1";
    EXPECT_EQ(cli::displayName("\xc0\x80"), replacement + replacement) << "overlong";
    EXPECT_EQ(cli::displayName("\xe0\x9f\xbf"), replacement + replacement + replacement) << "overlong";
    EXPECT_EQ(cli::displayName("\xed\xa0\x80"), replacement + replacement + replacement) << "a surrogate";
    EXPECT_EQ(cli::displayName("\xf4\x90\x80\x80"), replacement + replacement + replacement + replacement)
        << "beyond U+10FFFF";
    EXPECT_EQ(cli::displayName("\xf0\x8f\xbf\xbf"), replacement + replacement + replacement + replacement) << "overlong";
    EXPECT_EQ(cli::displayName("\xe2\x82"), replacement + replacement) << "cut short";
    EXPECT_EQ(cli::displayName("\xe2\x82z"), replacement + replacement + "z") << "cut short";
    EXPECT_EQ(cli::displayName("\xf8\x88\x80\x80\x80\xff"), std::string() + replacement + replacement + replacement
                                                                      + replacement + replacement + replacement);
}
