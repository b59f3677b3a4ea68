#pragma once

#include "core/map/cells.h"
#include "core/map/placed_things.h"

#include <string_view>
#include <vector>

namespace vexa {

// A rectangle of whole cells of the map: columns firstColumn to lastColumn, rows
// firstRow to lastRow.
struct CellBox {
    int firstColumn = 0;
    int firstRow = 0;
    int lastColumn = kMapSide - 1;
    int lastRow = kMapSide - 1;

    int columnCount() const { return lastColumn - firstColumn + 1; }
    int rowCount() const { return lastRow - firstRow + 1; }
    bool operator==(const CellBox&) const = default;
};

// The margin, in cells, that a picture of a whole scenario leaves around what it shows,
// so that the playable area's border and things on the edge stay whole.
inline constexpr int kPictureMargin = 2;

// The cells a picture of a whole scenario shows: the playable area and every thing
// placed on the map, also those outside the area, with the margin around them, within
// the map. The whole map when there is neither.
CellBox cellsToShow(const MapContents& contents, int margin = kPictureMargin);

// The kinds of the things, in kind order.
std::vector<ThingKind> kindsIn(const MapContents& contents);

// The countries the things name, in the order they first appear.
std::vector<std::string_view> countriesIn(const MapContents& contents);

} // namespace vexa
