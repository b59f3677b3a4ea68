#pragma once

#include "core/map/extent.h"
#include "core/map/placed_things.h"

#include <QPoint>
#include <QRect>

#include <optional>

namespace vexa {

// Where the map stands in a picture: the top left corner of cell 0 and the side of one
// cell, in whole pixels so that cells stay crisp and line up with the grid.
struct MapFrame {
    QPoint origin;
    int cellSize = 1;

    QRect cellRect(CellPlace place) const;
    // The cell under a point of the picture, nothing off the map.
    std::optional<CellPlace> placeAt(QPointF point) const;
    // The whole map, all kMapSide × kMapSide cells.
    QRect mapRect() const;
};

// The frame that shows the cells as large as fits in the picture's rectangle, centred.
MapFrame frameShowing(const CellBox& cells, const QRect& picture);
// The frame that shows the playable area (the whole map without one) as large as fits
// in a picture of the given size, centred.
MapFrame fittingFrame(const MapContents& contents, QSize picture);

// The cells, in columns and rows, that a part of the picture shows.
struct CellRange {
    int firstColumn = 0;
    int lastColumn = -1;
    int firstRow = 0;
    int lastRow = -1;

    bool contains(CellPlace place) const
    {
        return place.column >= firstColumn && place.column <= lastColumn && place.row >= firstRow &&
               place.row <= lastRow;
    }
    int columnCount() const { return lastColumn - firstColumn + 1; }
};

CellRange cellsWithin(const MapFrame& frame, const QRect& visible);

} // namespace vexa
