#include "core/map/map_edits.h"

#include "core/check/quick_fixes.h"
#include "core/document/body_line.h"
#include "core/document/line_formats.h"
#include "core/document/scenario.h"
#include "core/placement/integers.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <unordered_set>

namespace vexa {

namespace {

constexpr std::string_view kOutOfDate = "The map is out of date; try again.";

// The parts of a line that hold its thing's cell, in position order.
std::vector<LinePart> cellParts(ThingKind kind, const BodyLine& body)
{
    const Fields fields(body);
    const auto cell = readThingLine(kind, body, fields).cell;
    if (!cell)
        return {};
    // cell=type,cell,0: a smudge repeats the key's cell when the line has that field.
    const std::size_t repeated = *formatOf(PaneId::Smudge)->cellField;
    if (kind == ThingKind::Smudge && fields.count() > repeated)
        return {*cell, fields.part(repeated)};
    return {*cell};
}

// The edits that give the cell parts of a line the cell, for a line known to place a thing.
std::vector<LineEdit> cellPartEdits(ThingKind kind, std::size_t paneLine, std::string_view line, std::int32_t cell)
{
    const std::string text = decimalText(cell);
    std::vector<LineEdit> edits;
    for (const LinePart& part : cellParts(kind, readBodyLine(line))) {
        if (part.text != text)
            edits.push_back({paneLine, part.at, part.text.size(), text});
    }
    return edits;
}

// The thing a line of the scenario places now, if it is still the one given: the same
// kind in its pane at the same cell.
std::optional<PlacedThing> currentThing(const Scenario& scenario, const PlacedThing& thing)
{
    const MemoryPane& pane = scenario.pane(thing.pane);
    if (thing.pane != paneOfKind(thing.kind) || thing.line >= pane.lineCount())
        return std::nullopt;
    auto current = readPlacedThing(thing.kind, pane.lineView(thing.line));
    if (!current || current->cell != thing.cell)
        return std::nullopt;
    current->line = thing.line;
    return current;
}

std::pair<PaneId, std::size_t> lineOf(const PlacedThing& thing)
{
    return {thing.pane, thing.line};
}

// The things as their lines place them now, each line once, in pane and line order;
// nothing when any line no longer places its thing.
std::optional<std::vector<PlacedThing>> currentThings(const Scenario& scenario, std::span<const PlacedThing> things)
{
    std::vector<PlacedThing> current;
    current.reserve(things.size());
    for (const PlacedThing& thing : things) {
        auto now = currentThing(scenario, thing);
        if (!now)
            return std::nullopt;
        current.push_back(std::move(*now));
    }
    const auto before = [](const PlacedThing& a, const PlacedThing& b) { return lineOf(a) < lineOf(b); };
    const auto sameLine = [](const PlacedThing& a, const PlacedThing& b) { return lineOf(a) == lineOf(b); };
    std::sort(current.begin(), current.end(), before);
    current.erase(std::unique(current.begin(), current.end(), sameLine), current.end());
    return current;
}

// "Structure POWR ([STRUCTURES] line 3)"
std::string thingName(const PlacedThing& thing)
{
    return std::string(kindName(thing.kind)) + " " + thing.type + " (" + std::string(paneHeader(thing.pane)) + " line "
        + std::to_string(thing.line) + ")";
}

// The cell the same number of columns and rows away, or nothing off the map. The map
// does not wrap: a column past the last is off it, not on the next row.
std::optional<std::int32_t> shiftedCell(std::int32_t cell, int columns, int rows)
{
    const auto place = placeOfCell(cell);
    if (!place)
        return std::nullopt;
    // A sum past what an int holds is as far off the map as -1.
    return cellAt(CellPlace{checkedAdd(place->column, columns).value_or(-1), checkedAdd(place->row, rows).value_or(-1)});
}

bool isCellKeyed(PaneId pane)
{
    const LineFormat* format = formatOf(pane);
    return format && format->keyIsCell;
}

// The first key that a cell-keyed pane would hold twice once the moved lines take their
// new keys. Lines not moved keep their keys, and twice-used keys among them stay as the
// check already reports them.
std::optional<std::string> keyHeldTwice(const MemoryPane& pane, std::span<const std::size_t> movedLines,
                                        std::span<const std::string> newKeys)
{
    std::unordered_set<std::string_view> keys;
    for (const std::string& key : newKeys) {
        if (!keys.insert(key).second)
            return key;
    }
    std::optional<std::string> twice;
    forEachRemainingLine(pane.lineCount(), movedLines, [&](std::size_t line, std::size_t) {
        const BodyLine body = readBodyLine(pane.lineView(line));
        if (!twice && body.isKeyValue() && keys.contains(body.key.text))
            twice = std::string(body.key.text);
    });
    return twice;
}

// The things of one pane: a run of the document-ordered things.
template <typename Visit>
void forEachPaneRun(const std::vector<PlacedThing>& things, Visit&& visit)
{
    for (auto begin = things.begin(); begin != things.end();) {
        const auto end = std::find_if(begin, things.end(), [&](const PlacedThing& t) { return t.pane != begin->pane; });
        visit(begin->pane, std::span<const PlacedThing>(&*begin, static_cast<std::size_t>(end - begin)));
        begin = end;
    }
}

// The change of one pane whose things take the cells given to them, or the refusal.
MapEdit movedInPane(const MemoryPane& pane, PaneId paneId, std::span<const PlacedThing> moved)
{
    PaneChange change{paneId, {}, {}, {}};
    std::vector<std::size_t> lines;
    std::vector<std::string> keys;
    for (const PlacedThing& thing : moved) {
        const auto edits = cellPartEdits(thing.kind, thing.line, pane.lineView(thing.line), thing.cell);
        change.edits.insert(change.edits.end(), edits.begin(), edits.end());
        lines.push_back(thing.line);
        keys.push_back(decimalText(thing.cell));
    }
    if (isCellKeyed(paneId)) {
        if (const auto key = keyHeldTwice(pane, lines, keys))
            return refusedEdit("Cannot move: " + std::string(paneHeader(paneId)) + " would hold the key " + *key + " twice.");
    }
    MapEdit edit;
    if (!change.isEmpty())
        edit.changes.push_back(std::move(change));
    return edit;
}

} // namespace

std::vector<LineEdit> cellEdits(ThingKind kind, std::size_t paneLine, std::string_view line, std::int32_t cell)
{
    if (!readPlacedThing(kind, line))
        return {};
    return cellPartEdits(kind, paneLine, line, cell);
}

MapEdit movedThings(const Scenario& scenario, std::span<const PlacedThing> things, int columns, int rows)
{
    if (columns == 0 && rows == 0)
        return {};
    auto moved = currentThings(scenario, things);
    if (!moved)
        return refusedEdit(std::string(kOutOfDate));
    for (PlacedThing& thing : *moved) {
        const auto cell = shiftedCell(thing.cell, columns, rows);
        if (!cell)
            return refusedEdit("Cannot move: " + thingName(thing) + " would leave the map.");
        thing.cell = *cell;
    }
    MapEdit result;
    forEachPaneRun(*moved, [&](PaneId pane, std::span<const PlacedThing> run) {
        if (result.refused())
            return;
        MapEdit edit = movedInPane(scenario.pane(pane), pane, run);
        if (edit.refused())
            result = std::move(edit);
        else
            result.changes.insert(result.changes.end(), edit.changes.begin(), edit.changes.end());
    });
    return result;
}

MapEdit deletedThings(const Scenario& scenario, std::span<const PlacedThing> things)
{
    const auto current = currentThings(scenario, things);
    if (!current)
        return refusedEdit(std::string(kOutOfDate));
    MapEdit result;
    forEachPaneRun(*current, [&](PaneId pane, std::span<const PlacedThing> run) {
        std::vector<std::size_t> removed;
        for (const PlacedThing& thing : run)
            removed.push_back(thing.line);
        const MemoryPane& lines = scenario.pane(pane);
        if (isNumberedByLine(pane))
            result.changes.push_back(renumberedSection(pane, lines, removed));
        else if (auto recounted = pane == PaneId::Base ? recountedBase(lines, removed) : std::nullopt)
            result.changes.push_back(std::move(*recounted));
        else
            result.changes.push_back(PaneChange{pane, {}, std::move(removed), {}});
    });
    return result;
}

} // namespace vexa
