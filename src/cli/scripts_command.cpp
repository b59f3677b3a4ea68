#include "scripts_command.h"

#include "core/document/reader.h"
#include "core/document/windows1252.h"
#include "core/scripting/script_words.h"

#include <algorithm>
#include <ostream>

namespace vexa::cli {

namespace {

// The kinds as JSON names them.
std::string_view jsonKind(ReferenceKind kind)
{
    return kind == ReferenceKind::TeamType ? "teamtype" : kind == ReferenceKind::Trigger ? "trigger" : "waypoint";
}

// A pane line as the file counts it, from 1; nothing for a line the reader made up.
std::optional<std::size_t> fileLineOf(const SourceLines& sources, PaneId pane, std::size_t line)
{
    const std::optional<std::size_t> fileLine = sources.fileLine(pane, line);
    if (!fileLine)
        return std::nullopt;
    return *fileLine + 1;
}

// The file lines of what refers to the entry, each once, in order.
std::vector<std::size_t> usedBy(const ScriptIndex& index, const SourceLines& sources, const ScriptEntry& entry)
{
    std::vector<std::size_t> lines;
    for (const ScriptUse& use : index.usesOf(targetOf(entry))) {
        if (const std::optional<std::size_t> line = fileLineOf(sources, use.pane, use.line))
            lines.push_back(*line);
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

void printJsonReferences(std::ostream& out, const ScriptIndex& index, const ScriptEntry& entry)
{
    out << '[';
    bool first = true;
    for (const ScriptReference& reference : entry.references) {
        if (!namesLine(reference.kind))
            continue;
        const Resolution resolution = index.resolve(reference);
        out << (first ? "" : ", ") << "{\"what\": \"" << jsonKind(reference.kind) << "\", \"value\": ";
        first = false;
        if (reference.number)
            out << *reference.number;
        else
            out << "null";
        out << ", \"name\": ";
        if (resolution.name)
            printJsonString(out, *resolution.name);
        else
            out << "null";
        out << ", \"valid\": " << (resolution.valid ? "true" : "false") << '}';
    }
    out << ']';
}

void printJsonEntry(std::ostream& out, const std::string& file, const ScriptIndex& index, const SourceLines& sources,
                    const ScriptEntry& entry, bool& first)
{
    out << (first ? "\n  " : ",\n  ") << "{\"file\": ";
    first = false;
    printJsonName(out, file);
    out << ", \"kind\": \"" << (entry.kind == ScriptKind::Trigger ? "trigger" : "teamtype") << "\", \"name\": ";
    printJsonString(out, entry.name);
    out << ", \"line\": ";
    if (const std::optional<std::size_t> line = fileLineOf(sources, paneOf(entry.kind), entry.line))
        out << *line;
    else
        out << "null";
    out << ", \"text\": ";
    printJsonString(out, explainEntry(index, entry));
    out << ", \"references\": ";
    printJsonReferences(out, index, entry);
    out << ", \"used_by\": [";
    const std::vector<std::size_t> lines = usedBy(index, sources, entry);
    for (std::size_t i = 0; i < lines.size(); ++i)
        out << (i == 0 ? "" : ", ") << lines[i];
    out << "]}";
}

void printTextEntry(std::ostream& out, const std::string& file, const ScriptIndex& index, const SourceLines& sources,
                    const ScriptEntry& entry)
{
    out << file << ':';
    if (const std::optional<std::size_t> line = fileLineOf(sources, paneOf(entry.kind), entry.line))
        out << *line << ':';
    out << ' ' << utf8FromWindows1252(explainEntry(index, entry)) << '\n';
    const std::vector<std::size_t> lines = usedBy(index, sources, entry);
    if (lines.empty())
        return;
    out << "  used by line" << (lines.size() == 1 ? "" : "s");
    for (std::size_t i = 0; i < lines.size(); ++i)
        out << (i == 0 ? " " : ", ") << lines[i];
    out << '\n';
}

} // namespace

const char* const kScriptsHelp =
    "Usage: vexabuild-cli scripts FILE... [--format text|json]\n"
    "\n"
    "Explains every trigger ([Trigs]) and team type ([TeamTypes]) of each\n"
    "scenario FILE in words, with each team type, trigger and waypoint it names by\n"
    "number resolved, and the lines that refer to it:\n"
    "  FILE:LINE: explanation\n"
    "    used by lines N, M\n"
    "An index counts the key=value lines of its section from 0. FILE '-' is\n"
    "standard input.\n"
    "\n"
    "Options:\n"
    "  --format text|json   the output: lines as above (the default), or one JSON\n"
    "                       array of objects with file, kind (trigger or\n"
    "                       teamtype), name, line, text, references (what,\n"
    "                       value, name, valid) and used_by (file lines)\n"
    "  --help               show this help\n"
    "\n"
    "'vexabuild-cli check' reports references that name nothing (rule\n"
    "reference).\n"
    "\n"
    "Exit status: 0 every file was read, 2 a usage or file error.\n";

int runScripts(const CommandLine& line, Streams streams)
{
    const auto explain = [&](const std::string& name, const std::string& bytes, FilesOutput& output) {
        SourceLines sources;
        const Scenario scenario = readScenario(bytes, &sources);
        const ScriptIndex index(scenario);
        for (const ScriptKind kind : {ScriptKind::Trigger, ScriptKind::TeamType}) {
            for (const ScriptEntry& entry : index.entries(kind)) {
                if (output.json)
                    printJsonEntry(streams.out, name, index, sources, entry, output.first);
                else
                    printTextEntry(streams.out, name, index, sources, entry);
            }
        }
    };
    return runOverFiles(line, streams, "scripts", explain,
                        [](bool allRead) { return allRead ? kExitOk : kScriptsFileError; });
}

} // namespace vexa::cli
