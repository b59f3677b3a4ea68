#pragma once

#include "core/map/placed_things.h"

#include <QColor>
#include <QImage>
#include <QPoint>

#include <array>
#include <string_view>

class QPainter;

namespace vexa {

// How each kind of thing looks on the map and in the legend: its colour, its shape and
// its place among the layers.

// Which kinds of thing a picture shows.
using ShownKinds = std::array<bool, kThingKindCount>;
inline constexpr ShownKinds kAllKinds = {true, true, true, true, true, true, true, true, true, true};

// The order in which kinds are painted: ground things first, then what stands on them,
// waypoints on top so their numbers stay readable.
inline constexpr std::array<ThingKind, kThingKindCount> kLayers = {
    ThingKind::Smudge,    ThingKind::Overlay,     ThingKind::Terrain, ThingKind::BaseEntry, ThingKind::Structure,
    ThingKind::CellTrigger, ThingKind::Ship,      ThingKind::Unit,    ThingKind::Infantry,  ThingKind::Waypoint,
};

// Where a kind is painted among the others: a kind of a greater number is painted over
// those of a smaller one.
int paintOrder(ThingKind kind);

// Shapes get a darker edge only where they are large enough to show it.
inline constexpr int kSmallestOutlinedShape = 6;

// The colour that things of a country are drawn in.
QColor countryColour(std::string_view country);
// The colour of the things of a kind that have no country.
QColor kindColour(ThingKind kind);
// Whether the things of a kind are drawn in their country's colour.
bool carriesCountry(ThingKind kind);
// The colour a thing of the kind and country is drawn in.
QColor colourOf(ThingKind kind, std::string_view country);

// The side of an infantry stamp: soldiers share a cell, each in a quarter of it or its
// centre.
int infantrySide(int cellSize);
// The top left corner of an infantry stamp within its cell: the centre or a corner.
QPoint subPositionOffset(int subPosition, int cellSize);

// One kind's shape in the colour, filling a transparent square of the given side.
QImage makeStamp(ThingKind kind, const QColor& colour, int side);
// The edge a structure's square gets, the same for every country.
void drawStructureOutline(QPainter& painter, int side);

// A kind's shape on its own, for the legend.
QImage kindSample(ThingKind kind, int side);

} // namespace vexa
