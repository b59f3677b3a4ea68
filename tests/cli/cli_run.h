#pragma once

// What every test of the command-line tool needs: a run with its exit code and both
// outputs, and a file's bytes.
#include "cli.h"

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

} // namespace vexa::test
