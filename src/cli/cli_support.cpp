#include "cli_support.h"

#include "core/document/windows1252.h"

#include <algorithm>
#include <cstdio>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>

namespace vexa::cli {

int usageError(std::ostream& err, std::string_view what, std::string_view command)
{
    err << "vexabuild-cli: " << what << "\n"
        << "Try 'vexabuild-cli " << command << (command.empty() ? "" : " ") << "--help' for more information.\n";
    return kExitUsage;
}

bool isStandardStream(std::string_view name)
{
    return name == "-";
}

FileResult<std::string> readInput(const std::string& name, std::istream& in)
{
    if (!isStandardStream(name))
        return readWholeFile(name);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        return FileError{kReadBeyondEnd};
    return bytes;
}

std::string displayName(const std::string& name)
{
    return isStandardStream(name) ? "<stdin>" : name;
}

void printFileError(std::ostream& err, const FileError& error, std::string_view file)
{
    if (!file.empty())
        err << file << ": ";
    err << error.text() << ".\n";
}

namespace {

std::optional<Format> formatNamed(std::string_view name)
{
    if (name == "text")
        return Format::Text;
    if (name == "json")
        return Format::Json;
    return std::nullopt;
}

} // namespace

std::variant<FilesRequest, int> parseFilesRequest(const std::vector<std::string>& args, std::ostream& err,
                                                  std::string_view command)
{
    FilesRequest request;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            request.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--format" || arg.starts_with("--format=")) {
            if (arg == "--format" && i + 1 == args.size())
                return usageError(err, "option '--format' needs 'text' or 'json'", command);
            const std::string name = arg == "--format" ? args[++i] : arg.substr(9);
            const auto format = formatNamed(name);
            if (!format)
                return usageError(err, "unknown format '" + name + "' (use 'text' or 'json')", command);
            request.format = *format;
        } else {
            return usageError(err, "unknown option '" + arg + "'", command);
        }
    }
    if (request.files.empty())
        return usageError(err, "missing FILE", command);
    if (std::count_if(request.files.begin(), request.files.end(), [](const std::string& f) { return isStandardStream(f); }) > 1)
        return usageError(err, "standard input '-' can be read only once", command);
    return request;
}

bool forEachInputFile(const FilesRequest& request, Streams streams,
                      const std::function<void(const std::string& name, const std::string& bytes)>& take)
{
    bool allRead = true;
    for (const std::string& file : request.files) {
        auto bytes = readInput(file, streams.in);
        if (const auto* error = std::get_if<FileError>(&bytes)) {
            printFileError(streams.err, *error, displayName(file));
            allRead = false;
            continue;
        }
        take(displayName(file), std::get<std::string>(bytes));
    }
    return allRead;
}

namespace {

// A JSON string of the text: quotes and backslashes escaped, and every character that
// `escaped` says so as \uXXXX.
template <typename Escaped>
void printJson(std::ostream& out, std::string_view text, Escaped&& escaped)
{
    out << '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (const auto character = escaped(static_cast<unsigned char>(c))) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(*character));
            out << code;
        } else {
            out << c;
        }
    }
    out << '"';
}

} // namespace

void printJsonString(std::ostream& out, std::string_view text)
{
    printJson(out, text, [](unsigned char byte) -> std::optional<char16_t> {
        const char16_t character = windows1252Character(byte);
        return character < 0x20 || character >= 0x7f ? std::optional(character) : std::nullopt;
    });
}

void printJsonName(std::ostream& out, std::string_view name)
{
    printJson(out, name, [](unsigned char byte) -> std::optional<char16_t> {
        return byte < 0x20 || byte == 0x7f ? std::optional<char16_t>(byte) : std::nullopt;
    });
}

} // namespace vexa::cli
