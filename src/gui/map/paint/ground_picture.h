#pragma once

#include "core/ground/ground.h"

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace vexa {

// Which layers of the ground the map shows: the terrain of [MapPack], the overlay of
// [OverlayPack].
struct GroundLayers {
    bool ground = true;
    bool overlayPack = true;

    bool operator==(const GroundLayers&) const = default;
};

// The layers that are shown and were read from their pack: a pack that is missing or
// could not be read adds nothing to the map.
GroundLayers drawnLayers(const GroundReading& reading, GroundLayers shown);

// A small thing of the overlay pack (a crate), marked in the middle of its cell.
struct GroundMark {
    std::int32_t cell = 0;
    QRgb colour = 0;
};

// The ground as the map's painter draws it, made once for each change of the packs or
// of the shown layers, never while painting.
struct GroundPicture {
    // One pixel per cell, kMapSide × kMapSide: the colour of the cell's ground, or of its
    // ore, gems or wall; transparent where the plain map shows. Null when no cell has a
    // colour of its own.
    QImage cells;
    std::vector<GroundMark> marks;  // in cell order
};

GroundPicture groundPicture(const GroundReading& reading, GroundLayers shown);

// Draws one cell of the picture again after its ground has changed (a brush stroke), as
// groundPicture() would draw it.
void redrawCell(GroundPicture& picture, const GroundReading& reading, GroundLayers shown, std::int32_t cell);

} // namespace vexa
