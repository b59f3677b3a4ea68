#pragma once

#include "core/map/placed_things.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

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

// The colour of a thing: its country's for those that have one, the kind's otherwise.
QColor thingColour(const PlacedThing& thing);
QColor kindColour(ThingKind kind);

// The frame that shows the playable area (the whole map without one) as large as fits
// in a picture of the given size, centred.
MapFrame fittingFrame(const MapContents& contents, QSize picture);

// Paints the map into the painter's device: the grid, the area outside the playable
// rectangle shaded, every shown thing in its cell with its kind's shape, waypoints with
// their number where the cells are large enough to read it. Only what lies within
// visible is painted.
void paintMap(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
              const ShownKinds& shown = kAllKinds);

} // namespace vexa

namespace vexa {

// A kind's shape on its own, for the legend.
QImage kindSample(ThingKind kind, int side);

} // namespace vexa

namespace vexa {

// The colour that things of a country are drawn in.
QColor countryColour(std::string_view country);

} // namespace vexa
