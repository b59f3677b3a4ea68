#include "cli_run.h"
#include "commands.h"

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

using CommandLine = vexa::test::CliFolder;

// The exit code 2 and nothing on standard output; gives standard error.
std::string usage(std::vector<std::string> args)
{
    const CliRun result = run(std::move(args));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    return result.err;
}

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

// Each names the file it is about: the one read or the one written.
TEST(Normalize, FileErrorsGoToStandardErrorWithExitOne)
{
    const CliRun missing = run({"normalize", "/tmp/vexa-no-such-file.mpr", "-o", "/no-such-folder-vexa/x.mpr"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "/tmp/vexa-no-such-file.mpr: Filen saknas.\n");
    EXPECT_EQ(missing.out, "");

    const CliRun badFolder = run({"normalize", (kData / "golden-in.mpr").string(), "-o", "/no-such-folder-vexa/x.mpr"});
    EXPECT_EQ(badFolder.exitCode, 1);
    EXPECT_EQ(badFolder.err, "/no-such-folder-vexa/x.mpr: Felaktigt filnamn.\n");
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
    const std::string toolUsage =
        "Usage: vexabuild-cli COMMAND [ARGUMENTS]\nTry 'vexabuild-cli --help' for more information.\n";
    EXPECT_EQ(usage({"frobnicate", "a"}), "vexabuild-cli: unknown command 'frobnicate'\n" + toolUsage);
    EXPECT_EQ(usage({}), "vexabuild-cli: missing COMMAND\n" + toolUsage);
    EXPECT_EQ(usage({"--frobnicate"}), "vexabuild-cli: unknown option '--frobnicate'\n" + toolUsage);
    EXPECT_EQ(usage({"-"}), "vexabuild-cli: unknown command '-'\n" + toolUsage);

    const auto firstLine = [](std::vector<std::string> args) {
        const std::string err = usage(std::move(args));
        return err.substr(0, err.find('\n'));
    };
    EXPECT_EQ(firstLine({"normalize", "a", "b"}), "vexabuild-cli: unexpected argument 'b'");
    EXPECT_EQ(firstLine({"normalize", "-o", "x"}), "vexabuild-cli: missing FILE");
    EXPECT_EQ(firstLine({"check", "a", "--format", "xml"}), "vexabuild-cli: unknown format 'xml' (use 'text' or 'json')");
    EXPECT_EQ(firstLine({"check", "-", "-"}), "vexabuild-cli: standard input '-' can be read only once");
    EXPECT_EQ(firstLine({"check", "a", "--format=", "json"}), "vexabuild-cli: option '--format' needs 'text' or 'json'");
}

// Every command reads its arguments by the same rules: an unknown option, a missing or
// empty value and an option given twice are usage errors that show the command's usage.
TEST(Cli, EveryCommandTakesItsOptionsAlike)
{
    for (const cli::Command& command : cli::commands()) {
        const std::string name(command.name);
        const std::string commandUsage = "Usage: vexabuild-cli " + name + " " + std::string(command.arguments)
            + "\nTry 'vexabuild-cli " + name + " --help' for more information.\n";
        EXPECT_EQ(usage({name, "a", "--frobnicate"}), "vexabuild-cli: unknown option '--frobnicate'\n" + commandUsage);
        for (const cli::Option& option : command.options) {
            const std::string flag(option.name);
            if (option.needs.empty()) {
                EXPECT_EQ(usage({name, "a", flag, flag}), "vexabuild-cli: option '" + flag + "' given twice\n" + commandUsage);
                continue;
            }
            const std::string needsValue = "vexabuild-cli: option '" + flag + "' needs " + std::string(option.needs) + "\n";
            EXPECT_EQ(usage({name, "a", flag}), needsValue + commandUsage);
            EXPECT_EQ(usage({name, flag, "", "a"}), needsValue + commandUsage);
            EXPECT_EQ(usage({name, flag, "1024", "a", flag, "1024"}),
                      "vexabuild-cli: option '" + flag + "' given twice\n" + commandUsage);
        }
    }
}

// "--" ends the options, and an option's value is the next argument whatever it is: a
// dash, or what looks like an option.
TEST_F(CommandLine, OptionsEndAtTwoDashesAndAValueIsTheNextArgument)
{
    const fs::path before = fs::current_path();
    fs::current_path(folder_);
    const CliRun checked = run({"check", "--", "-h"});
    EXPECT_EQ(checked.exitCode, 2);
    EXPECT_EQ(checked.err, "-h: Filen saknas.\n");

    const std::string golden = (kData / "golden-in.mpr").string();
    const CliRun written = run({"normalize", golden, "-o", "-h"});
    EXPECT_EQ(written.exitCode, 0);
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(contents(folder_ / "-h"), contents(kData / "golden-out.mpr"));

    EXPECT_EQ(run({"normalize", "-o", "-", "--", "-"}, contents(golden)).out, contents(kData / "golden-out.mpr"))
        << "a dash stays standard input and output";
    fs::current_path(before);
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

// Standard output that is closed, or a pipe nobody reads, is not a full disk.
TEST(Cli, OutputThatCannotBeWrittenSaysWhy)
{
    const auto failedOutput = [](int descriptor) {
        std::istringstream in;
        std::ostringstream out, err;
        out.setstate(std::ios::badbit);
        EXPECT_EQ(runCli({"--version"}, in, out, err, descriptor), 1);
        return err.str();
    };
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    EXPECT_EQ(failedOutput(ends[1]), "<stdout>: I/O fel " + std::to_string(EPIPE) + ".\n");
    ::close(ends[1]);
    EXPECT_EQ(failedOutput(ends[1]), "<stdout>: I/O fel " + std::to_string(EBADF) + ".\n");
}
