#include "normalize_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vexa;
namespace fs = std::filesystem;

namespace {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun run(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

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

TEST(Normalize, UsageHelpAndVersion)
{
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({"normalize"}).exitCode, 2);
    EXPECT_EQ(run({"normalize", "a", "b"}).exitCode, 2);
    EXPECT_EQ(run({"normalize", "a", "-o"}).exitCode, 2);
    EXPECT_EQ(run({"frobnicate", "a"}).exitCode, 2);
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("normalize FILE [-o OUT]"), std::string::npos);
    EXPECT_EQ(run({"--version"}).out, "vexabuild-cli 4.0.1\n");
}
