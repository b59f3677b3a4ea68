#pragma once

#include "cli_support.h"
#include "core/check/finding.h"

#include <vector>

namespace vexa::cli {

// `check FILE... [--format text|json]`: the scenario check of every file. Exit 0 nothing
// found, 1 findings, 2 a usage or file error.
extern const char* const kCheckHelp;
int runCheck(const CommandLine& line, Streams streams);
// Its exit status for a file that cannot be read or written.
inline constexpr int kCheckFileError = 2;

// The findings of one file, ordered by file line (those without one first).
std::vector<Finding> checkFileBytes(std::string_view bytes);
// FILE:LINE: error: message [rule-id], one line each.
void printText(std::ostream& out, const std::string& file, const std::vector<Finding>& findings);
// One JSON object per finding, without the brackets and commas between them.
void printJsonObjects(std::ostream& out, const std::string& file, const std::vector<Finding>& findings, bool& first);

} // namespace vexa::cli
