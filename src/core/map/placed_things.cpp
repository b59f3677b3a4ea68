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

bool isCellKeyed(ThingKind kind)
{
    return kind == ThingKind::Terrain || kind == ThingKind::Smudge || kind == ThingKind::Overlay
        || kind == ThingKind::CellTrigger;
}

// The field at the index, when the value reaches it.
std::optional<LinePart> fieldAt(const Fields& fields, std::size_t index)
{
    return index < fields.count() ? std::optional(fields.part(index)) : std::nullopt;
}

// The format of structure, unit, ship and infantry lines, by kind.
const LineFormat& objectFormat(ThingKind kind)
{
    static const std::array<const LineFormat*, 4> formats = {
        formatOf(PaneId::Structures), formatOf(PaneId::Units), formatOf(PaneId::Ships), formatOf(PaneId::Infantry)};
    return *formats[index(kind)];
}

std::optional<LinePart> cellPartOf(ThingKind kind, const BodyLine& line, const Fields& fields)
{
    if (isPlacedObject(kind))
        return fieldAt(fields, *objectFormat(kind).cellField);
    if (isCellKeyed(kind))
        return line.key;
    if (kind == ThingKind::Waypoint)
        return fieldAt(fields, 0);
    if (isBaseHeaderKey(line.key.text))
        return std::nullopt;
    return fieldAt(fields, kBaseCellField);
}

std::optional<std::string_view> triggerOf(ThingKind kind, const BodyLine& line, const Fields& fields)
{
    if (kind == ThingKind::CellTrigger)
        return line.value.text;
    if (!isPlacedObject(kind))
        return std::nullopt;
    const auto field = fieldAt(fields, *objectFormat(kind).triggerField);
    return field ? std::optional(field->text) : std::nullopt;
}

// country,type,health,cell,... as the structure, unit, ship and infantry lines have it.
void placeObject(std::optional<ThingFields>& thing, ThingKind kind, std::int32_t cell, const Fields& fields)
{
    const LineFormat& format = objectFormat(kind);
    int subPosition = 0;
    if (format.subPositionField) {
        // The game knows five places; anything else stands in the centre.
        const std::int32_t sub = readInteger(fields[*format.subPositionField], 0);
        subPosition = sub >= 0 && sub <= 4 ? sub : 0;
    }
    thing = ThingFields{cell, fields[*format.typeField], fields[*format.countryField], subPosition};
}

// The thing of a line whose cell is known.
void placeThing(std::optional<ThingFields>& thing, ThingKind kind, std::int32_t cell, const BodyLine& line,
                const Fields& fields, std::string_view baseCountry)
{
    if (isPlacedObject(kind)) {
        placeObject(thing, kind, cell, fields);
    } else if (isCellKeyed(kind)) {
        // cell=type[,...]
        const std::string_view type = kind == ThingKind::CellTrigger ? line.value.text : fields[0];
        if (!type.empty())
            thing = ThingFields{cell, type, std::string_view(), 0};
    } else if (kind == ThingKind::Waypoint) {
        // W=cell, the waypoint known by its number
        if (parseInteger(line.key.text))
            thing = ThingFields{cell, line.key.text, std::string_view(), 0};
    } else {
        // NNN=type,cell
        thing = ThingFields{cell, fields[kBaseTypeField], baseCountry, 0};
    }
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

bool isPlacedObject(ThingKind kind)
{
    return kind == ThingKind::Structure || kind == ThingKind::Unit || kind == ThingKind::Ship
        || kind == ThingKind::Infantry;
}

std::optional<ThingKind> kindInPane(PaneId pane)
{
    const auto found = std::find_if(kKinds.begin(), kKinds.end(), [pane](const KindInfo& info) { return info.pane == pane; });
    return found == kKinds.end() ? std::nullopt : std::optional(found->kind);
}

ThingLine readThingLine(ThingKind kind, const BodyLine& body, const Fields& fields, std::string_view baseCountry)
{
    ThingLine result;
    if (!body.isKeyValue())
        return result;
    result.cell = cellPartOf(kind, body, fields);
    result.trigger = triggerOf(kind, body, fields);
    if (const auto cell = result.cell ? parseInteger(result.cell->text) : std::nullopt)
        placeThing(result.thing, kind, *cell, body, fields, baseCountry);
    return result;
}

std::optional<PlacedThing> readPlacedThing(ThingKind kind, std::string_view line, std::string_view baseCountry)
{
    const BodyLine body = readBodyLine(line);
    return readPlacedThing(kind, body, Fields(body), baseCountry);
}

std::optional<PlacedThing> readPlacedThing(ThingKind kind, const BodyLine& body, const Fields& fields,
                                           std::string_view baseCountry)
{
    const auto thing = readThingLine(kind, body, fields, baseCountry).thing;
    if (!thing)
        return std::nullopt;
    // A waypoint shows its number as the game reads it: 7 for a key 007.
    std::string type = kind == ThingKind::Waypoint ? decimalText(*parseInteger(thing->type)) : std::string(thing->type);
    return PlacedThing{kind, thing->cell, std::move(type), std::string(thing->country), thing->subPosition, paneOfKind(kind)};
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
