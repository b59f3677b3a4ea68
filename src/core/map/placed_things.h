#pragma once

#include "core/document/body_line.h"
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

// A placed thing as its line gives it, the texts in place: what PlacedThing holds but its
// kind and place. A waypoint's type is its key as written.
struct ThingFields {
    std::int32_t cell = 0;
    std::string_view type;
    std::string_view country;
    int subPosition = 0;
};

// How one line of a map pane reads, the same for the check, the map, `info` and the
// map's edits.
//
// The key of a structure, unit, ship or soldier line is only a name: the game reads these
// sections line by line. The key of a terrain, smudge, overlay or cell trigger line is
// its cell, that of a waypoint its number. A base entry is any line of [Base] but its
// Player= and Count=.
struct ThingLine {
    // What gives the line's cell: the key of a cell-keyed line, else the field that holds
    // it. Nothing when the value does not reach that field, or the line gives no cell.
    std::optional<LinePart> cell;
    // The trigger the line names, when it reaches that field; a cell trigger's whole
    // value is the trigger's name.
    std::optional<std::string_view> trigger;
    // What the line places: something when the cell is a whole number and the line holds
    // every field up to the cell. Fields after it may be missing: a soldier without a
    // sub-position, or with one that is no number, stands in the centre of its cell.
    std::optional<ThingFields> thing;
};

// Structures, units, ships and soldiers: the things with a country, a type and a cell in
// their value.
bool isPlacedObject(ThingKind kind);

// The kind of thing the lines of a pane place, or nothing for a pane that places none.
std::optional<ThingKind> kindInPane(PaneId pane);

// Reads a line of the pane that holds things of this kind. The base country is what base
// entries take as theirs.
ThingLine readThingLine(ThingKind kind, const BodyLine& body, const Fields& fields, std::string_view baseCountry = {});

// What one line of the pane that holds things of this kind places, as readThingLine reads it.
std::optional<PlacedThing> readPlacedThing(ThingKind kind, std::string_view line, std::string_view baseCountry = {});
// The same, of a line its reader has taken apart already.
std::optional<PlacedThing> readPlacedThing(ThingKind kind, const BodyLine& body, const Fields& fields,
                                           std::string_view baseCountry = {});

// Everything a scenario places, pane by pane in kind order, each pane in line order.
MapContents readMapContents(const Scenario& scenario);

} // namespace vexa
