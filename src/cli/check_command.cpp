#include "check_command.h"

#include "core/check/scenario_check.h"
#include "core/document/reader.h"
#include "core/document/windows1252.h"

#include <algorithm>
#include <ostream>

namespace vexa::cli {

namespace {

constexpr int kExitFindings = 1;

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
        printJsonName(out, file);
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

int runCheck(const CommandLine& line, Streams streams)
{
    bool anyFinding = false;
    const auto check = [&](const std::string& name, const std::string& bytes, FilesOutput& output) {
        const std::vector<Finding> findings = checkFileBytes(bytes);
        anyFinding = anyFinding || !findings.empty();
        if (output.json)
            printJsonObjects(streams.out, name, findings, output.first);
        else
            printText(streams.out, name, findings);
    };
    return runOverFiles(line, streams, "check", check, [&](bool allRead) {
        if (!allRead)
            return kCheckFileError;
        return anyFinding ? kExitFindings : kExitOk;
    });
}

} // namespace vexa::cli
