#include "gui/map/paint/ground_painting.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace vexa {

namespace {

constexpr QRgb kMapGround = 0xfff2efe6;
constexpr QRgb kOutsideShade = 0x70606060;
constexpr QRgb kGridLine = 0xffd8d3c4;
constexpr QRgb kPlayableOutline = 0xff202020;

// Grid lines only where cells are large enough to carry them.
constexpr int kSmallestGridCell = 4;

// One row of cells of the plain map, the grid line along each cell's top and left: an
// opaque picture that is copied onto the map row after row.
QImage plainRow(int cellCount, int cellSize, bool withGrid)
{
    QImage row(cellCount * cellSize, cellSize, QImage::Format_RGB32);
    row.fill(QColor::fromRgba(kMapGround));
    if (withGrid) {
        std::fill_n(reinterpret_cast<QRgb*>(row.scanLine(0)), row.width(), kGridLine);
        for (int y = 1; y < cellSize; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(row.scanLine(y));
            for (int x = 0; x < row.width(); x += cellSize)
                line[x] = kGridLine;
        }
    }
    return row;
}

// The plain map and its grid as copies of one row of cells (a grid of single-pixel lines
// would be thousands of tiny spans), then the grid's closing lines at the right and the
// bottom.
void paintPlainGrid(QPainter& painter, const MapFrame& frame, const QRect& visible)
{
    const QRect map = frame.mapRect();
    const QRect shown = map & visible;
    if (shown.isEmpty())
        return;
    const int size = frame.cellSize;
    const bool withGrid = size >= kSmallestGridCell;
    const int firstColumn = (shown.left() - map.left()) / size;
    const int lastColumn = (shown.right() - map.left()) / size;
    const QImage row = plainRow(lastColumn - firstColumn + 1, size, withGrid);
    for (int top = map.top() + (shown.top() - map.top()) / size * size; top <= shown.bottom(); top += size)
        painter.drawImage(QPoint(map.left() + firstColumn * size, top), row);
    if (!withGrid)
        return;
    const QColor grid = QColor::fromRgba(kGridLine);
    painter.fillRect(QRect(map.right() + 1, map.top(), 1, map.height() + 1) & visible, grid);
    painter.fillRect(QRect(map.left(), map.bottom() + 1, map.width() + 1, 1) & visible, grid);
}

// The colour of a cell of the ground's picture and of its grid line: a transparent
// pixel is the plain map; elsewhere the grid is the cell's colour a shade darker (7/8 of
// each channel), so that it shows on any ground.
QRgb groundCellColour(QRgb pixel)
{
    return qAlpha(pixel) != 0 ? pixel : kMapGround;
}

QRgb groundGridColour(QRgb pixel)
{
    if (qAlpha(pixel) == 0)
        return kGridLine;
    const QRgb colour = pixel & 0xffffff;
    return 0xff000000 | (colour - ((colour >> 3) & 0x1f1f1f));
}

// One row of cells of the ground, each in its colour with its grid line along its top and
// left (and the grid's closing line at the map's right edge): written straight into the
// row's pixels, since a rectangle per cell would be thousands of small fills.
void fillGroundRow(QImage& row, const QRgb* cells, const CellRange& range, int cellSize, bool withGrid)
{
    QRgb* top = reinterpret_cast<QRgb*>(row.scanLine(0));
    QRgb* inside = reinterpret_cast<QRgb*>(row.scanLine(withGrid ? 1 : 0));
    for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
        QRgb* cell = inside + (column - range.firstColumn) * cellSize;
        std::fill_n(cell, cellSize, groundCellColour(cells[column]));
        if (withGrid) {
            cell[0] = groundGridColour(cells[column]);
            std::fill_n(top + (column - range.firstColumn) * cellSize, cellSize, cell[0]);
        }
    }
    if (row.width() > range.columnCount() * cellSize)
        top[row.width() - 1] = inside[row.width() - 1] = groundGridColour(cells[range.lastColumn]);
    const auto lineBytes = static_cast<std::size_t>(row.width()) * sizeof(QRgb);
    for (int y = withGrid ? 2 : 1; y < cellSize; ++y)
        std::memcpy(row.scanLine(y), inside, lineBytes);
}

// The ground's picture, one pixel per cell, drawn cell row by cell row at the frame's cell
// size with its grid, and the grid's closing line below the map's last row.
void paintGroundCells(QPainter& painter, const QImage& cells, const MapFrame& frame, const QRect& visible)
{
    const CellRange range = cellsWithin(frame, visible);
    if (range.columnCount() <= 0)
        return;
    const int size = frame.cellSize;
    const bool withGrid = size >= kSmallestGridCell;
    const bool closesRight = withGrid && range.lastColumn == kMapSide - 1;
    QImage row(range.columnCount() * size + (closesRight ? 1 : 0), size, QImage::Format_RGB32);
    const QPoint corner = frame.origin + QPoint(range.firstColumn, range.firstRow) * size;
    for (int cellRow = range.firstRow; cellRow <= range.lastRow; ++cellRow) {
        fillGroundRow(row, reinterpret_cast<const QRgb*>(cells.constScanLine(cellRow)), range, size, withGrid);
        const QPoint at = corner + QPoint(0, (cellRow - range.firstRow) * size);
        painter.drawImage(at, row);
        if (withGrid && cellRow == kMapSide - 1)
            painter.drawImage(at + QPoint(0, size), row, QRect(0, 0, row.width(), 1));
    }
}

// Crates and the other small things of the overlay pack: a square in the middle of the cell.
void paintGroundMarks(QPainter& painter, const std::vector<GroundMark>& marks, const MapFrame& frame,
                      const QRect& visible)
{
    const CellRange range = cellsWithin(frame, visible);
    const int side = std::max(1, frame.cellSize * 2 / 5);
    const QPoint inset = QPoint(1, 1) * ((frame.cellSize - side + 1) / 2);
    for (const GroundMark& mark : marks) {
        const std::optional<CellPlace> place = placeOfCell(mark.cell);
        if (place && range.contains(*place)) {
            const QRect square(frame.cellRect(*place).topLeft() + inset, QSize(side, side));
            painter.fillRect(square, QColor::fromRgb(mark.colour));
        }
    }
}

} // namespace

void paintGround(QPainter& painter, const GroundPicture& ground, const MapFrame& frame, const QRect& visible)
{
    if (ground.cells.isNull())
        paintPlainGrid(painter, frame, visible);
    else
        paintGroundCells(painter, ground.cells, frame, visible);
    paintGroundMarks(painter, ground.marks, frame, visible);
}

void paintPlayableArea(QPainter& painter, const MapContents& contents, const MapFrame& frame)
{
    if (!contents.playable)
        return;
    const PlayableArea& area = *contents.playable;
    const QRect map = frame.mapRect();
    const QRect playable(frame.origin + QPoint(area.x(), area.y()) * frame.cellSize,
                         QSize(area.width(), area.height()) * frame.cellSize);
    const QColor shade = QColor::fromRgba(kOutsideShade);
    painter.fillRect(QRect(map.topLeft(), QPoint(map.right(), playable.top() - 1)), shade);
    painter.fillRect(QRect(QPoint(map.left(), playable.bottom() + 1), map.bottomRight()), shade);
    painter.fillRect(QRect(QPoint(map.left(), playable.top()), QPoint(playable.left() - 1, playable.bottom())), shade);
    painter.fillRect(QRect(QPoint(playable.right() + 1, playable.top()), QPoint(map.right(), playable.bottom())), shade);
    painter.setPen(QPen(QColor::fromRgba(kPlayableOutline), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(playable);
}

} // namespace vexa
