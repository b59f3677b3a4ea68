#pragma once

#include "core/document/layout.h"
#include "core/map/cells.h"

#include <utility>
#include <vector>

namespace vexa {

// The edges of the playable area that a drag on the map moves: one edge, or two that meet
// at a corner.
struct AreaEdges {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;

    bool any() const { return left || top || right || bottom; }
    bool operator==(const AreaEdges&) const = default;
};

// The area with its dragged edges moved by the columns and rows; the other edges stay
// where they are. An edge stops at the map's edge and at the opposite edge, so the area
// stays inside the map and at least one cell wide and high.
PlayableArea draggedArea(const PlayableArea& area, AreaEdges edges, int columns, int rows);

// The [Map] fields that tell the area apart from the one before, with their new values,
// in the order X, Y, Width, Height: dragging the right edge changes only Width, the left
// one X and Width.
std::vector<std::pair<FieldId, int>> areaFieldChanges(const PlayableArea& before, const PlayableArea& after);

} // namespace vexa
