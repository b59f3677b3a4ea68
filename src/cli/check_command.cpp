#include "check_command.h"

#include "core/check/scenario_check.h"
#include "core/document/reader.h"
#include "core/document/windows1252.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace vexa::cli {

namespace {

constexpr int kExitFindings = 1;
constexpr int kExitFileError = 2;

enum class Format { Text, Json };

struct CheckRequest {
    std::vector<std::string> files;
    Format format = Format::Text;
};

std::optional<Format> formatNamed(std::string_view name)
{
    if (name == "text")
        return Format::Text;
    if (name == "json")
        return Format::Json;
    return std::nullopt;
}

// The request, or the exit code of a usage error already reported.
std::variant<CheckRequest, int> parseCheck(const std::vector<std::string>& args, std::ostream& err)
{
    CheckRequest request;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            request.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--format" || arg.starts_with("--format=")) {
            if (arg == "--format" && i + 1 == args.size())
                return usageError(err, "option '--format' needs 'text' or 'json'", "check");
            const std::string name = arg == "--format" ? args[++i] : arg.substr(9);
            const auto format = formatNamed(name);
            if (!format)
                return usageError(err, "unknown format '" + name + "' (use 'text' or 'json')", "check");
            request.format = *format;
        } else {
            return usageError(err, "unknown option '" + arg + "'", "check");
        }
    }
    if (request.files.empty())
        return usageError(err, "missing FILE", "check");
    if (std::count_if(request.files.begin(), request.files.end(), [](const std::string& f) { return isStandardStream(f); }) > 1)
        return usageError(err, "standard input '-' can be read only once", "check");
    return request;
}

// A JSON string of 8-bit text: bytes above 127 are taken as Latin-1 characters.
void printJsonString(std::ostream& out, std::string_view text)
{
    out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out << escaped;
        } else {
            out << c;
        }
    }
    out << '"';
}

} // namespace

const char* const kCheckHelp =
    "Usage: vexabuild-cli check FILE... [--format text|json]\n"
    "\n"
    "Checks each scenario FILE for the mistakes the game silently punishes and\n"
    "prints one line per finding, ordered by line:\n"
    "  FILE:LINE: error: message [rule-id]\n"
    "FILE '-' is standard input.\n"
    "\n"
    "Options:\n"
    "  --format text|json   the output: lines as above (the default), or one JSON\n"
    "                       array of objects with file, line, severity, rule,\n"
    "                       section and message\n"
    "  --help               show this help\n"
    "\n"
    "Exit status: 0 nothing found, 1 findings, 2 a usage or file error.\n"
    "\n"
    "Rules:\n";

std::vector<Finding> checkFileBytes(std::string_view bytes)
{
    SourceLines sources;
    const Scenario scenario = readScenario(bytes, &sources);
    std::vector<Finding> findings = checkScenario(scenario, &sources);
    const auto byFileLine = [](const Finding& a, const Finding& b) {
        return a.fileLine.value_or(0) + a.fileLine.has_value() < b.fileLine.value_or(0) + b.fileLine.has_value();
    };
    if (!std::is_sorted(findings.begin(), findings.end(), byFileLine))
        std::stable_sort(findings.begin(), findings.end(), byFileLine);
    return findings;
}

void printText(std::ostream& out, const std::string& file, const std::vector<Finding>& findings)
{
    for (const Finding& finding : findings) {
        out << file << ':';
        if (finding.fileLine)
            out << *finding.fileLine + 1 << ':';
        out << ' ' << severityName(finding.severity) << ": " << utf8FromWindows1252(finding.message) << " ["
            << finding.rule << "]\n";
    }
}

void printJsonObjects(std::ostream& out, const std::string& file, const std::vector<Finding>& findings, bool& first)
{
    for (const Finding& finding : findings) {
        out << (first ? "\n  " : ",\n  ") << "{\"file\": ";
        first = false;
        printJsonString(out, file);
        out << ", \"line\": ";
        if (finding.fileLine)
            out << *finding.fileLine + 1;
        else
            out << "null";
        out << ", \"severity\": \"" << severityName(finding.severity) << "\", \"rule\": \"" << finding.rule
            << "\", \"section\": ";
        printJsonString(out, finding.section);
        out << ", \"message\": ";
        printJsonString(out, finding.message);
        out << '}';
    }
}

int runCheck(const std::vector<std::string>& args, Streams streams)
{
    const auto parsed = parseCheck(args, streams.err);
    if (const int* exitCode = std::get_if<int>(&parsed))
        return *exitCode;
    const CheckRequest& request = std::get<CheckRequest>(parsed);
    bool anyFinding = false;
    bool anyFileError = false;
    bool firstJson = true;
    if (request.format == Format::Json)
        streams.out << '[';
    for (const std::string& file : request.files) {
        auto bytes = readInput(file, streams.in);
        if (const auto* error = std::get_if<FileError>(&bytes)) {
            printFileError(streams.err, *error, displayName(file));
            anyFileError = true;
            continue;
        }
        const std::vector<Finding> findings = checkFileBytes(std::get<std::string>(bytes));
        anyFinding = anyFinding || !findings.empty();
        if (request.format == Format::Json)
            printJsonObjects(streams.out, displayName(file), findings, firstJson);
        else
            printText(streams.out, displayName(file), findings);
    }
    if (request.format == Format::Json)
        streams.out << (firstJson ? "]\n" : "\n]\n");
    if (anyFileError)
        return kExitFileError;
    return anyFinding ? kExitFindings : kExitOk;
}

} // namespace vexa::cli
