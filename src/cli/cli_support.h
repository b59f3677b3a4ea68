#pragma once

#include "core/document/file_access.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
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
    // The system's descriptor behind `out`, which tells why writing it failed; -1 for a
    // stream of the program's own.
    int outDescriptor = -1;
};

// An option of a command. One that takes a value says what the value is, for the message
// when it is missing ("a file name"); a switch needs nothing.
struct Option {
    std::string_view name; // "-o", "--format"
    std::string_view needs = {};
};

// A command's arguments, taken apart by one rule for every command:
//   - "--" ends the options: every argument after it is an operand;
//   - an option's value is the argument after it, whatever it is ("-o -h" names the file
//     "-h"); a long option also takes it as "--format=json";
//   - "-" and every argument that does not start with '-' is an operand;
//   - "--help" or "-h" asks for the command's help.
struct CommandLine {
    std::vector<std::string> operands;
    std::vector<std::pair<std::string_view, std::string>> options; // the options given, with their values
    bool help = false;

    std::optional<std::string> value(std::string_view option) const;
    bool given(std::string_view option) const;
};

// The command line, or what is wrong with it: an unknown option, a missing or empty
// value, an option given twice.
std::variant<CommandLine, std::string> parseCommandLine(const std::vector<std::string>& args,
                                                        std::span<const Option> options);

// A usage error: what was wrong, the command's usage (the tool's without a command), and
// where the help is. Returns kExitUsage.
int usageError(std::ostream& err, std::string_view what, std::string_view command = {});

// "-" names standard input or output; any other name a file.
bool isStandardStream(std::string_view name);
// A file, or standard input for "-", read whole. Standard input is read to the same
// size as a file.
FileResult<std::string> readInput(const std::string& name, std::istream& in);
// A file name as messages and JSON show it: "<stdin>" for "-", and valid UTF-8, each
// byte that is not part of a UTF-8 character becoming U+FFFD.
std::string displayName(const std::string& name);
// An output's name as messages show it: "<stdout>" for "-".
std::string displayOutputName(const std::string& name);
inline constexpr std::string_view kStandardOutputName = "<stdout>";

// The editor's text of a file error, as its error box shows it, after the name of the
// file it is about.
void printFileError(std::ostream& err, const FileError& error, std::string_view file);

// The one FILE of a command that takes one, or the exit code of a usage error already
// reported (none, or more than one).
std::variant<std::string, int> soleFile(const CommandLine& line, std::ostream& err, std::string_view command);

// What `COMMAND FILE... [--format text|json]` asks for.
enum class Format { Text, Json };
struct FilesRequest {
    std::vector<std::string> files;
    Format format = Format::Text;
};
// The options of such a command.
inline constexpr Option kFilesOptions[] = {{"--format", "'text' or 'json'"}};
// The request, or the exit code of a usage error already reported.
std::variant<FilesRequest, int> filesRequest(const CommandLine& line, std::ostream& err, std::string_view command);

// Reads the request's files in turn and hands each one's name, as messages show it, and
// bytes to `take`; a file that cannot be read is reported on standard error and skipped.
// True when every file was read.
bool forEachInputFile(const FilesRequest& request, Streams streams,
                      const std::function<void(const std::string& name, const std::string& bytes)>& take);

// What a command over files writes as it goes: with --format json one array, whose
// elements each file's output adds, `first` true until one is written.
struct FilesOutput {
    bool json = false;
    bool first = true;
};
// Runs `COMMAND FILE... [--format text|json]`: reads the request (a usage error gives its
// exit code), hands each file's name and bytes to `each` and, for JSON, writes the array's
// brackets around what `each` writes. `exitCode` turns whether every file was read into
// the command's exit code.
int runOverFiles(const CommandLine& line, Streams streams, std::string_view command,
                 const std::function<void(const std::string& name, const std::string& bytes, FilesOutput& output)>& each,
                 const std::function<int(bool allRead)>& exitCode);

// Scenario text (Windows-1252) as a JSON string: quotes, backslashes and control
// characters escaped, every character past ASCII written as \uXXXX.
void printJsonString(std::ostream& out, std::string_view text);
// A file name as displayName gives it (UTF-8) as a JSON string: quotes, backslashes and
// control characters escaped, the rest as it is.
void printJsonName(std::ostream& out, std::string_view name);

} // namespace vexa::cli
