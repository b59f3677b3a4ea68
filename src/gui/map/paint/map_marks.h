#pragma once

#include "gui/map/paint/map_frame.h"

#include <QList>
#include <QRect>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QPainter;

namespace vexa {

// What the Map window marks on the map, over the things and below the waypoints' tags.
struct MapMarks {
    // The cells of the selected things, outlined around their shapes.
    std::vector<std::int32_t> selected;
    // A run being dragged: the cells it would place a thing in, and the cell it ends in.
    std::vector<std::int32_t> run;
    std::optional<std::int32_t> runEnd;
};

// The outline around a marked cell lies outside the cell, this many pixels wide, so that
// the thing in the cell keeps its shape.
inline constexpr int kMarkOutlineWidth = 3;

// The pixels that a cell and an outline around it cover: what to paint again when a
// marked cell moves.
QRect outlinedCellExtent(const MapFrame& frame, CellPlace place);

// The cells as rectangles, one for each run of side-by-side cells of a row, moved by the
// given columns and rows; cells off the map are left out.
QList<QRect> cellRuns(const MapFrame& frame, std::span<const std::int32_t> cells, CellPlace by = {0, 0});

// The selection outlined, then the run: its cells veiled, its end cell ringed.
void paintMarks(QPainter& painter, const MapFrame& frame, const MapMarks& marks);

} // namespace vexa
