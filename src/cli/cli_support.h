#pragma once

#include "core/document/file_access.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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

// What `COMMAND FILE... [--format text|json]` asks for.
enum class Format { Text, Json };
struct FilesRequest {
    std::vector<std::string> files;
    Format format = Format::Text;
};
// The request, or the exit code of a usage error already reported.
std::variant<FilesRequest, int> parseFilesRequest(const std::vector<std::string>& args, std::ostream& err,
                                                  std::string_view command);

// Reads the request's files in turn and hands each one's name, as messages show it, and
// bytes to `take`; a file that cannot be read is reported on standard error and skipped.
// True when every file was read.
bool forEachInputFile(const FilesRequest& request, Streams streams,
                      const std::function<void(const std::string& name, const std::string& bytes)>& take);

// Scenario text (Windows-1252) as a JSON string: quotes, backslashes and control
// characters escaped, every character past ASCII written as \uXXXX.
void printJsonString(std::ostream& out, std::string_view text);
// A file name as the system gives it (UTF-8) as a JSON string: quotes, backslashes and
// control characters escaped, the rest as it is.
void printJsonName(std::ostream& out, std::string_view name);

} // namespace vexa::cli
