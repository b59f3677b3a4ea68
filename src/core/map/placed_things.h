#pragma once

#include "core/document/layout.h"
#include "core/map/cells.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

struct Scenario;

// What a line of the map's sections puts on the map, by the pane it stands in.
enum class ThingKind {
    Structure, Unit, Ship, Infantry, Terrain, Smudge, Overlay, Waypoint, CellTrigger, BaseEntry,
};
inline constexpr std::size_t kThingKindCount = 10;
inline constexpr std::size_t index(ThingKind kind) { return static_cast<std::size_t>(kind); }

// The kind's name as the map's legend and status line show it ("Structure").
std::string_view kindName(ThingKind kind);
// The pane whose lines give things of this kind.
PaneId paneOfKind(ThingKind kind);

// One thing placed on the map, read from one line of a pane.
struct PlacedThing {
    ThingKind kind = ThingKind::Structure;
    std::int32_t cell = 0;
    // The type code; for a waypoint its number, for a cell trigger the trigger's name.
    std::string type;
    // Empty where the line names none; a base entry takes the base's "Player=".
    std::string country;
    int subPosition = 0;  // infantry: 0 centre, 1 to 4 the corners
    PaneId pane = PaneId::Structures;
    std::size_t line = 0; // from 0

    bool operator==(const PlacedThing&) const = default;
};

struct MapContents {
    std::vector<PlacedThing> things;
    std::optional<PlayableArea> playable; // when [Map] gives one that lies inside the map
};

// Reads one line of the pane that holds things of this kind; nothing for a line that
// places nothing (a comment, a header such as "Player=", a line whose key or cell is no
// number, a line with too few fields).
// The base country is what base entries take as theirs.
std::optional<PlacedThing> readPlacedThing(ThingKind kind, std::string_view line, std::string_view baseCountry = {});

// Everything a scenario places, pane by pane in kind order, each pane in line order.
MapContents readMapContents(const Scenario& scenario);

} // namespace vexa
