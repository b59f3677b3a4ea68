#include "gui/tools/map_painter.h"

#include "core/document/countries.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QRawFont>

#include <algorithm>
#include <bit>
#include <cmath>

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

// One row of cells of ground, the grid line along each cell's top and left: an opaque
// picture that is copied onto the map row after row.
QImage groundRow(int cellCount, int cellSize, bool withGrid)
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

// The ground and its grid as copies of one row of cells (a grid of single-pixel lines
// would be thousands of tiny spans), then the grid's closing lines at the right and the
// bottom.
void paintGround(QPainter& painter, const MapFrame& frame, const QRect& visible)
{
    const QRect map = mapRect(frame);
    const QRect shown = map & visible;
    if (shown.isEmpty())
        return;
    const int size = frame.cellSize;
    const bool withGrid = size >= kSmallestGridCell;
    const int firstColumn = (shown.left() - map.left()) / size;
    const int lastColumn = (shown.right() - map.left()) / size;
    const QImage row = groundRow(lastColumn - firstColumn + 1, size, withGrid);
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

    // The width the number takes, for centring it on its tag.
    qreal width(const QString& number, const QFontMetrics& metrics) const
    {
        if (!isDigits(number))
            return metrics.horizontalAdvance(number);
        qreal width = 0;
        for (const QChar c : number)
            width += advances_[c.digitValue()].x();
        return width;
    }

    void add(QPointF baseline, const QString& number)
    {
        if (!isDigits(number)) {
            texts_.emplace_back(baseline, number);
            return;
        }
        for (const QChar c : number) {
            glyphs_ << digits_[c.digitValue()];
            positions_ << baseline;
            baseline.rx() += advances_[c.digitValue()].x();
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

private:
    bool isDigits(const QString& number) const
    {
        return digits_.size() == 10 && !number.isEmpty() &&
               std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    }

    QRawFont font_;
    QList<quint32> digits_;
    QList<QPointF> advances_;
    QList<quint32> glyphs_;
    QList<QPointF> positions_;
    std::vector<std::pair<QPointF, QString>> texts_;
};

// A waypoint's number on a white tag just above its cell, leaving the cell itself to
// what stands there. The tags are filled and outlined all in one call each, the numbers
// drawn in one glyph run.
void paintWaypointNumbers(QPainter& painter, const MapContents& contents, const MapFrame& frame,
                          const QRect& visible)
{
    if (frame.cellSize < kSmallestNumberedCell)
        return;
    QFont font = painter.font();
    font.setPixelSize(std::clamp(frame.cellSize * 3 / 4, 9, 16));
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    NumberRun numbers(font);
    QVector<QRect> tags;
    QVector<QRect> outlines;
    for (const PlacedThing& thing : contents.things) {
        if (thing.kind != ThingKind::Waypoint)
            continue;
        const auto place = placeOfCell(thing.cell);
        if (!place)
            continue;
        const QRect cell = frame.cellRect(*place);
        if (!cell.adjusted(-metrics.height() * 2, -metrics.height(), metrics.height() * 2, 0).intersects(visible))
            continue;
        const QString number = QString::fromStdString(thing.type);
        const qreal textWidth = numbers.width(number, metrics);
        const int width = static_cast<int>(std::ceil(textWidth)) + 6;
        const QRect tag(cell.center().x() - width / 2 + 1, cell.top() - metrics.height() + 1, width,
                        metrics.height());
        tags << tag;
        outlines << tag.adjusted(0, 0, -1, -1);
        numbers.add(QPointF(tag.left() + (width - textWidth) / 2, tag.top() + metrics.ascent()), number);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRects(tags);
    painter.setPen(QColor(0x10, 0x10, 0x10));
    painter.setBrush(Qt::NoBrush);
    painter.drawRects(outlines);
    numbers.paint(painter);
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

QColor thingColour(const PlacedThing& thing)
{
    return colourOf(thing.kind, thing.country);
}

QColor countryColour(std::string_view country)
{
    if (const auto found = countryIndex(country))
        return QColor::fromRgba(kCountryColours[*found]);
    return QColor::fromRgba(kUnknownCountry);
}

MapFrame fittingFrame(const MapContents& contents, QSize picture)
{
    QRect shown(0, 0, kMapSide, kMapSide);
    if (contents.playable) {
        const PlayableArea& area = *contents.playable;
        shown = QRect(area.x(), area.y(), area.width(), area.height());
    }
    const int cellSize =
        std::max(1, std::min(picture.width() / shown.width(), picture.height() / shown.height()));
    const QPoint centre(picture.width() / 2, picture.height() / 2);
    const QPoint shownCentre = (shown.topLeft() * cellSize) + QPoint(shown.width(), shown.height()) * cellSize / 2;
    return MapFrame{centre - shownCentre, cellSize};
}

void paintMap(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
              const ShownKinds& shown)
{
    painter.save();
    painter.setClipRect(visible);
    // Cells stay crisp squares when a picture of one pixel per cell is scaled up.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    paintGround(painter, frame, visible);
    paintThings(painter, contents, frame, visible, shown);
    paintPlayableArea(painter, contents, frame);
    if (shown[index(ThingKind::Waypoint)])
        paintWaypointNumbers(painter, contents, frame, visible);
    painter.restore();
}

} // namespace vexa

namespace vexa {

QImage kindSample(ThingKind kind, int side)
{
    return makeStamp(kind, carriesCountry(kind) ? QColor(0x50, 0x50, 0x50) : kindColour(kind), side);
}

} // namespace vexa
