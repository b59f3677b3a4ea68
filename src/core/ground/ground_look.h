#pragma once

#include "core/ground/ground.h"
#include "core/ground/terrain_templates.h"

#include <cstdint>
#include <string>

namespace vexa {

// How the map draws the ground. Colours are 0xRRGGBB; how an overlay looks is told by
// the overlay table (core/ground/overlays.h).

// A colour per kind of ground: water blue, rock dark, clear land a calm olive green,
// unknown ground a neutral grey.
std::uint32_t groundColour(GroundKind kind);

// The colour of a cell's ground in a theater. Indoors the clear ground of a template is
// a light floor and a bare cell dark empty space, so that rooms and corridors show;
// everything else, and every cell outdoors, has its kind's colour.
std::uint32_t groundColour(const GroundCell& cell, Theater theater);

// What the map tells of a cell's ground: "water; GOLD02", "clear", "overlay 77" for a
// number that names no overlay. The terrain is told only when `terrain`, the overlay only
// when `overlay` and the cell has one; empty when nothing is told.
std::string describeGround(const GroundCell& cell, bool terrain, bool overlay);

} // namespace vexa
