#include "core/map/placed_things.h"

#include "core/document/scenario.h"
#include "core/forms/comment.h"
#include "core/placement/integers.h"

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

// The dialogs end a line in " ; " and the comment; the comment is no part of the value.
std::string_view withoutComment(std::string_view text)
{
    const auto at = text.find(kCommentSeparator);
    return at == std::string_view::npos ? text : text.substr(0, at);
}

std::vector<std::string_view> splitFields(std::string_view value)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto comma = value.find(',', start);
        fields.push_back(value.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

struct KeyedLine {
    std::string_view key;
    std::vector<std::string_view> fields;
};

std::optional<KeyedLine> splitLine(std::string_view line)
{
    line = withoutComment(line);
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyedLine{line.substr(0, equals), splitFields(line.substr(equals + 1))};
}

// N=country,type,health,cell,... as the structure, unit, ship and infantry lines have it.
std::optional<PlacedThing> readNumberedObject(ThingKind kind, const KeyedLine& line)
{
    constexpr std::size_t kCellField = 3;
    constexpr std::size_t kSubPositionField = 4;
    const std::size_t needed = kind == ThingKind::Infantry ? kSubPositionField + 1 : kCellField + 1;
    if (!parseInteger(line.key) || line.fields.size() < needed)
        return std::nullopt;
    const auto cell = parseInteger(line.fields[kCellField]);
    if (!cell)
        return std::nullopt;
    PlacedThing thing{kind, *cell, std::string(line.fields[1]), std::string(line.fields[0])};
    if (kind == ThingKind::Infantry) {
        const auto sub = parseInteger(line.fields[kSubPositionField]);
        if (!sub)
            return std::nullopt;
        // The game knows five places; any other number stands in the centre.
        thing.subPosition = *sub >= 0 && *sub <= 4 ? *sub : 0;
    }
    return thing;
}

// cell=type[,...], the terrain, smudge, overlay and cell trigger lines. A cell trigger's
// whole value is the trigger's name.
std::optional<PlacedThing> readCellKeyed(ThingKind kind, const KeyedLine& line)
{
    const auto cell = parseInteger(line.key);
    if (!cell || line.fields.front().empty())
        return std::nullopt;
    std::string type(line.fields.front());
    if (kind == ThingKind::CellTrigger) {
        for (std::size_t i = 1; i < line.fields.size(); ++i)
            (type += ',') += line.fields[i];
    }
    return PlacedThing{kind, *cell, std::move(type), {}};
}

// W=cell
std::optional<PlacedThing> readWaypoint(const KeyedLine& line)
{
    const auto number = parseInteger(line.key);
    const auto cell = line.fields.size() == 1 ? parseInteger(line.fields[0]) : std::nullopt;
    if (!number || !cell)
        return std::nullopt;
    return PlacedThing{ThingKind::Waypoint, *cell, decimalText(*number), {}};
}

// NNN=type,cell
std::optional<PlacedThing> readBaseEntry(const KeyedLine& line, std::string_view baseCountry)
{
    if (!parseInteger(line.key) || line.fields.size() != 2)
        return std::nullopt;
    const auto cell = parseInteger(line.fields[1]);
    if (!cell)
        return std::nullopt;
    return PlacedThing{ThingKind::BaseEntry, *cell, std::string(line.fields[0]), std::string(baseCountry)};
}

std::string baseCountryOf(const MemoryPane& base)
{
    constexpr std::string_view kPlayerKey = "Player=";
    for (std::size_t i = 0; i < base.lineCount(); ++i) {
        const std::string_view line = base.lineView(i);
        if (line.starts_with(kPlayerKey))
            return std::string(withoutComment(line.substr(kPlayerKey.size())));
    }
    return {};
}

std::optional<PlayableArea> playableAreaOf(const Scenario& scenario)
{
    const auto number = [&](FieldId field) { return parseInteger(withoutComment(scenario.field(field))); };
    const auto x = number(FieldId::X);
    const auto y = number(FieldId::Y);
    const auto width = number(FieldId::Width);
    const auto height = number(FieldId::Height);
    if (!x || !y || !width || !height)
        return std::nullopt;
    return PlayableArea{*x, *y, *width, *height};
}

} // namespace

std::int32_t cellAt(CellPlace place)
{
    return place.column + kMapSide * place.row;
}

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
    const auto keyed = splitLine(line);
    if (!keyed)
        return std::nullopt;
    std::optional<PlacedThing> thing;
    switch (kind) {
    case ThingKind::Structure:
    case ThingKind::Unit:
    case ThingKind::Ship:
    case ThingKind::Infantry:
        thing = readNumberedObject(kind, *keyed);
        break;
    case ThingKind::Terrain:
    case ThingKind::Smudge:
    case ThingKind::Overlay:
    case ThingKind::CellTrigger:
        thing = readCellKeyed(kind, *keyed);
        break;
    case ThingKind::Waypoint:
        thing = readWaypoint(*keyed);
        break;
    case ThingKind::BaseEntry:
        thing = readBaseEntry(*keyed, baseCountry);
        break;
    }
    if (thing)
        thing->pane = paneOfKind(kind);
    return thing;
}

MapContents readMapContents(const Scenario& scenario)
{
    MapContents contents;
    contents.playable = playableAreaOf(scenario);
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
