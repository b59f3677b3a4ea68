#include "core/map/thing_placing.h"

#include "core/decorations/decoration_types.h"
#include "core/decorations/decorations.h"
#include "core/document/body_line.h"
#include "core/document/scenario.h"
#include "core/map/thing_lines.h"
#include "core/placement/building_types.h"
#include "core/placement/buildings.h"
#include "core/placement/trigger_names.h"
#include "core/placement/unit_types.h"
#include "core/placement/integers.h"
#include "core/placement/units.h"

namespace vexa {

namespace {

constexpr std::string_view kNoPlayer = "Multi1";
constexpr std::string_view kFullHealth = "256";
constexpr std::string_view kNorth = "0";
constexpr std::string_view kGuard = "Guard";

std::string chosen(const LastUsedFields& lastUsed, ThingField field, std::string_view otherwise)
{
    const auto& used = lastUsed[index(field)];
    return used ? *used : std::string(otherwise);
}

std::string cellName(std::int32_t cell)
{
    return "cell " + decimalText(cell);
}

// The first sub-position of the cell that no soldier of the pane holds.
std::optional<int> freeSubPosition(const MemoryPane& infantry, std::int32_t cell)
{
    std::array<bool, kSubPositionCount> held{};
    for (std::size_t i = 0; i < infantry.lineCount(); ++i) {
        const auto soldier = readPlacedThing(ThingKind::Infantry, infantry.lineView(i));
        if (soldier && soldier->cell == cell)
            held[static_cast<std::size_t>(soldier->subPosition)] = true;
    }
    for (std::size_t s = 0; s < kSubPositionCount; ++s) {
        if (!held[s])
            return static_cast<int>(s);
    }
    return std::nullopt;
}

DecorationFormat decorationFormat(ThingKind kind)
{
    if (kind == ThingKind::Terrain)
        return DecorationFormat::Terrain;
    return kind == ThingKind::Smudge ? DecorationFormat::Smudge : DecorationFormat::Overlay;
}

// The Create of one cell's run into the pane, with the choices; `subPosition` for a soldier.
void createOne(ThingKind kind, std::string_view type, std::int32_t cell, const PlaceChoices& choices, int subPosition,
               Pane& pane)
{
    const std::string at = decimalText(cell);
    UnitsInput units{choices.country, std::string(type), choices.health, choices.direction, choices.order, at, at,
                     "1", choices.trigger, {}};
    switch (kind) {
    case ThingKind::Structure: {
        const BuildingsInput in{choices.country, std::string(type), choices.health, choices.direction, at, at, "1",
                                choices.trigger, false, {}, false};
        AppendedLines noBase(0);
        createBuildings(in, pane, noBase);
        break;
    }
    case ThingKind::Unit: createUnits(units, pane); break;
    case ThingKind::Ship: createShips(units, pane); break;
    case ThingKind::Infantry: {
        InfantryInput in;
        static_cast<UnitsInput&>(in) = units;
        in.subPositions = {};
        in.subPositions[static_cast<std::size_t>(subPosition)] = true;
        createInfantry(in, pane);
        break;
    }
    default:
        createDecorations(decorationFormat(kind), DecorationInput{at, at, "1", std::string(type), {}}, pane);
        break;
    }
}

} // namespace

PlaceChoices placeChoices(const Scenario& scenario, const LastUsedFields& lastUsed)
{
    const std::string_view player = trimBlanks(scenario.field(FieldId::Player));
    return PlaceChoices{chosen(lastUsed, ThingField::Country, player.empty() ? kNoPlayer : player),
                        chosen(lastUsed, ThingField::Health, kFullHealth),
                        chosen(lastUsed, ThingField::Direction, kNorth),
                        chosen(lastUsed, ThingField::Order, kGuard),
                        chosen(lastUsed, ThingField::Trigger, kNoTrigger)};
}

bool isPlacedByClick(ThingKind kind)
{
    return isPlacedObject(kind) || kind == ThingKind::Terrain || kind == ThingKind::Smudge
        || kind == ThingKind::Overlay;
}

const MenuTable* typeMenus(ThingKind kind)
{
    switch (kind) {
    case ThingKind::Structure: return &buildingTypeMenus();
    case ThingKind::Unit: return &unitTypeMenus();
    case ThingKind::Ship: return &shipTypeMenus();
    case ThingKind::Infantry: return &infantryTypeMenus();
    case ThingKind::Terrain: return &terrainTypeMenus();
    case ThingKind::Smudge: return &smudgeTypeMenus();
    case ThingKind::Overlay: return &overlayTypeMenus();
    default: return nullptr;
    }
}

MapEdit placedThing(const Scenario& scenario, ThingKind kind, std::string_view type, std::int32_t cell,
                    const PlaceChoices& choices)
{
    if (!isPlacedByClick(kind))
        return refusedEdit("A " + std::string(kindName(kind)) + " is not placed by a click.");
    if (!isMapCell(cell))
        return refusedEdit("Cannot place: " + cellName(cell) + " is off the map.");
    if (std::string refusal = fieldRefusal(ThingField::Type, type); !refusal.empty())
        return refusedEdit("Cannot place: " + refusal);
    const PaneId paneId = paneOfKind(kind);
    const MemoryPane& pane = scenario.pane(paneId);
    int subPosition = 0;
    if (kind == ThingKind::Infantry) {
        const auto free = freeSubPosition(pane, cell);
        if (!free)
            return refusedEdit("Cannot place: " + cellName(cell) + " holds five soldiers already.");
        subPosition = *free;
    } else if (!isPlacedObject(kind)) {
        const std::int32_t cells[] = {cell};
        if (cellHeldTwice(pane, kind, cells))
            return refusedEdit("Cannot place: " + std::string(paneHeader(paneId)) + " holds " + cellName(cell) + " already.");
    }
    AppendedLines lines(pane.lineCount());
    createOne(kind, type, cell, choices, subPosition, lines);
    if (lines.lines.size() != 1)
        return refusedEdit("Cannot place: the values to place with are not all filled.");
    PaneChanges changes;
    changes.append(paneId, std::move(lines.lines.front()));
    return std::move(changes).edit();
}

} // namespace vexa
