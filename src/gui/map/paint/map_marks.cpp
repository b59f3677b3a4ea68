#include "gui/map/paint/map_marks.h"

#include <QPainter>

#include <algorithm>
#include <iterator>

namespace vexa {

namespace {

// A light line next to the cell and a dark band outside it, so that an outline shows on
// any ground: the band on light ground, the line on dark.
const QColor kOutlineLight(255, 255, 255);
const QColor kSelectionBand(0, 0, 0);
const QColor kRunEndBand(230, 90, 20);
const QColor kRunVeil(255, 255, 255, 150);
const QColor kRunEdge(0, 0, 0);

// The rectangle whose edge a cosmetic pen draws on the edge of the given pixels.
QRect strokeOf(const QRect& pixels)
{
    return pixels.adjusted(0, 0, -1, -1);
}

// Rings around each rectangle from the inside out: the light line, then the band. Drawn
// with cosmetic pens in a few calls, as a selection may hold thousands of runs.
void outline(QPainter& painter, const QList<QRect>& rects, const QColor& band)
{
    QList<QRect> light;
    QList<QRect> dark;
    light.reserve(rects.size());
    dark.reserve(rects.size() * (kMarkOutlineWidth - 1));
    for (const QRect& rect : rects) {
        light.push_back(strokeOf(rect.adjusted(-1, -1, 1, 1)));
        for (int ring = 2; ring <= kMarkOutlineWidth; ++ring)
            dark.push_back(strokeOf(rect.adjusted(-ring, -ring, ring, ring)));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kOutlineLight, 0));
    painter.drawRects(light);
    painter.setPen(QPen(band, 0));
    painter.drawRects(dark);
}

// The cells that get a thing are veiled within their edges, the end cell is ringed
// outside it: one look for what the run places, another for where the mouse is.
void paintRun(QPainter& painter, const MapFrame& frame, const MapMarks& marks)
{
    QList<QRect> cells;
    for (const std::int32_t cell : marks.run) {
        if (const auto place = placeOfCell(cell))
            cells.push_back(strokeOf(frame.cellRect(*place)));
    }
    painter.setPen(QPen(kRunEdge, 0));
    painter.setBrush(kRunVeil);
    painter.drawRects(cells);
    if (const auto end = marks.runEnd ? placeOfCell(*marks.runEnd) : std::nullopt)
        outline(painter, {frame.cellRect(*end)}, kRunEndBand);
}

} // namespace

QRect outlinedCellExtent(const MapFrame& frame, CellPlace place)
{
    return frame.cellRect(place).adjusted(-kMarkOutlineWidth, -kMarkOutlineWidth, kMarkOutlineWidth, kMarkOutlineWidth);
}

QList<QRect> cellRuns(const MapFrame& frame, std::span<const std::int32_t> cells, CellPlace by)
{
    std::vector<std::int32_t> sorted;
    sorted.reserve(cells.size());
    std::copy_if(cells.begin(), cells.end(), std::back_inserter(sorted), isMapCell);
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QList<QRect> runs;
    for (std::size_t first = 0; first < sorted.size();) {
        std::size_t last = first;
        while (last + 1 < sorted.size() && sorted[last + 1] == sorted[last] + 1 && sorted[last + 1] % kMapSide != 0)
            ++last;
        const CellPlace start = *placeOfCell(sorted[first]);
        const CellPlace end = *placeOfCell(sorted[last]);
        runs.push_back(frame.cellRect({start.column + by.column, start.row + by.row})
                           .united(frame.cellRect({end.column + by.column, end.row + by.row})));
        first = last + 1;
    }
    return runs;
}

void paintMarks(QPainter& painter, const MapFrame& frame, const MapMarks& marks)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    outline(painter, cellRuns(frame, marks.selected), kSelectionBand);
    paintRun(painter, frame, marks);
    painter.restore();
}

} // namespace vexa
