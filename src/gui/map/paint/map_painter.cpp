#include "gui/map/paint/map_painter.h"

#include "core/document/countries.h"
#include "core/document/windows1252.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QRawFont>

#include <algorithm>
#include <bit>
#include <bitset>
#include <cmath>
#include <cstring>

namespace vexa {

namespace {

// Twenty colours told apart on the light map: the countries in list order.
constexpr std::array<QRgb, kCountryCount> kCountryColours = {
    0xffd4a017, // Spain: gold
    0xff1f5fd6, // Greece: blue
    0xffd21f1f, // USSR: red
    0xff2e9e3a, // England: green
    0xffef7d10, // Ukraine: orange
    0xff6b6b6b, // Germany: grey
    0xff3bb5c9, // France: light blue
    0xff8b4513, // Turkey: brown
    0xff1c3f94, // GoodGuy: dark blue
    0xff8e1010, // BadGuy: dark red
    0xff9a9a9a, // Neutral: light grey
    0xffc04ec0, // Special: violet
    0xffe8c400, // Multi1: yellow
    0xff2f6ee8, // Multi2: blue
    0xffe03a2f, // Multi3: red
    0xff3cae3c, // Multi4: green
    0xfff08a1c, // Multi5: orange
    0xff7f7f7f, // Multi6: grey
    0xff18a5a0, // Multi7: teal
    0xff9c5a2c, // Multi8: brown
};
constexpr QRgb kUnknownCountry = 0xff202020;

constexpr QRgb kMapGround = 0xfff2efe6;
constexpr QRgb kOutsideShade = 0x70606060;
constexpr QRgb kGridLine = 0xffd8d3c4;
constexpr QRgb kPlayableOutline = 0xff202020;

// The order in which kinds are painted: ground things first, then what stands on them,
// waypoints on top so their numbers stay readable.
constexpr std::array<ThingKind, kThingKindCount> kLayers = {
    ThingKind::Smudge,    ThingKind::Overlay,     ThingKind::Terrain, ThingKind::BaseEntry, ThingKind::Structure,
    ThingKind::CellTrigger, ThingKind::Ship,      ThingKind::Unit,    ThingKind::Infantry,  ThingKind::Waypoint,
};

// Grid lines, outlines and waypoint numbers only where cells are large enough to carry them.
constexpr int kSmallestGridCell = 4;
constexpr int kSmallestOutlinedShape = 6;
constexpr int kSmallestNumberedCell = 8;

// A structure's outline darkens whatever it lies on to about colour.darker(170), so one
// outline serves the structures of every country.
const QColor kStructureOutline(0, 0, 0, 105);

bool carriesCountry(ThingKind kind)
{
    switch (kind) {
    case ThingKind::Structure:
    case ThingKind::Unit:
    case ThingKind::Ship:
    case ThingKind::Infantry:
    case ThingKind::BaseEntry:
        return true;
    default:
        return false;
    }
}

QColor colourOf(ThingKind kind, std::string_view country)
{
    return carriesCountry(kind) ? countryColour(country) : kindColour(kind);
}

int infantrySide(int cellSize)
{
    return std::max(1, cellSize / 2);
}

// The top left corner of an infantry stamp within its cell: the centre or a corner.
QPoint subPositionOffset(int subPosition, int cellSize)
{
    const int side = infantrySide(cellSize);
    const int far = cellSize - side;
    switch (subPosition) {
    case 1: return {0, 0};
    case 2: return {far, 0};
    case 3: return {0, far};
    case 4: return {far, far};
    default: return {far / 2, far / 2};
    }
}

QPolygonF scaled(std::initializer_list<QPointF> unitPoints, double side)
{
    QPolygonF polygon;
    for (const QPointF& point : unitPoints)
        polygon << point * side;
    return polygon;
}

void drawStructureOutline(QPainter& painter, int side)
{
    if (side < kSmallestOutlinedShape)
        return;
    painter.setPen(QPen(kStructureOutline, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, 0, side, side).adjusted(0.5, 0.5, -0.5, -0.5));
}

// Draws one kind's shape filling a square of the given side.
void drawShape(QPainter& painter, ThingKind kind, const QColor& colour, int side)
{
    const QRectF box(0, 0, side, side);
    const QColor edge = colour.darker(170);
    painter.setPen(side >= kSmallestOutlinedShape ? QPen(edge, 1) : Qt::NoPen);
    painter.setBrush(colour);
    switch (kind) {
    case ThingKind::Structure:
        painter.fillRect(box, colour);
        drawStructureOutline(painter, side);
        break;
    case ThingKind::BaseEntry:
        painter.setPen(QPen(colour, std::max(1.0, side / 8.0)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(side / 8.0, side / 8.0, -side / 8.0, -side / 8.0));
        break;
    case ThingKind::Unit:
        painter.drawPolygon(scaled({{0.5, 0.05}, {0.95, 0.5}, {0.5, 0.95}, {0.05, 0.5}}, side));
        break;
    case ThingKind::Ship:
        painter.drawPolygon(scaled({{0.05, 0.3}, {0.95, 0.3}, {0.75, 0.8}, {0.25, 0.8}}, side));
        break;
    case ThingKind::Infantry:
    case ThingKind::Smudge:
        painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    case ThingKind::Terrain:
        painter.drawPolygon(scaled({{0.5, 0.05}, {0.95, 0.9}, {0.05, 0.9}}, side));
        break;
    case ThingKind::Overlay:
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(side * 0.2, side * 0.2, side * 0.6, side * 0.6));
        break;
    case ThingKind::CellTrigger:
        painter.setPen(QPen(colour, std::max(1.0, side / 6.0), Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(1, 1, -1, -1));
        break;
    case ThingKind::Waypoint:
        // A ring, so that what stands in the cell shows through.
        painter.setPen(QPen(colour, std::max(1.0, side / 7.0)));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(box.adjusted(side / 8.0, side / 8.0, -side / 8.0, -side / 8.0));
        break;
    }
}

QImage makeStamp(ThingKind kind, const QColor& colour, int side)
{
    QImage stamp(side, side, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    painter.setRenderHint(QPainter::Antialiasing, side >= kSmallestOutlinedShape);
    drawShape(painter, kind, colour, side);
    return stamp;
}

QRect mapRect(const MapFrame& frame)
{
    return QRect(frame.origin, QSize(kMapSide, kMapSide) * frame.cellSize);
}

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
    const QRect map = mapRect(frame);
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

// The cells outside the playable rectangle are shaded, the rectangle outlined.
void paintPlayableArea(QPainter& painter, const MapContents& contents, const MapFrame& frame)
{
    if (!contents.playable)
        return;
    const PlayableArea& area = *contents.playable;
    const QRect map = mapRect(frame);
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

CellRange cellsWithin(const MapFrame& frame, const QRect& visible)
{
    const auto clampedCell = [&](int pixel, int origin) {
        return std::clamp(static_cast<int>(std::floor(double(pixel - origin) / frame.cellSize)), 0, kMapSide - 1);
    };
    const QRect map = mapRect(frame) & visible;
    if (map.isEmpty())
        return {};
    return {clampedCell(map.left(), frame.origin.x()), clampedCell(map.right(), frame.origin.x()),
            clampedCell(map.top(), frame.origin.y()), clampedCell(map.bottom(), frame.origin.y())};
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

// The first layer: the ground with the grid, or the plain map where no picture of the
// ground is given.
void paintGround(QPainter& painter, const GroundPicture& ground, const MapFrame& frame, const QRect& visible)
{
    if (ground.cells.isNull())
        paintPlainGrid(painter, frame, visible);
    else
        paintGroundCells(painter, ground.cells, frame, visible);
    paintGroundMarks(painter, ground.marks, frame, visible);
}

// Which cells of the map hold something: one bit per cell, two 64-bit words per row. Its
// runs of side-by-side cells let a whole run be painted with one call.
class CellSet {
public:
    void insert(CellPlace place)
    {
        words_[wordOf(place.row, place.column)] |= std::uint64_t{1} << (place.column % 64);
    }

    CellSet& operator|=(const CellSet& other)
    {
        for (std::size_t i = 0; i < words_.size(); ++i)
            words_[i] |= other.words_[i];
        return *this;
    }

    // Calls visit(row, firstColumn, count) for each run of side-by-side cells, row by row.
    template <typename Visit> void forEachRun(Visit&& visit) const
    {
        for (int row = 0; row < kMapSide; ++row) {
            for (int column = nextColumn(row, 0, true); column < kMapSide;) {
                const int end = nextColumn(row, column, false);
                visit(row, column, end - column);
                column = nextColumn(row, end, true);
            }
        }
    }

private:
    static constexpr int kWordsPerRow = kMapSide / 64;

    static std::size_t wordOf(int row, int column) { return static_cast<std::size_t>(row * kWordsPerRow + column / 64); }

    // The first column from the given one whose cell is held (or not); kMapSide if none.
    int nextColumn(int row, int from, bool held) const
    {
        for (int column = from; column < kMapSide; column = (column / 64 + 1) * 64) {
            std::uint64_t bits = words_[wordOf(row, column)];
            if (!held)
                bits = ~bits;
            bits &= ~std::uint64_t{0} << (column % 64);
            if (bits != 0)
                return (column / 64) * 64 + std::countr_zero(bits);
        }
        return kMapSide;
    }

    std::array<std::uint64_t, kMapCellCount / 64> words_{};
};

// The things of one kind that look alike: of one country where the kind has countries
// and, for infantry, in one place of the cell.
struct ThingGroup {
    std::string_view country;
    int subPosition = 0;
    CellSet cells;
};

using GroupsByKind = std::array<std::vector<ThingGroup>, kThingKindCount>;

// Groups are told apart by the country's name, not its colour: a few names compare
// faster than each thing's colour is looked up.
CellSet& cellsOfGroup(std::vector<ThingGroup>& groups, std::string_view country, int subPosition)
{
    for (ThingGroup& group : groups) {
        if (group.country == country && group.subPosition == subPosition)
            return group.cells;
    }
    return groups.emplace_back(ThingGroup{country, subPosition, {}}).cells;
}

// The shown things within the cells, sorted into groups that are painted alike. The
// groups refer to the countries' names in the contents.
GroupsByKind groupThings(const MapContents& contents, const CellRange& cells, const ShownKinds& shown)
{
    GroupsByKind groups;
    for (const PlacedThing& thing : contents.things) {
        if (!shown[index(thing.kind)])
            continue;
        const auto place = placeOfCell(thing.cell);
        if (!place || !cells.contains(*place))
            continue;
        const std::string_view country = carriesCountry(thing.kind) ? std::string_view(thing.country) : "";
        const int subPosition = thing.kind == ThingKind::Infantry ? thing.subPosition : 0;
        cellsOfGroup(groups[index(thing.kind)], country, subPosition).insert(*place);
    }
    return groups;
}

// One cell with a group's shape where it stands in the cell.
QImage cellTile(ThingKind kind, const QColor& colour, int subPosition, int cellSize)
{
    QImage tile(cellSize, cellSize, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    const QImage stamp = makeStamp(kind, colour,
                                   kind == ThingKind::Infantry ? infantrySide(cellSize) : cellSize);
    QPainter painter(&tile);
    painter.drawImage(kind == ThingKind::Infantry ? subPositionOffset(subPosition, cellSize) : QPoint(), stamp);
    return tile;
}

// The tile repeated along a row, long enough for the longest run of the picture.
QImage strip(const QImage& tile, int count)
{
    QImage strip(tile.width() * count, tile.height(), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (int i = 0; i < count; ++i)
        painter.drawImage(i * tile.width(), 0, tile);
    return strip;
}

// Each run of cells copies as much of the strip as it needs, in one call.
void paintRuns(QPainter& painter, const CellSet& cells, const QImage& strip, const MapFrame& frame)
{
    cells.forEachRun([&](int row, int column, int count) {
        painter.drawImage(frame.cellRect({column, row}).topLeft(), strip,
                          QRect(0, 0, count * frame.cellSize, frame.cellSize));
    });
}

// Structures are plain squares: their colours go into a picture of one pixel per cell,
// which one call scales up onto the map; then one outline strip darkens the edges of
// every structure alike.
void paintStructures(QPainter& painter, const std::vector<ThingGroup>& groups, const MapFrame& frame,
                     const CellRange& cells)
{
    if (groups.empty())
        return;
    QImage colours(kMapSide, kMapSide, QImage::Format_ARGB32_Premultiplied);
    colours.fill(Qt::transparent);
    CellSet all;
    for (const ThingGroup& group : groups) {
        const QRgb colour = colourOf(ThingKind::Structure, group.country).rgba();
        group.cells.forEachRun([&](int row, int column, int count) {
            QRgb* first = reinterpret_cast<QRgb*>(colours.scanLine(row)) + column;
            std::fill(first, first + count, colour);
        });
        all |= group.cells;
    }
    painter.drawImage(mapRect(frame), colours);
    if (frame.cellSize < kSmallestOutlinedShape)
        return;
    QImage outline(frame.cellSize, frame.cellSize, QImage::Format_ARGB32_Premultiplied);
    outline.fill(Qt::transparent);
    QPainter outlinePainter(&outline);
    outlinePainter.setRenderHint(QPainter::Antialiasing);
    drawStructureOutline(outlinePainter, frame.cellSize);
    outlinePainter.end();
    paintRuns(painter, all, strip(outline, cells.columnCount()), frame);
}

void paintThings(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
                 const ShownKinds& shown)
{
    const CellRange cells = cellsWithin(frame, visible);
    if (cells.columnCount() <= 0)
        return;
    const GroupsByKind groups = groupThings(contents, cells, shown);
    for (const ThingKind kind : kLayers) {
        if (kind == ThingKind::Structure) {
            paintStructures(painter, groups[index(kind)], frame, cells);
            continue;
        }
        for (const ThingGroup& group : groups[index(kind)]) {
            const QImage tile = cellTile(kind, colourOf(kind, group.country), group.subPosition, frame.cellSize);
            paintRuns(painter, group.cells, strip(tile, cells.columnCount()), frame);
        }
    }
}

// The numbers of all waypoints in one glyph run: each digit's glyph is looked up once per
// paint, so no number is shaped on its own. A number with other characters than digits
// (a waypoint key typed by hand) is drawn as text.
class NumberRun {
public:
    explicit NumberRun(const QFont& font)
        : font_(QRawFont::fromFont(font))
        , digits_(font_.glyphIndexesForString(QStringLiteral("0123456789")))
        , advances_(font_.advancesForGlyphIndexes(digits_))
    {
    }

    // The width the number takes, for placing and centring its tag.
    qreal width(std::string_view number, const QFontMetrics& metrics) const
    {
        if (!isDigits(number))
            return metrics.horizontalAdvance(text(number));
        qreal width = 0;
        for (const char c : number)
            width += advances_[c - '0'].x();
        return width;
    }

    void add(QPointF baseline, std::string_view number)
    {
        if (!isDigits(number)) {
            texts_.emplace_back(baseline, text(number));
            return;
        }
        for (const char c : number) {
            glyphs_ << digits_[c - '0'];
            positions_ << baseline;
            baseline.rx() += advances_[c - '0'].x();
        }
    }

    void paint(QPainter& painter) const
    {
        if (!glyphs_.isEmpty()) {
            QGlyphRun run;
            run.setRawFont(font_);
            run.setGlyphIndexes(glyphs_);
            run.setPositions(positions_);
            painter.drawGlyphRun(QPointF(0, 0), run);
        }
        for (const auto& [baseline, text] : texts_)
            painter.drawText(baseline, text);
    }

    static QString text(std::string_view number) { return QString::fromStdString(utf8FromWindows1252(number)); }

private:
    bool isDigits(std::string_view number) const
    {
        return digits_.size() == 10 && !number.empty() &&
               std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    QRawFont font_;
    QList<quint32> digits_;
    QList<QPointF> advances_;
    QList<quint32> glyphs_;
    QList<QPointF> positions_;
    std::vector<std::pair<QPointF, QString>> texts_;
};

// The numbers of the waypoints are bold, in a size that suits the cells.
QFont numberFont(int cellSize)
{
    QFont font;
    font.setPixelSize(std::clamp(cellSize * 3 / 4, 9, 16));
    font.setBold(true);
    return font;
}

// Which parts of the map the tags may not cover: the cells of the waypoints, one bit
// each, and the tags placed so far, kept in bins of a few cells so that a tag is tried
// against its neighbours only.
class TagSpace {
public:
    explicit TagSpace(const MapFrame& frame)
        : frame_(frame)
        , binSide_(frame.cellSize * kCellsPerBin)
        , firstOfBin_(kBinsPerSide * kBinsPerSide, kNone)
    {
    }

    bool isFree(const QRect& rect) const { return !coversWaypoint(rect) && !coversTag(rect); }

    void takeCell(CellPlace place) { waypointCells_.set(static_cast<std::size_t>(*cellAt(place))); }

    void takeTag(const QRect& rect)
    {
        tags_.push_back(rect);
        forEachBin(rect, [&](std::size_t bin) {
            links_.push_back({static_cast<int>(tags_.size() - 1), firstOfBin_[bin]});
            firstOfBin_[bin] = static_cast<int>(links_.size() - 1);
        });
    }

private:
    static constexpr int kCellsPerBin = 4;
    static constexpr int kBinsPerSide = kMapSide / kCellsPerBin;
    static constexpr int kNone = -1;

    // The cell of a pixel counted from the map's corner, as a column or row; the edge's for
    // a pixel beyond the map, where no waypoint stands.
    int cellOf(int pixel) const { return std::clamp(pixel, 0, kMapSide * frame_.cellSize - 1) / frame_.cellSize; }

    bool coversWaypoint(const QRect& rect) const
    {
        const QRect local = rect.translated(-frame_.origin);
        const QRect map(0, 0, kMapSide * frame_.cellSize, kMapSide * frame_.cellSize);
        if (!local.intersects(map))
            return false;
        for (int row = cellOf(local.top()); row <= cellOf(local.bottom()); ++row) {
            for (int column = cellOf(local.left()); column <= cellOf(local.right()); ++column) {
                if (waypointCells_.test(static_cast<std::size_t>(column + kMapSide * row)))
                    return true;
            }
        }
        return false;
    }

    bool coversTag(const QRect& rect) const
    {
        bool covers = false;
        forEachBin(rect, [&](std::size_t bin) {
            for (int link = firstOfBin_[bin]; !covers && link != kNone; link = links_[link].next)
                covers = tags_[links_[link].tag].intersects(rect);
        });
        return covers;
    }

    // The bin of a pixel, counted from the map's corner; a rectangle that reaches beyond
    // the map goes into the bins at its edge, which is all the filter needs.
    int binOf(int pixel) const { return std::clamp(pixel, 0, kBinsPerSide * binSide_ - 1) / binSide_; }

    template <typename Visit> void forEachBin(const QRect& rect, Visit&& visit) const
    {
        const QRect local = rect.translated(-frame_.origin);
        for (int row = binOf(local.top()); row <= binOf(local.bottom()); ++row) {
            for (int column = binOf(local.left()); column <= binOf(local.right()); ++column)
                visit(static_cast<std::size_t>(row * kBinsPerSide + column));
        }
    }

    // Each bin is a chain of links through the tags that reach into it.
    struct Link {
        int tag;
        int next;
    };

    MapFrame frame_;
    int binSide_;
    std::bitset<kMapCellCount> waypointCells_;
    std::vector<QRect> tags_;
    std::vector<Link> links_;
    std::vector<int> firstOfBin_;
};

// The places a tag of the given size may take beside its cell, the most natural first:
// above and below the cell, centred; right and left of it; then the four corners.
std::array<QRect, 8> tagPlaces(const QRect& cell, QSize tag)
{
    const int centredX = cell.left() + (cell.width() - tag.width()) / 2;
    const int centredY = cell.top() + (cell.height() - tag.height()) / 2;
    const int aboveY = cell.top() - tag.height();
    const int belowY = cell.bottom() + 1;
    const int rightX = cell.right() + 1;
    const int leftX = cell.left() - tag.width();
    return {QRect(QPoint(centredX, aboveY), tag), QRect(QPoint(centredX, belowY), tag),
            QRect(QPoint(rightX, centredY), tag),  QRect(QPoint(leftX, centredY), tag),
            QRect(QPoint(rightX, aboveY), tag),    QRect(QPoint(leftX, aboveY), tag),
            QRect(QPoint(rightX, belowY), tag),    QRect(QPoint(leftX, belowY), tag)};
}

// A tag's size: its number with a little room on either side, a line of the font high.
QSize tagSize(std::string_view number, const NumberRun& numbers, const QFontMetrics& metrics)
{
    return QSize(static_cast<int>(std::ceil(numbers.width(number, metrics))) + 6, metrics.height());
}

// A waypoint's tag while it is placed and painted: its number as the scenario has it.
struct PlacedTag {
    std::int32_t cell = 0;
    std::string_view number;
    QRect rect;
    bool shown = false;
};

// Each waypoint's tag, in the order the waypoints are listed, takes its first place that
// is free; a tag without a free place is left out. The text widths come from the
// number run that will draw them.
std::vector<PlacedTag> placeTags(const MapContents& contents, const MapFrame& frame, const NumberRun& numbers,
                                 const QFontMetrics& metrics)
{
    TagSpace space(frame);
    std::vector<PlacedTag> tags;
    for (const PlacedThing& thing : contents.things) {
        if (thing.kind != ThingKind::Waypoint)
            continue;
        if (const auto place = placeOfCell(thing.cell)) {
            space.takeCell(*place);
            tags.push_back({thing.cell, thing.type, {}, false});
        }
    }
    for (PlacedTag& tag : tags) {
        const std::array<QRect, 8> places =
            tagPlaces(frame.cellRect(*placeOfCell(tag.cell)), tagSize(tag.number, numbers, metrics));
        const auto free = std::find_if(places.begin(), places.end(), [&](const QRect& place) { return space.isFree(place); });
        tag.shown = free != places.end();
        tag.rect = tag.shown ? *free : places.front();
        if (tag.shown)
            space.takeTag(tag.rect);
    }
    return tags;
}

// Tags filled and outlined in one call each, their numbers drawn in one glyph run.
void paintTags(QPainter& painter, const std::vector<const PlacedTag*>& tags, NumberRun& numbers,
               const QFontMetrics& metrics)
{
    QVector<QRect> fills;
    QVector<QRect> outlines;
    fills.reserve(static_cast<qsizetype>(tags.size()));
    outlines.reserve(static_cast<qsizetype>(tags.size()));
    for (const PlacedTag* tag : tags) {
        fills << tag->rect;
        outlines << tag->rect.adjusted(0, 0, -1, -1);
        const qreal textWidth = numbers.width(tag->number, metrics);
        numbers.add(QPointF(tag->rect.left() + (tag->rect.width() - textWidth) / 2, tag->rect.top() + metrics.ascent()),
                    tag->number);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRects(fills);
    painter.setPen(QColor(0x10, 0x10, 0x10));
    painter.setBrush(Qt::NoBrush);
    painter.drawRects(outlines);
    numbers.paint(painter);
}

// The waypoints' numbers on white tags beside their cells, leaving the cells to what
// stands there. A tag that found no free place shows while its cell is revealed, on top
// of everything else.
void paintWaypointNumbers(QPainter& painter, const MapContents& contents, const MapFrame& frame,
                          const QRect& visible, std::optional<std::int32_t> revealed)
{
    if (frame.cellSize < kSmallestNumberedCell)
        return;
    const QFont font = numberFont(frame.cellSize);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    NumberRun numbers(font);
    const std::vector<PlacedTag> tags = placeTags(contents, frame, numbers, metrics);
    std::vector<const PlacedTag*> shown;
    std::vector<const PlacedTag*> shownOnTop;
    for (const PlacedTag& tag : tags) {
        if (tag.shown && tag.rect.intersects(visible))
            shown.push_back(&tag);
        else if (!tag.shown && tag.cell == revealed && tag.rect.intersects(visible))
            shownOnTop.push_back(&tag);
    }
    paintTags(painter, shown, numbers, metrics);
    if (!shownOnTop.empty()) {
        NumberRun onTop(font);
        paintTags(painter, shownOnTop, onTop, metrics);
    }
}

} // namespace

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

QColor kindColour(ThingKind kind)
{
    switch (kind) {
    case ThingKind::Terrain: return QColor(0x1e, 0x6b, 0x2a);
    case ThingKind::Smudge: return QColor(0x4a, 0x3a, 0x30);
    case ThingKind::Overlay: return QColor(0xc9, 0xa2, 0x27);
    case ThingKind::CellTrigger: return QColor(0xd0, 0x10, 0x90);
    case ThingKind::Waypoint: return QColor(0x10, 0x10, 0x10);
    default: return QColor::fromRgba(kUnknownCountry);
    }
}

int paintOrder(ThingKind kind)
{
    return static_cast<int>(std::find(kLayers.begin(), kLayers.end(), kind) - kLayers.begin());
}

QColor countryColour(std::string_view country)
{
    if (const auto found = countryIndex(country))
        return QColor::fromRgba(kCountryColours[*found]);
    return QColor::fromRgba(kUnknownCountry);
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

std::vector<WaypointTag> placeWaypointTags(const MapContents& contents, const MapFrame& frame)
{
    if (frame.cellSize < kSmallestNumberedCell)
        return {};
    const QFont font = numberFont(frame.cellSize);
    std::vector<WaypointTag> tags;
    for (const PlacedTag& tag : placeTags(contents, frame, NumberRun(font), QFontMetrics(font)))
        tags.push_back({tag.cell, NumberRun::text(tag.number), tag.rect, tag.shown});
    return tags;
}

QRect revealedTagRect(const MapFrame& frame, const PlacedThing& waypoint)
{
    const auto place = placeOfCell(waypoint.cell);
    if (frame.cellSize < kSmallestNumberedCell || !place)
        return {};
    const QFont font = numberFont(frame.cellSize);
    const QSize size = tagSize(waypoint.type, NumberRun(font), QFontMetrics(font));
    return tagPlaces(frame.cellRect(*place), size).front();
}

void paintMap(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
              const ShownKinds& shown, std::optional<std::int32_t> revealed, const GroundPicture& ground)
{
    painter.save();
    painter.setClipRect(visible);
    // Cells stay crisp squares when a picture of one pixel per cell is scaled up.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    paintGround(painter, ground, frame, visible);
    paintThings(painter, contents, frame, visible, shown);
    paintPlayableArea(painter, contents, frame);
    if (shown[index(ThingKind::Waypoint)])
        paintWaypointNumbers(painter, contents, frame, visible, revealed);
    painter.restore();
}

} // namespace vexa

namespace vexa {

QImage kindSample(ThingKind kind, int side)
{
    return makeStamp(kind, carriesCountry(kind) ? QColor(0x50, 0x50, 0x50) : kindColour(kind), side);
}

} // namespace vexa
