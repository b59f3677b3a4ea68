#pragma once

#include "core/map/cells.h"
#include "core/map/placed_things.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vexa {

// How many cells a thing covers on the map, its line's cell the top-left one. For drawing
// only: which covered cells block movement is not known, and the game's own scenarios
// overlap these rectangles on purpose.
struct Footprint {
    int width = 1;
    int height = 1;
    bool operator==(const Footprint&) const = default;
};

// The widest and the highest footprint of the table: a thing covering a cell stands at
// most this many columns left of it and rows above it, less one.
Footprint largestFootprint();

// The footprint of a structure or terrain object of data/footprints.tsv, whatever the
// case of its code; one cell for a code not listed and for every other kind.
Footprint footprintOf(ThingKind kind, std::string_view type);

// Whether the thing's rectangle, from its cell, covers the place. The rectangle ends at
// the map's edge: it never wraps onto the next row.
bool covers(const PlacedThing& thing, CellPlace place);

// The cells of the map the thing's rectangle covers, row by row.
std::vector<std::int32_t> coveredCells(const PlacedThing& thing);

} // namespace vexa
