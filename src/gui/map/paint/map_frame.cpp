#include "gui/map/paint/map_frame.h"

#include <algorithm>
#include <cmath>

namespace vexa {

QRect MapFrame::cellRect(CellPlace place) const
{
    return QRect(origin + QPoint(place.column, place.row) * cellSize, QSize(cellSize, cellSize));
}

std::optional<CellPlace> MapFrame::placeAt(QPointF point) const
{
    const QPointF offset = (point - QPointF(origin)) / cellSize;
    const int column = static_cast<int>(std::floor(offset.x()));
    const int row = static_cast<int>(std::floor(offset.y()));
    if (column < 0 || row < 0 || column >= kMapSide || row >= kMapSide)
        return std::nullopt;
    return CellPlace{column, row};
}

QRect MapFrame::mapRect() const
{
    return QRect(origin, QSize(kMapSide, kMapSide) * cellSize);
}

MapFrame frameShowing(const CellBox& cells, const QRect& picture)
{
    const int cellSize =
        std::max(1, std::min(picture.width() / cells.columnCount(), picture.height() / cells.rowCount()));
    const QSize shown = QSize(cells.columnCount(), cells.rowCount()) * cellSize;
    const QPoint shownCorner = picture.topLeft() + QPoint(picture.width() - shown.width(), picture.height() - shown.height()) / 2;
    return MapFrame{shownCorner - QPoint(cells.firstColumn, cells.firstRow) * cellSize, cellSize};
}

MapFrame fittingFrame(const MapContents& contents, QSize picture)
{
    CellBox shown;
    if (const auto& area = contents.playable)
        shown = CellBox{area->x(), area->y(), area->x() + area->width() - 1, area->y() + area->height() - 1};
    return frameShowing(shown, QRect(QPoint(0, 0), picture));
}

CellRange cellsWithin(const MapFrame& frame, const QRect& visible)
{
    const auto clampedCell = [&](int pixel, int origin) {
        return std::clamp(static_cast<int>(std::floor(double(pixel - origin) / frame.cellSize)), 0, kMapSide - 1);
    };
    const QRect map = frame.mapRect() & visible;
    if (map.isEmpty())
        return {};
    return {clampedCell(map.left(), frame.origin.x()), clampedCell(map.right(), frame.origin.x()),
            clampedCell(map.top(), frame.origin.y()), clampedCell(map.bottom(), frame.origin.y())};
}

} // namespace vexa
