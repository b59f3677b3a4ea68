#pragma once

#include "core/document/file_access.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace vexa::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// What a command is given to work with.
struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// A usage error: what was wrong, then where the help is. Returns kExitUsage.
int usageError(std::ostream& err, std::string_view what, std::string_view command = {});

// "-" names standard input; any other name a file.
bool isStandardStream(std::string_view name);
FileResult<std::string> readInput(const std::string& name, std::istream& in);
// A file name as messages show it.
std::string displayName(const std::string& name);

// The editor's text of a file error, as its error box shows it.
void printFileError(std::ostream& err, const FileError& error, std::string_view file = {});

} // namespace vexa::cli
