#include "info_command.h"

#include "core/document/reader.h"
#include "core/document/windows1252.h"
#include "core/map/summary.h"

#include <algorithm>
#include <ostream>

namespace vexa::cli {

namespace {

// Plain output: a label column, then values wrapped to the terminal's usual width.
constexpr std::size_t kLabelWidth = 17;
constexpr std::size_t kLineWidth = 78;

struct FileSummary {
    std::string file;  // as messages show it
    ScenarioSummary summary;
    SourceLines sources;
};

FileSummary summarizeBytes(std::string file, std::string_view bytes)
{
    FileSummary result{std::move(file), {}, {}};
    result.summary = summarizeScenario(readScenario(bytes, &result.sources));
    return result;
}

// Names and their counts, in the order they are shown.
using Counts = std::vector<std::pair<std::string, std::size_t>>;

Counts groundCounts(const ScenarioSummary& summary)
{
    Counts counts;
    for (std::size_t i = 0; i < kGroundKindCount; ++i)
        counts.emplace_back(groundKindName(static_cast<GroundKind>(i)), summary.groundCells[i]);
    return counts;
}

Counts overlayCounts(const ScenarioSummary& summary)
{
    Counts counts;
    for (const OverlayCount& overlay : summary.overlays)
        counts.emplace_back(overlayCode(overlay.overlay), overlay.cells);
    return counts;
}

Counts thingCounts(const ScenarioSummary& summary)
{
    Counts counts;
    for (std::size_t i = 0; i < kSummarySections.size(); ++i)
        counts.emplace_back(kSummarySections[i].name, summary.entries[i]);
    return counts;
}

// ---- JSON

void printJsonCounts(std::ostream& out, const Counts& counts)
{
    out << '{';
    for (std::size_t i = 0; i < counts.size(); ++i) {
        out << (i == 0 ? "" : ", ");
        printJsonString(out, counts[i].first);
        out << ": " << counts[i].second;
    }
    out << '}';
}

// The counts of a pack, or its error in their place.
void printJsonPackCounts(std::ostream& out, const std::optional<PackError>& error, const Counts& counts,
                         const SourceLines& sources)
{
    if (!error) {
        printJsonCounts(out, counts);
        return;
    }
    out << "{\"error\": ";
    printJsonString(out, describe(*error, sources));
    out << '}';
}

void printJsonPlayable(std::ostream& out, const std::optional<PlayableArea>& area)
{
    if (!area) {
        out << "null";
        return;
    }
    out << "{\"x\": " << area->x() << ", \"y\": " << area->y() << ", \"width\": " << area->width()
        << ", \"height\": " << area->height() << '}';
}

void printJsonObject(std::ostream& out, const FileSummary& file)
{
    const ScenarioSummary& summary = file.summary;
    out << "  {\n    \"file\": ";
    printJsonName(out, file.file);
    out << ",\n    \"theater\": ";
    if (summary.theater.empty())
        out << "null";
    else
        printJsonString(out, summary.theater);
    out << ",\n    \"playable\": ";
    printJsonPlayable(out, summary.playable);
    out << ",\n    \"ground\": ";
    printJsonPackCounts(out, summary.mapPackError, groundCounts(summary), file.sources);
    out << ",\n    \"overlay_pack\": ";
    printJsonPackCounts(out, summary.overlayPackError, overlayCounts(summary), file.sources);
    out << ",\n    \"things\": ";
    printJsonCounts(out, thingCounts(summary));
    out << "\n  }";
}

// ---- Plain text

// One labelled row; its items, joined by commas, wrap under the first.
void printRow(std::ostream& out, std::string_view label, const std::vector<std::string>& items)
{
    std::string line = "  " + std::string(label);
    line.resize(kLabelWidth, ' ');
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = items[i] + (i + 1 < items.size() ? "," : "");
        if (line.size() > kLabelWidth && line.size() + 1 + item.size() > kLineWidth) {
            out << line << '\n';
            line.assign(kLabelWidth, ' ');
        }
        line += (line.size() > kLabelWidth ? " " : "") + item;
    }
    out << line << '\n';
}

// "cell triggers 1" for ("cell_triggers", 1); zero counts left out where asked.
std::vector<std::string> countItems(const Counts& counts, bool withZeros)
{
    std::vector<std::string> items;
    for (const auto& [name, count] : counts) {
        if (count == 0 && !withZeros)
            continue;
        std::string words = name;
        std::replace(words.begin(), words.end(), '_', ' ');
        items.push_back(words + " " + std::to_string(count));
    }
    return items.empty() ? std::vector<std::string>{"none"} : items;
}

// The counts of a pack without zeros, or its error in their place.
std::vector<std::string> packItems(const std::optional<PackError>& error, const Counts& counts,
                                   const SourceLines& sources)
{
    if (error)
        return {"cannot be unpacked: " + utf8FromWindows1252(describe(*error, sources))};
    return countItems(counts, false);
}

std::string playableText(const std::optional<PlayableArea>& area)
{
    if (!area)
        return "none (the ground is counted over the whole map)";
    return area->text() + " (" + std::to_string(area->width()) + " x " + std::to_string(area->height()) + " cells)";
}

void printTable(std::ostream& out, const FileSummary& file)
{
    const ScenarioSummary& summary = file.summary;
    out << file.file << '\n';
    printRow(out, "theater", {summary.theater.empty() ? "none" : utf8FromWindows1252(summary.theater)});
    printRow(out, "playable area", {playableText(summary.playable)});
    printRow(out, "things", countItems(thingCounts(summary), true));
    printRow(out, "ground", packItems(summary.mapPackError, groundCounts(summary), file.sources));
    printRow(out, "overlay pack", packItems(summary.overlayPackError, overlayCounts(summary), file.sources));
}

} // namespace

const char* const kInfoHelp =
    "Usage: vexabuild-cli info FILE... [--format text|json]\n"
    "\n"
    "Counts what each scenario FILE holds: its theater and playable area, the\n"
    "entries of each section that places things or scripts them, the cells of\n"
    "each kind of ground inside the playable area (the whole map without one)\n"
    "as [MapPack] gives them, and the cells of each overlay in [OverlayPack].\n"
    "FILE '-' is standard input.\n"
    "\n"
    "Options:\n"
    "  --format text|json   the output: a short table per file (the default), or\n"
    "                       one JSON array with an object per file: file,\n"
    "                       theater, playable (x, y, width and height, or null),\n"
    "                       ground, overlay_pack (the codes present) and things\n"
    "  --help               show this help\n"
    "\n"
    "A pack that cannot be unpacked is named with its fault in place of its\n"
    "counts (in JSON an object with \"error\"); 'vexabuild-cli check' reports it\n"
    "too.\n"
    "\n"
    "Exit status: 0 every file was read, 2 a usage or file error.\n";

int runInfo(const CommandLine& line, Streams streams)
{
    const auto summarize = [&](const std::string& name, const std::string& bytes, FilesOutput& output) {
        const FileSummary summary = summarizeBytes(name, bytes);
        streams.out << (output.first ? (output.json ? "\n" : "") : (output.json ? ",\n" : "\n"));
        output.first = false;
        if (output.json)
            printJsonObject(streams.out, summary);
        else
            printTable(streams.out, summary);
    };
    return runOverFiles(line, streams, "info", summarize,
                        [](bool allRead) { return allRead ? kExitOk : kInfoFileError; });
}

} // namespace vexa::cli
