#include "cli_support.h"

#include "commands.h"

#include "core/document/windows1252.h"

#include <algorithm>
#include <cstdio>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>

namespace vexa::cli {

namespace {

const Option* optionNamed(std::span<const Option> options, std::string_view name)
{
    const auto found = std::find_if(options.begin(), options.end(), [&](const Option& o) { return o.name == name; });
    return found == options.end() ? nullptr : &*found;
}

bool isOperand(const std::string& arg)
{
    return arg.empty() || arg[0] != '-' || isStandardStream(arg);
}

std::string validUtf8(std::string_view text)
{
    std::string valid;
    while (!text.empty()) {
        const std::size_t length = utf8CharacterLength(text);
        valid += length == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(0, length);
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return valid;
}

} // namespace

std::optional<std::string> CommandLine::value(std::string_view option) const
{
    const auto found = std::find_if(options.begin(), options.end(), [&](const auto& o) { return o.first == option; });
    return found == options.end() ? std::nullopt : std::optional(found->second);
}

bool CommandLine::given(std::string_view option) const
{
    return value(option).has_value();
}

std::variant<CommandLine, std::string> parseCommandLine(const std::vector<std::string>& args,
                                                        std::span<const Option> options)
{
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            line.operands.insert(line.operands.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        }
        if (isOperand(arg)) {
            line.operands.push_back(arg);
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            line.help = true;
            return line;
        }
        const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const Option* option = optionNamed(options, name);
        if (!option)
            return "unknown option '" + name + "'";
        if (line.given(option->name))
            return "option '" + name + "' given twice";
        std::string value;
        if (option->needs.empty()) {
            if (equals != std::string::npos)
                return "option '" + name + "' takes no value";
        } else {
            if (equals != std::string::npos)
                value = arg.substr(equals + 1);
            else if (i + 1 < args.size())
                value = args[++i];
            if (value.empty())
                return "option '" + name + "' needs " + std::string(option->needs);
        }
        line.options.emplace_back(option->name, std::move(value));
    }
    return line;
}

int usageError(std::ostream& err, std::string_view what, std::string_view command)
{
    err << "vexabuild-cli: " << what << "\n";
    const Command* named = commandNamed(command);
    if (!named)
        err << "Usage: vexabuild-cli COMMAND [ARGUMENTS]\n";
    else
        err << "Usage: vexabuild-cli " << named->name << ' ' << named->arguments << "\n";
    err << "Try 'vexabuild-cli " << command << (command.empty() ? "" : " ") << "--help' for more information.\n";
    return kExitUsage;
}

bool isStandardStream(std::string_view name)
{
    return name == "-";
}

FileResult<std::string> readInput(const std::string& name, std::istream& in)
{
    return isStandardStream(name) ? readWholeStream(in) : readWholeFile(name);
}

std::string displayName(const std::string& name)
{
    return isStandardStream(name) ? "<stdin>" : validUtf8(name);
}

std::string displayOutputName(const std::string& name)
{
    return isStandardStream(name) ? std::string(kStandardOutputName) : validUtf8(name);
}

void printFileError(std::ostream& err, const FileError& error, std::string_view file)
{
    err << (file.empty() ? "''" : file) << ": " << error.text() << ".\n";
}

std::variant<std::string, int> soleFile(const CommandLine& line, std::ostream& err, std::string_view command)
{
    if (line.operands.empty())
        return usageError(err, "missing FILE", command);
    if (line.operands.size() > 1)
        return usageError(err, "unexpected argument '" + line.operands[1] + "'", command);
    return line.operands[0];
}

std::variant<FilesRequest, int> filesRequest(const CommandLine& line, std::ostream& err, std::string_view command)
{
    FilesRequest request{line.operands, Format::Text};
    if (const auto format = line.value("--format")) {
        if (*format == "json")
            request.format = Format::Json;
        else if (*format != "text")
            return usageError(err, "unknown format '" + *format + "' (use 'text' or 'json')", command);
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

int runOverFiles(const CommandLine& line, Streams streams, std::string_view command,
                 const std::function<void(const std::string& name, const std::string& bytes, FilesOutput& output)>& each,
                 const std::function<int(bool allRead)>& exitCode)
{
    const auto parsed = filesRequest(line, streams.err, command);
    if (const int* usageError = std::get_if<int>(&parsed))
        return *usageError;
    const FilesRequest& request = std::get<FilesRequest>(parsed);
    FilesOutput output{request.format == Format::Json};
    if (output.json)
        streams.out << '[';
    const bool allRead = forEachInputFile(request, streams, [&](const std::string& name, const std::string& bytes) {
        each(name, bytes, output);
    });
    if (output.json)
        streams.out << (output.first ? "]\n" : "\n]\n");
    return exitCode(allRead);
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
