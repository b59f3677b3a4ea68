#include "gui/tools/ground_picture.h"

#include "core/ground/ground_look.h"

namespace vexa {

namespace {

constexpr QRgb kOpaque = 0xff000000;

} // namespace

GroundLayers drawnLayers(const GroundReading& reading, GroundLayers shown)
{
    return {shown.ground && reading.mapPack == UnpackedPack::Status::Unpacked,
            shown.overlayPack && reading.overlayPack == UnpackedPack::Status::Unpacked};
}

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
            const GroundCell ground = reading.ground.cell(static_cast<std::size_t>(cell));
            QRgb colour = drawn.ground ? kOpaque | groundColour(ground.kind) : 0;
            if (drawn.overlayPack && ground.overlay != kNoOverlay) {
                const OverlayLook look = overlayLook(ground.overlay);
                if (look.shape == OverlayShape::Mark)
                    picture.marks.push_back({cell, kOpaque | look.colour});
                else
                    colour = kOpaque | look.colour;
            }
            line[column] = colour;
            anyColour = anyColour || colour != 0;
        }
    }
    if (anyColour)
        picture.cells = std::move(cells);
    return picture;
}

} // namespace vexa
