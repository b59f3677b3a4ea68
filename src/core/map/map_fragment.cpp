#include "core/map/map_fragment.h"

#include "core/document/body_line.h"
#include "core/document/line_formats.h"
#include "core/document/scenario.h"
#include "core/map/thing_lines.h"
#include "core/placement/integers.h"
#include "core/placement/trigger_names.h"

#include <algorithm>
#include <limits>
#include <map>
#include <set>
#include <tuple>
#include <unordered_set>

namespace vexa {

namespace {


bool keyIsCell(ThingKind kind)
{
    return formatOf(paneOfKind(kind))->keyIsCell;
}

// The line with another key and cell and every other byte kept. A cell-keyed line's key
// is its cell.
std::string rekeyed(ThingKind kind, std::string_view line, std::string_view key, std::int32_t cell)
{
    std::vector<LineEdit> edits = cellEdits(kind, 0, line, cell);
    if (!keyIsCell(kind)) {
        const BodyLine body = readBodyLine(line);
        edits.insert(edits.begin(), LineEdit{0, body.key.at, body.key.text.size(), std::string(key)});
    }
    std::string result(line);
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit)
        result.replace(edit->at, edit->length, edit->text);
    return result;
}

// Section names are the same whatever their letters' case, as the game reads them.
bool sameSectionName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

// "; [UNITS]" names the copied kind whose section it heads.
std::optional<ThingKind> headedKind(const BodyLine& body, std::string_view line)
{
    if (body.kind != BodyLine::Kind::Comment)
        return std::nullopt;
    const std::string_view header = trimBlanks(line.substr(body.commentAt + 1));
    for (std::size_t i = 0; i < kThingKindCount; ++i) {
        const auto kind = static_cast<ThingKind>(i);
        if (isCopied(kind) && sameSectionName(header, paneHeader(paneOfKind(kind))))
            return kind;
    }
    return std::nullopt;
}

std::vector<std::string_view> textLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

std::string quotedLine(std::string_view line)
{
    return "\"" + std::string(line) + "\"";
}

std::unordered_set<std::string_view> definedTriggers(const MemoryPane& trigs)
{
    std::unordered_set<std::string_view> names;
    for (std::size_t i = 0; i < trigs.lineCount(); ++i) {
        const BodyLine body = readBodyLine(trigs.lineView(i));
        if (body.isKeyValue())
            names.insert(body.key.text);
    }
    return names;
}

PasteEdit refusedPaste(std::string reason)
{
    return PasteEdit{MapEdit{{}, std::move(reason)}, {}};
}

} // namespace

bool isCopied(ThingKind kind)
{
    return kind != ThingKind::Waypoint && kind != ThingKind::BaseEntry;
}

std::optional<std::string> fragmentText(const Scenario& scenario, std::span<const PlacedThing> things)
{
    std::map<std::tuple<PaneId, std::size_t>, std::pair<const PlacedThing*, std::string_view>> copied;
    CellPlace topLeft{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
    for (const PlacedThing& thing : things) {
        if (!isCopied(thing.kind))
            continue;
        const auto line = lineStillPlacing(scenario, thing);
        if (!line)
            return std::nullopt;
        copied[{thing.pane, thing.line}] = {&thing, line->text};
        const CellPlace place = *placeOfCell(thing.cell);
        topLeft = {std::min(topLeft.column, place.column), std::min(topLeft.row, place.row)};
    }
    std::string text;
    std::optional<PaneId> section;
    std::size_t key = 0;
    for (const auto& [at, copy] : copied) {
        const auto& [thing, line] = copy;
        if (section != thing->pane) {
            section = thing->pane;
            key = 0;
            text.append("; ").append(paneHeader(thing->pane)).push_back('\n');
        }
        const CellPlace place = *placeOfCell(thing->cell);
        const std::int32_t relative = *cellAt({place.column - topLeft.column, place.row - topLeft.row});
        text.append(rekeyed(thing->kind, line, decimalText(static_cast<std::int32_t>(key++)), relative)).push_back('\n');
    }
    return text;
}

Fragment readFragment(std::string_view text)
{
    Fragment fragment;
    std::optional<ThingKind> section;
    std::set<ThingKind> faulty;
    bool sawSection = false;
    for (const std::string_view line : textLines(text)) {
        const BodyLine body = readBodyLine(line);
        if (const auto kind = headedKind(body, line)) {
            section = kind;
            sawSection = true;
            continue;
        }
        if (body.kind == BodyLine::Kind::Blank || body.kind == BodyLine::Kind::Comment)
            continue;
        if (!section)
            continue;
        const auto thing = readPlacedThing(*section, line);
        const auto offset = thing ? placeOfCell(thing->cell) : std::nullopt;
        if (!offset) {
            if (faulty.insert(*section).second) {
                fragment.problems.push_back("Nothing of " + std::string(paneHeader(paneOfKind(*section)))
                                            + " is pasted: the clipboard's line " + quotedLine(line) + " is not one of its lines.");
            }
            continue;
        }
        fragment.lines.push_back({*section, *offset, std::string(line)});
    }
    std::erase_if(fragment.lines, [&](const FragmentLine& line) { return faulty.contains(line.kind); });
    if (!sawSection)
        fragment.problems.push_back("The clipboard holds no things of a map; nothing is pasted.");
    return fragment;
}

PasteEdit pastedFragment(const Scenario& scenario, const Fragment& fragment, CellPlace topLeft)
{
    if (fragment.lines.empty())
        return refusedPaste("The clipboard holds no things to paste.");
    const auto triggers = definedTriggers(scenario.pane(PaneId::Trigs));
    PasteEdit paste;
    PaneChanges changes;
    std::map<ThingKind, std::size_t> appended;
    std::map<ThingKind, std::vector<std::int32_t>> keyCells;
    for (const FragmentLine& line : fragment.lines) {
        const auto cell = cellAt({topLeft.column + line.offset.column, topLeft.row + line.offset.row});
        if (!cell)
            return refusedPaste("Cannot paste here: a " + std::string(kindName(line.kind)) + " would leave the map.");
        const MemoryPane& pane = scenario.pane(paneOfKind(line.kind));
        std::string key;
        if (keyIsCell(line.kind))
            keyCells[line.kind].push_back(*cell);
        else
            key = decimalText(static_cast<std::int32_t>(pane.lineCount() + appended[line.kind]++));
        std::string pasted = rekeyed(line.kind, line.line, key, *cell);
        const BodyLine body = readBodyLine(pasted);
        const auto trigger = readThingLine(line.kind, body, Fields(body)).trigger;
        if (trigger && *trigger != kNoTrigger && !triggers.contains(*trigger)
            && std::find(paste.unknownTriggers.begin(), paste.unknownTriggers.end(), *trigger) == paste.unknownTriggers.end())
            paste.unknownTriggers.emplace_back(*trigger);
        changes.append(paneOfKind(line.kind), std::move(pasted));
    }
    for (const auto& [kind, cells] : keyCells) {
        const PaneId pane = paneOfKind(kind);
        if (const auto twice = cellHeldTwice(scenario.pane(pane), kind, cells))
            return refusedPaste("Cannot paste here: " + std::string(paneHeader(pane)) + " would hold cell "
                                + decimalText(*twice) + " twice.");
    }
    paste.edit = std::move(changes).edit();
    return paste;
}

} // namespace vexa
