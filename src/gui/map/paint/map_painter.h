#pragma once

#include "core/map/extent.h"
#include "core/map/placed_things.h"
#include "gui/map/paint/ground_picture.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace vexa {

// Which kinds of thing a picture shows.
using ShownKinds = std::array<bool, kThingKindCount>;
inline constexpr ShownKinds kAllKinds = {true, true, true, true, true, true, true, true, true, true};

// Where the map stands in a picture: the top left corner of cell 0 and the side of one
// cell, in whole pixels so that cells stay crisp and line up with the grid.
struct MapFrame {
    QPoint origin;
    int cellSize = 1;

    QRect cellRect(CellPlace place) const;
    // The cell under a point of the picture, nothing off the map.
    std::optional<CellPlace> placeAt(QPointF point) const;
};

// Where a kind is painted among the others: a kind of a greater number is painted over
// those of a smaller one.
int paintOrder(ThingKind kind);

// The colour of the things of a kind that have no country.
QColor kindColour(ThingKind kind);

// The frame that shows the cells as large as fits in the picture's rectangle, centred.
MapFrame frameShowing(const CellBox& cells, const QRect& picture);
// The frame that shows the playable area (the whole map without one) as large as fits
// in a picture of the given size, centred.
MapFrame fittingFrame(const MapContents& contents, QSize picture);

// Paints the map into the painter's device, layer by layer: the ground (the plain map
// without a picture of it) with the grid, every shown thing in its cell with its kind's
// shape, the area outside the playable rectangle shaded, waypoints with their number
// where the cells are large enough to read it. Only what lies within visible is painted.
// The numbers of the revealed cell show even where they found no room (the map window
// reveals the cell under the mouse).
void paintMap(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
              const ShownKinds& shown = kAllKinds, std::optional<std::int32_t> revealed = std::nullopt,
              const GroundPicture& ground = GroundPicture());

// A waypoint's number on its tag beside the waypoint's cell.
struct WaypointTag {
    std::int32_t cell = 0;
    QString number;
    QRect rect;          // where the tag stands, or would stand when it is left out
    bool shown = false;  // false: no free place was left, the tag shows only when revealed
};

// Where the waypoints' numbers go at the frame's cell size, so that no tag covers another
// tag or a waypoint's cell: each waypoint in list order takes the first free place of
// above, below, right, left and the four corners; a tag without one is left out.
// Nothing where the cells are too small to carry numbers. The painter places them so.
std::vector<WaypointTag> placeWaypointTags(const MapContents& contents, const MapFrame& frame);

// Where a waypoint's tag shows when its cell is revealed and its number found no room
// beside it; empty where the cells are too small to carry numbers.
QRect revealedTagRect(const MapFrame& frame, const PlacedThing& waypoint);

} // namespace vexa

namespace vexa {

// A kind's shape on its own, for the legend.
QImage kindSample(ThingKind kind, int side);

} // namespace vexa

namespace vexa {

// The colour that things of a country are drawn in.
QColor countryColour(std::string_view country);

} // namespace vexa
