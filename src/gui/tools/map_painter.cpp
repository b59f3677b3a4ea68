#include "gui/tools/map_painter.h"

#include "core/document/countries.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <unordered_map>

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

// Grid lines and waypoint numbers only where cells are large enough to carry them.
constexpr int kSmallestGridCell = 4;
constexpr int kSmallestNumberedCell = 8;

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

// Draws one kind's shape filling a square of the given side.
void drawShape(QPainter& painter, ThingKind kind, const QColor& colour, int side)
{
    const QRectF box(0, 0, side, side);
    const QColor edge = colour.darker(170);
    painter.setPen(side >= 6 ? QPen(edge, 1) : Qt::NoPen);
    painter.setBrush(colour);
    switch (kind) {
    case ThingKind::Structure:
        painter.fillRect(box, colour);
        if (side >= 6) {
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
        }
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
    painter.setRenderHint(QPainter::Antialiasing, side >= 6);
    drawShape(painter, kind, colour, side);
    return stamp;
}

// Each kind and colour is drawn once per paint, then copied into every cell that shows
// it: copying a small image costs about what filling a rectangle does.
class StampCache {
public:
    explicit StampCache(int cellSize) : cellSize_(cellSize) {}

    const QImage& stamp(ThingKind kind, QRgb colour)
    {
        const std::uint64_t key = (std::uint64_t(index(kind)) << 32) | colour;
        if (key == lastKey_ && last_)
            return *last_;
        auto found = stamps_.find(key);
        if (found == stamps_.end()) {
            const int side = kind == ThingKind::Infantry ? infantrySide(cellSize_) : cellSize_;
            found = stamps_.emplace(key, makeStamp(kind, QColor::fromRgba(colour), side)).first;
        }
        lastKey_ = key;
        last_ = &found->second;
        return *last_;
    }

private:
    int cellSize_;
    std::unordered_map<std::uint64_t, QImage> stamps_;
    std::uint64_t lastKey_ = 0;
    const QImage* last_ = nullptr;
};

QRect mapRect(const MapFrame& frame)
{
    return QRect(frame.origin, QSize(kMapSide, kMapSide) * frame.cellSize);
}

void paintGround(QPainter& painter, const MapFrame& frame, const QRect& visible)
{
    const QRect map = mapRect(frame);
    painter.fillRect(map & visible, QColor::fromRgba(kMapGround));
    if (frame.cellSize < kSmallestGridCell)
        return;
    QVector<QLine> lines;
    lines.reserve(2 * (kMapSide + 1));
    for (int i = 0; i <= kMapSide; ++i) {
        const int at = i * frame.cellSize;
        lines << QLine(map.left() + at, map.top(), map.left() + at, map.top() + map.height())
              << QLine(map.left(), map.top() + at, map.left() + map.width(), map.top() + at);
    }
    painter.setPen(QPen(QColor::fromRgba(kGridLine), 0));
    painter.drawLines(lines);
}

// The cells outside the playable rectangle are shaded, the rectangle outlined.
void paintPlayableArea(QPainter& painter, const MapContents& contents, const MapFrame& frame)
{
    if (!contents.playable)
        return;
    const PlayableArea& area = *contents.playable;
    const QRect map = mapRect(frame);
    const QRect playable = QRect(frame.origin + QPoint(area.x, area.y) * frame.cellSize,
                                 QSize(std::max(0, area.width), std::max(0, area.height)) * frame.cellSize) &
                           map;
    const QColor shade = QColor::fromRgba(kOutsideShade);
    if (playable.isEmpty()) {
        painter.fillRect(map, shade);
        return;
    }
    painter.fillRect(QRect(map.topLeft(), QPoint(map.right(), playable.top() - 1)), shade);
    painter.fillRect(QRect(QPoint(map.left(), playable.bottom() + 1), map.bottomRight()), shade);
    painter.fillRect(QRect(QPoint(map.left(), playable.top()), QPoint(playable.left() - 1, playable.bottom())), shade);
    painter.fillRect(QRect(QPoint(playable.right() + 1, playable.top()), QPoint(map.right(), playable.bottom())), shade);
    painter.setPen(QPen(QColor::fromRgba(kPlayableOutline), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(playable);
}

void paintThings(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
                 const ShownKinds& shown)
{
    StampCache stamps(frame.cellSize);
    const QRect cells = visible.translated(-frame.origin).adjusted(-frame.cellSize, -frame.cellSize, 0, 0);
    for (const ThingKind kind : kLayers) {
        if (!shown[index(kind)])
            continue;
        for (const PlacedThing& thing : contents.things) {
            if (thing.kind != kind)
                continue;
            const auto place = placeOfCell(thing.cell);
            if (!place)
                continue;
            QPoint corner(place->column * frame.cellSize, place->row * frame.cellSize);
            if (!cells.contains(corner))
                continue;
            if (kind == ThingKind::Infantry)
                corner += subPositionOffset(thing.subPosition, frame.cellSize);
            painter.drawImage(frame.origin + corner, stamps.stamp(kind, thingColour(thing).rgba()));
        }
    }
}

// A waypoint's number on a white tag just above its cell, leaving the cell itself to
// what stands there.
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
        const int width = metrics.horizontalAdvance(number) + 6;
        const QRect tag(cell.center().x() - width / 2 + 1, cell.top() - metrics.height() + 1, width,
                        metrics.height());
        painter.fillRect(tag, QColor(255, 255, 255, 230));
        painter.setPen(QColor(0x10, 0x10, 0x10));
        painter.drawRect(tag.adjusted(0, 0, -1, -1));
        painter.drawText(tag, Qt::AlignCenter, number);
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

QColor thingColour(const PlacedThing& thing)
{
    return carriesCountry(thing.kind) ? countryColour(thing.country) : kindColour(thing.kind);
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
        const QRect playable = QRect(area.x, area.y, area.width, area.height) & shown;
        if (!playable.isEmpty())
            shown = playable;
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
