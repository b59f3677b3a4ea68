#include "core/map/area_drag.h"

#include <algorithm>

namespace vexa {

PlayableArea draggedArea(const PlayableArea& area, AreaEdges edges, int columns, int rows)
{
    int left = area.x();
    int top = area.y();
    int right = area.x() + area.width() - 1;
    int bottom = area.y() + area.height() - 1;
    if (edges.left)
        left = std::clamp(left + columns, 0, right);
    if (edges.right)
        right = std::clamp(right + columns, left, kMapSide - 1);
    if (edges.top)
        top = std::clamp(top + rows, 0, bottom);
    if (edges.bottom)
        bottom = std::clamp(bottom + rows, top, kMapSide - 1);
    return *PlayableArea::inside(left, top, right - left + 1, bottom - top + 1);
}

std::vector<std::pair<FieldId, int>> areaFieldChanges(const PlayableArea& before, const PlayableArea& after)
{
    std::vector<std::pair<FieldId, int>> changes;
    const auto compare = [&](FieldId field, int was, int is) {
        if (was != is)
            changes.emplace_back(field, is);
    };
    compare(FieldId::X, before.x(), after.x());
    compare(FieldId::Y, before.y(), after.y());
    compare(FieldId::Width, before.width(), after.width());
    compare(FieldId::Height, before.height(), after.height());
    return changes;
}

} // namespace vexa
