#include "core/map/placed_things.h"

#include "core/document/scenario.h"
#include "core/document/body_line.h"
#include "core/document/line_formats.h"
#include "core/placement/integers.h"

#include <algorithm>

namespace vexa {

namespace {

struct KindInfo {
    ThingKind kind;
    std::string_view name;
    PaneId pane;
};

constexpr std::array<KindInfo, kThingKindCount> kKinds = {{
    {ThingKind::Structure, "Structure", PaneId::Structures},
    {ThingKind::Unit, "Unit", PaneId::Units},
    {ThingKind::Ship, "Ship", PaneId::Ships},
    {ThingKind::Infantry, "Infantry", PaneId::Infantry},
    {ThingKind::Terrain, "Terrain", PaneId::Terrain},
    {ThingKind::Smudge, "Smudge", PaneId::Smudge},
    {ThingKind::Overlay, "Overlay", PaneId::Overlay},
    {ThingKind::Waypoint, "Waypoint", PaneId::Waypoints},
    {ThingKind::CellTrigger, "Cell trigger", PaneId::CellTriggers},
    {ThingKind::BaseEntry, "Base entry", PaneId::Base},
}};

std::optional<std::int32_t> numberIn(LinePart part)
{
    return parseInteger(part.text);
}

// N=country,type,health,cell,... as the structure, unit, ship and infantry lines have it.
// Later fields may be missing: the map shows what it can place.
std::optional<PlacedThing> readNumberedObject(ThingKind kind, const BodyLine& line, const Fields& fields)
{
    const LineFormat& format = *formatOf(paneOfKind(kind));
    const std::size_t needed = 1 + std::max(*format.cellField, format.subPositionField.value_or(0));
    if (!numberIn(line.key) || fields.count() < needed)
        return std::nullopt;
    const auto cell = parseInteger(fields[*format.cellField]);
    if (!cell)
        return std::nullopt;
    PlacedThing thing{kind, *cell, std::string(fields[*format.typeField]), std::string(fields[*format.countryField])};
    if (format.subPositionField) {
        const auto sub = parseInteger(fields[*format.subPositionField]);
        if (!sub)
            return std::nullopt;
        // The game knows five places; any other number stands in the centre.
        thing.subPosition = *sub >= 0 && *sub <= 4 ? *sub : 0;
    }
    return thing;
}

// cell=type[,...], the terrain, smudge, overlay and cell trigger lines. A cell trigger's
// whole value is the trigger's name.
std::optional<PlacedThing> readCellKeyed(ThingKind kind, const BodyLine& line, const Fields& fields)
{
    const auto cell = numberIn(line.key);
    const std::string_view type = kind == ThingKind::CellTrigger ? line.value.text : fields[0];
    if (!cell || type.empty())
        return std::nullopt;
    return PlacedThing{kind, *cell, std::string(type), {}};
}

// W=cell
std::optional<PlacedThing> readWaypoint(const BodyLine& line, const Fields& fields)
{
    const auto number = numberIn(line.key);
    const auto cell = fields.count() == 1 ? parseInteger(fields[0]) : std::nullopt;
    if (!number || !cell)
        return std::nullopt;
    return PlacedThing{ThingKind::Waypoint, *cell, decimalText(*number), {}};
}

// NNN=type,cell
std::optional<PlacedThing> readBaseEntry(const BodyLine& line, const Fields& fields, std::string_view baseCountry)
{
    if (!numberIn(line.key) || fields.count() != kBaseEntryFieldCount)
        return std::nullopt;
    const auto cell = parseInteger(fields[kBaseCellField]);
    if (!cell)
        return std::nullopt;
    return PlacedThing{ThingKind::BaseEntry, *cell, std::string(fields[kBaseTypeField]), std::string(baseCountry)};
}

std::string baseCountryOf(const MemoryPane& base)
{
    for (std::size_t i = 0; i < base.lineCount(); ++i) {
        const BodyLine line = readBodyLine(base.lineView(i));
        if (line.isKeyValue() && line.key.text == kBasePlayerKey)
            return std::string(line.value.text);
    }
    return {};
}

} // namespace

std::string_view kindName(ThingKind kind)
{
    return kKinds[index(kind)].name;
}

PaneId paneOfKind(ThingKind kind)
{
    return kKinds[index(kind)].pane;
}

std::optional<PlacedThing> readPlacedThing(ThingKind kind, std::string_view line, std::string_view baseCountry)
{
    const BodyLine body = readBodyLine(line);
    if (!body.isKeyValue())
        return std::nullopt;
    const Fields fields(body);
    std::optional<PlacedThing> thing;
    switch (kind) {
    case ThingKind::Structure:
    case ThingKind::Unit:
    case ThingKind::Ship:
    case ThingKind::Infantry:
        thing = readNumberedObject(kind, body, fields);
        break;
    case ThingKind::Terrain:
    case ThingKind::Smudge:
    case ThingKind::Overlay:
    case ThingKind::CellTrigger:
        thing = readCellKeyed(kind, body, fields);
        break;
    case ThingKind::Waypoint:
        thing = readWaypoint(body, fields);
        break;
    case ThingKind::BaseEntry:
        thing = readBaseEntry(body, fields, baseCountry);
        break;
    }
    if (thing)
        thing->pane = paneOfKind(kind);
    return thing;
}

MapContents readMapContents(const Scenario& scenario)
{
    MapContents contents;
    contents.playable = readMapBounds(scenario).area;
    const std::string baseCountry = baseCountryOf(scenario.pane(PaneId::Base));
    for (const KindInfo& info : kKinds) {
        const MemoryPane& pane = scenario.pane(info.pane);
        for (std::size_t i = 0; i < pane.lineCount(); ++i) {
            if (auto thing = readPlacedThing(info.kind, pane.lineView(i), baseCountry)) {
                thing->line = i;
                contents.things.push_back(std::move(*thing));
            }
        }
    }
    return contents;
}

} // namespace vexa
