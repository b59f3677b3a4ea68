#pragma once

#include "core/document/pane_change.h"
#include "core/map/placed_things.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vexa {

struct Scenario;

// What the map's editing makes of the document: a change of each pane it touches, or
// the reason it refuses (nothing is changed then).
struct MapEdit {
    std::vector<PaneChange> changes;  // at most one per pane, in pane order
    std::string refusal;              // empty unless refused

    bool refused() const { return !refusal.empty(); }
};

// An edit that changes nothing, for the reason given.
inline MapEdit refusedEdit(std::string reason)
{
    return MapEdit{{}, std::move(reason)};
}

// The edits that give a thing's line another cell and keep every other byte: the cell
// field of structures, units, ships, infantry and base entries; the key of terrain,
// overlay and cell triggers; the value of a waypoint; both the key and the cell field of
// a smudge. Nothing when the line places no thing of the kind.
std::vector<LineEdit> cellEdits(ThingKind kind, std::size_t paneLine, std::string_view line, std::int32_t cell);

// Moves every thing the same number of columns and rows. Refused when a thing would leave
// the map, when a cell-keyed section (terrain, smudge, overlay, cell triggers) would hold
// one key twice afterwards, or when a thing's line no longer places it where it stood.
// A thing given twice moves once; the refusal names the first thing in pane and line
// order. A move by no column and no row changes nothing.
MapEdit movedThings(const Scenario& scenario, std::span<const PlacedThing> things, int columns, int rows);

// Takes out the lines of the things. Sections keyed by line number are renumbered as the
// check's "Renumber this section" does; base entries leave the base recounted as "Recount
// the base" does. Refused when a thing's line no longer places it.
MapEdit deletedThings(const Scenario& scenario, std::span<const PlacedThing> things);

} // namespace vexa
