#pragma once

// What every test of the command-line tool needs: a run with its exit code and both
// outputs, and a file's bytes.
#include "cli.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace vexa::test {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs vexabuild-cli with the given arguments and standard input.
inline CliRun run(const std::vector<std::string>& args, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = runCli(args, in, out, err);
    return {code, out.str(), err.str()};
}

inline std::string contents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A folder of its own for each test, for the files it hands the tool.
class CliFolder : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder_); }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Writes the bytes to a file of the folder and gives its path.
    std::string file(const std::string& name, const std::string& bytes) const
    {
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    const std::filesystem::path folder_ = std::filesystem::temp_directory_path()
        / ("vexa-cli-" + std::to_string(::getpid()) + "-"
           + ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

} // namespace vexa::test
