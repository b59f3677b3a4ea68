#pragma once

#include "cli_support.h"

#include <vector>

namespace vexa::cli {

// `normalize FILE [-o OUT]`: reads a scenario as the editor's Open does and writes what
// its Save would write. Exit 0 done, 1 a file error, 2 a usage error.
extern const char* const kNormalizeHelp;
inline constexpr Option kNormalizeOptions[] = {{"-o", "a file name"}};
int runNormalize(const CommandLine& line, Streams streams);
// Its exit status for a file that cannot be read or written.
inline constexpr int kNormalizeFileError = 1;

} // namespace vexa::cli
