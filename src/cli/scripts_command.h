#pragma once

#include "cli_support.h"

namespace vexa::cli {

// `scripts FILE... [--format text|json]`: every trigger and team type of each file in
// words, with what it refers to and what refers to it. Exit 0 when every file was read,
// 2 for a usage or file error.
extern const char* const kScriptsHelp;
int runScripts(const CommandLine& line, Streams streams);
// Its exit status for a file that cannot be read or written.
inline constexpr int kScriptsFileError = 2;

} // namespace vexa::cli
