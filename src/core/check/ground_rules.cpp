// The rules about the map's ground: packs that cannot be unpacked, and units and ships
// standing where they cannot move.
#include "core/check/rules.h"

#include "core/ground/ground.h"

namespace vexa {

namespace {

// What stands on a line of [SHIPS], [UNITS] or [INFANTRY], as a message names it.
std::string_view movingThingName(PaneId pane)
{
    switch (pane) {
    case PaneId::Ships:
        return "ship";
    case PaneId::Units:
        return "unit";
    case PaneId::Infantry:
        return "soldier";
    default:
        return {};
    }
}

// A ship cannot leave land; a unit or soldier cannot leave water or a river. A cell whose
// template is not in the table is left alone: its ground is not known.
bool isStranded(PaneId pane, GroundKind kind)
{
    if (kind == GroundKind::Unknown)
        return false;
    if (pane == PaneId::Ships)
        return kind != GroundKind::Water;
    return kind == GroundKind::Water || kind == GroundKind::River;
}

std::string groundWords(const GroundCell& cell)
{
    std::string words = cell.kind == GroundKind::Clear ? "clear ground" : std::string(groundKindName(cell.kind));
    if (cell.templateNumber == kClearTemplate)
        return words + " (no template)";
    return words + " (template " + std::to_string(cell.templateNumber) + ", tile " + std::to_string(cell.tile) + ")";
}

} // namespace

void checkPacks(const Rule& rule, Checker& checker)
{
    for (const PackError& error : checker.ground().errors) {
        const PaneId pane = packPane(error.pack);
        std::string message = std::string(packHeader(error.pack)) + " cannot be unpacked: " + error.reason;
        if (error.firstUseLine)
            message += " (also on " + checker.lineName(pane, *error.firstUseLine) + ")";
        message += '.';
        if (error.wholePack)
            checker.reportOnSection(rule, pane, std::move(message));
        else
            checker.report(rule, pane, error.paneLine, std::move(message));
    }
}

// Cells off the map are the off-map rule's; a map pack that is missing or cannot be read
// says nothing about the ground.
void groundOnLine(const Rule& rule, Checker& checker, const LineAt& line)
{
    const std::string_view name = movingThingName(line.pane);
    const ThingFields* thing = line.thing();
    if (name.empty() || !thing || !isMapCell(thing->cell))
        return;
    const auto cell = static_cast<std::size_t>(thing->cell);
    const Ground* mapGround = checker.mapGround();
    if (!mapGround || !isStranded(line.pane, mapGround->kind(cell)))
        return;
    const CellPlace place = *placeOfCell(thing->cell);
    std::string message = "The " + std::string(name) + " " + quoted(thing->type) + " at cell "
        + std::to_string(thing->cell) + " (x " + std::to_string(place.column) + ", y " + std::to_string(place.row)
        + ") stands on " + groundWords(mapGround->cell(cell));
    message += line.pane == PaneId::Ships ? ", not on water." : ".";
    checker.report(rule, line.pane, line.index, std::move(message));
}

} // namespace vexa
