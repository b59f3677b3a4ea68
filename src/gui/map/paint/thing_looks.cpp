#include "gui/map/paint/thing_looks.h"

#include "core/document/countries.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

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

// A structure's outline darkens whatever it lies on to about colour.darker(170), so one
// outline serves the structures of every country.
const QColor kStructureOutline(0, 0, 0, 105);

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

} // namespace

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

void drawStructureOutline(QPainter& painter, int side)
{
    if (side < kSmallestOutlinedShape)
        return;
    painter.setPen(QPen(kStructureOutline, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, 0, side, side).adjusted(0.5, 0.5, -0.5, -0.5));
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

QImage kindSample(ThingKind kind, int side)
{
    return makeStamp(kind, carriesCountry(kind) ? QColor(0x50, 0x50, 0x50) : kindColour(kind), side);
}

} // namespace vexa
