#include "core/map/thing_lines.h"

#include "core/document/scenario.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>

namespace vexa {

std::optional<ReadLine> lineStillPlacing(const Scenario& scenario, const PlacedThing& thing)
{
    const MemoryPane& pane = scenario.pane(thing.pane);
    if (thing.pane != paneOfKind(thing.kind) || thing.line >= pane.lineCount())
        return std::nullopt;
    const std::string_view text = pane.lineView(thing.line);
    const BodyLine body = readBodyLine(text);
    const Fields fields(body);
    auto now = readPlacedThing(thing.kind, body, fields);
    if (!now)
        return std::nullopt;
    now->line = thing.line;
    // A base entry's country is the base's, which its own line does not give.
    if (thing.kind == ThingKind::BaseEntry)
        now->country = thing.country;
    return *now == thing ? std::optional(ReadLine{text, body, fields}) : std::nullopt;
}

std::optional<std::int32_t> cellHeldTwice(const MemoryPane& pane, ThingKind kind, std::span<const std::int32_t> newCells)
{
    std::unordered_set<std::int32_t> cells;
    for (const std::int32_t cell : newCells) {
        if (!cells.insert(cell).second)
            return cell;
    }
    for (std::size_t i = 0; i < pane.lineCount(); ++i) {
        const auto held = readPlacedThing(kind, pane.lineView(i));
        if (held && cells.contains(held->cell))
            return held->cell;
    }
    return std::nullopt;
}

std::string AppendedLines::line(std::size_t index) const
{
    return index >= existing_ && index < lineCount() ? lines[index - existing_] : std::string();
}

PaneChange& PaneChanges::of(PaneId pane)
{
    const auto [at, added] = changes_.try_emplace(pane);
    if (added)
        at->second.pane = pane;
    return at->second;
}

MapEdit PaneChanges::edit() &&
{
    MapEdit result;
    for (auto& [pane, change] : changes_) {
        std::stable_sort(change.edits.begin(), change.edits.end(), [](const LineEdit& a, const LineEdit& b) {
            return std::tie(a.line, a.at) < std::tie(b.line, b.at);
        });
        // A thing given twice is edited once.
        const auto samePart = [](const LineEdit& a, const LineEdit& b) { return a.line == b.line && a.at == b.at; };
        change.edits.erase(std::unique(change.edits.begin(), change.edits.end(), samePart), change.edits.end());
        if (!change.isEmpty())
            result.changes.push_back(std::move(change));
    }
    return result;
}

} // namespace vexa
