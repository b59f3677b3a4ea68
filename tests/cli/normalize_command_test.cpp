#include "cli_run.h"

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

const fs::path kData = VEXA_TEST_DATA;

} // namespace

TEST(Normalize, GoldenFileToStandardOutput)
{
    const CliRun result = run({"normalize", (kData / "golden-in.mpr").string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, contents(kData / "golden-out.mpr"));
}

TEST(Normalize, WritesToAFileAndIsStable)
{
    const fs::path out = fs::temp_directory_path() / ("vexa-cli-" + std::to_string(::getpid()) + ".mpr");
    ASSERT_EQ(run({"normalize", (kData / "golden-in.mpr").string(), "-o", out.string()}).exitCode, 0);
    EXPECT_EQ(contents(out), contents(kData / "golden-out.mpr"));
    EXPECT_EQ(run({"normalize", out.string()}).out, contents(out));
    fs::remove(out);
}

TEST(Normalize, FileErrorsGoToStandardErrorWithExitOne)
{
    const CliRun missing = run({"normalize", "/tmp/vexa-no-such-file.mpr"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Filen saknas.\n");
    EXPECT_EQ(missing.out, "");

    const CliRun badFolder = run({"normalize", (kData / "golden-in.mpr").string(), "-o", "/no-such-folder-vexa/x.mpr"});
    EXPECT_EQ(badFolder.exitCode, 1);
    EXPECT_EQ(badFolder.err, "Felaktigt filnamn.\n");
}

TEST(Normalize, StandardInputAndOutputAreNamedByADash)
{
    std::istringstream in(contents(kData / "golden-in.mpr"));
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"normalize", "-", "-o", "-"}, in, out, err), 0);
    EXPECT_EQ(out.str(), contents(kData / "golden-out.mpr"));
}

TEST(Cli, UsageErrorsSayWhatWasWrongAndPointToHelp)
{
    const auto usage = [](std::vector<std::string> args) {
        const CliRun result = run(std::move(args));
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        return result.err;
    };
    EXPECT_EQ(usage({"frobnicate", "a"}),
              "vexabuild-cli: unknown command 'frobnicate'\nTry 'vexabuild-cli --help' for more information.\n");
    EXPECT_EQ(usage({}), "vexabuild-cli: missing COMMAND\nTry 'vexabuild-cli --help' for more information.\n");
    EXPECT_EQ(usage({"--frobnicate"}).substr(0, 44), "vexabuild-cli: unknown option '--frobnicate'");
    EXPECT_EQ(usage({"-"}).substr(0, 36), "vexabuild-cli: unknown command '-'\nT");
    EXPECT_EQ(usage({"normalize", "a", "b"}),
              "vexabuild-cli: unexpected argument 'b'\nTry 'vexabuild-cli normalize --help' for more information.\n");
    EXPECT_EQ(usage({"normalize"}).substr(0, 33), "vexabuild-cli: missing FILE\nTry '");
    EXPECT_EQ(usage({"normalize", "a", "-o"}).substr(0, 46), "vexabuild-cli: option '-o' needs a file name\nT");
    EXPECT_EQ(usage({"check", "a", "--format", "xml"}).substr(0, 40), "vexabuild-cli: unknown format 'xml' (use");
    EXPECT_EQ(usage({"check", "-", "-"}).substr(0, 59), "vexabuild-cli: standard input '-' can be read only once\nTry");
    EXPECT_EQ(usage({"check", "--strict", "a"}).substr(0, 40), "vexabuild-cli: unknown option '--strict'");
}

TEST(Cli, HelpListsTheCommandsAndEachCommandHasItsOwn)
{
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    // One column of summaries, whichever commands the build has: where a command's
    // summary starts on its line.
    const auto summaryColumn = [&](const std::string& call, std::string_view summary) {
        const std::size_t line = help.out.find("\n  " + call + " ");
        const std::size_t at = help.out.find(summary, line);
        return line != std::string::npos && at < help.out.find('\n', line + 1) ? at - line : std::string::npos;
    };
    const std::size_t column = summaryColumn("normalize FILE [-o OUT]", "write FILE as the editor saves it\n");
    EXPECT_NE(column, std::string::npos);
    EXPECT_EQ(summaryColumn("check FILE... [--format text|json]", "find the mistakes"), column);
    EXPECT_NE(run({"normalize", "--help"}).out.find("Usage: vexabuild-cli normalize"), std::string::npos);
    const CliRun checkHelp = run({"check", "--help"});
    EXPECT_EQ(checkHelp.exitCode, 0);
    EXPECT_NE(checkHelp.out.find("  base-count\n      The Count of [Base]"), std::string::npos);
    EXPECT_EQ(run({"--version"}).out, "vexabuild-cli 4.0.1\n");
}

// Output that cannot be written (a full disk) is a file error of the command, whichever
// command it is: told on standard error, with the command's exit status for a file error.
TEST(Cli, OutputThatCannotBeWrittenIsAFileError)
{
    const auto intoFullDisk = [](std::vector<std::string> args, std::istream& in) {
        std::ofstream full("/dev/full", std::ios::binary);
        std::ostringstream err;
        const int code = runCli(args, in, full, err);
        return std::pair{code, err.str()};
    };
    std::istringstream noInput;
    const std::string golden = (kData / "golden-in.mpr").string();
    EXPECT_EQ(intoFullDisk({"normalize", golden}, noInput), std::pair(1, std::string("<stdout>: Disken full.\n")));
    EXPECT_EQ(intoFullDisk({"normalize", "--help"}, noInput).first, 1);
    EXPECT_EQ(intoFullDisk({"--version"}, noInput).first, 1);

    std::istringstream broken("[Base]\nCount=1\n");
    EXPECT_EQ(intoFullDisk({"check", "-"}, broken), std::pair(2, std::string("<stdout>: Disken full.\n")));
    std::istringstream clean("");
    EXPECT_EQ(intoFullDisk({"check", "--format", "json", "-"}, clean).first, 2);
    EXPECT_EQ(intoFullDisk({"check", "--help"}, noInput).first, 2);
}
