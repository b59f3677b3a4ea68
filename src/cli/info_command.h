#pragma once

#include "cli_support.h"

#include <vector>

namespace vexa::cli {

// `info FILE... [--format text|json]`: what each scenario holds, counted. Exit 0 when
// every file was read, 2 for a usage or file error.
extern const char* const kInfoHelp;
int runInfo(const CommandLine& line, Streams streams);
// Its exit status for a file that cannot be read or written.
inline constexpr int kInfoFileError = 2;

} // namespace vexa::cli
