#pragma once

#include "core/map/placed_things.h"
#include "gui/map/paint/map_frame.h"
#include "gui/map/paint/thing_looks.h"

class QPainter;

namespace vexa {

// Every shown thing within visible in its cell with its kind's shape, kind by kind in
// paint order. Things that look alike are painted a run of cells at a time, as a map
// may hold tens of thousands of them.
void paintThings(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
                 const ShownKinds& shown);

} // namespace vexa
