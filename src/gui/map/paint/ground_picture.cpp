#include "gui/map/paint/ground_picture.h"

#include "core/ground/ground_look.h"

#include <algorithm>
#include <optional>

namespace vexa {

namespace {

constexpr QRgb kOpaque = 0xff000000;

} // namespace

GroundLayers drawnLayers(const GroundReading& reading, GroundLayers shown)
{
    return {shown.ground && reading.mapPack == UnpackedPack::Status::Unpacked,
            shown.overlayPack && reading.overlayPack == UnpackedPack::Status::Unpacked};
}

namespace {

// How one cell shows: its colour in the picture (transparent where the plain map shows),
// and the colour of its mark for the small things of the overlay pack.
struct CellLook {
    QRgb colour = 0;
    std::optional<QRgb> mark;
};

CellLook cellLook(const GroundCell& ground, GroundLayers drawn, Theater theater)
{
    CellLook look{drawn.ground ? kOpaque | groundColour(ground, theater) : 0, std::nullopt};
    if (drawn.overlayPack && ground.overlay != kNoOverlay) {
        const OverlayLook overlay = overlayLook(ground.overlay);
        if (overlay.shape == OverlayShape::Mark)
            look.mark = kOpaque | overlay.colour;
        else
            look.colour = kOpaque | overlay.colour;
    }
    return look;
}

QImage emptyCells()
{
    QImage cells(kMapSide, kMapSide, QImage::Format_ARGB32);
    cells.fill(Qt::transparent);
    return cells;
}

} // namespace

GroundPicture groundPicture(const GroundReading& reading, GroundLayers shown)
{
    const GroundLayers drawn = drawnLayers(reading, shown);
    GroundPicture picture;
    if (!drawn.ground && !drawn.overlayPack)
        return picture;
    QImage cells(kMapSide, kMapSide, QImage::Format_ARGB32);
    bool anyColour = false;
    for (int row = 0; row < kMapSide; ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(cells.scanLine(row));
        for (int column = 0; column < kMapSide; ++column) {
            const std::int32_t cell = column + kMapSide * row;
            const CellLook look = cellLook(reading.ground.cell(static_cast<std::size_t>(cell)), drawn, reading.theater);
            if (look.mark)
                picture.marks.push_back({cell, *look.mark});
            line[column] = look.colour;
            anyColour = anyColour || look.colour != 0;
        }
    }
    if (anyColour)
        picture.cells = std::move(cells);
    return picture;
}

void redrawCell(GroundPicture& picture, const GroundReading& reading, GroundLayers shown, std::int32_t cell)
{
    const auto place = placeOfCell(cell);
    if (!place)
        return;
    const CellLook look =
        cellLook(reading.ground.cell(static_cast<std::size_t>(cell)), drawnLayers(reading, shown), reading.theater);
    if (picture.cells.isNull() && look.colour != 0)
        picture.cells = emptyCells();
    if (!picture.cells.isNull())
        picture.cells.setPixel(place->column, place->row, look.colour);
    // The marks stay in cell order.
    auto& marks = picture.marks;
    auto at = std::lower_bound(marks.begin(), marks.end(), cell,
                               [](const GroundMark& mark, std::int32_t c) { return mark.cell < c; });
    if (at != marks.end() && at->cell == cell)
        at = marks.erase(at);
    if (look.mark)
        marks.insert(at, {cell, *look.mark});
}

} // namespace vexa
