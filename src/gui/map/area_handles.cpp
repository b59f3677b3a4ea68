#include "gui/map/area_handles.h"

#include <cmath>
#include <cstdlib>

namespace vexa {

namespace {

// How near the outline, in pixels, the mouse grabs it.
constexpr int kGrabDistance = 4;

} // namespace

QRect areaRect(const MapFrame& frame, const PlayableArea& area)
{
    return frame.cellRect({area.x(), area.y()}).united(
        frame.cellRect({area.x() + area.width() - 1, area.y() + area.height() - 1}));
}

AreaEdges edgesNear(const MapFrame& frame, const PlayableArea& area, QPoint point)
{
    const QRect rect = areaRect(frame, area);
    if (!rect.adjusted(-kGrabDistance, -kGrabDistance, kGrabDistance, kGrabDistance).contains(point))
        return {};
    // Of two edges both near (a small area), the nearer one. QRect's right and bottom are
    // the last pixels inside it; the outline lies just past them.
    const auto nearer = [](int at, int first, int second, bool& firstNear, bool& secondNear) {
        const int toFirst = std::abs(at - first);
        const int toSecond = std::abs(at - second);
        firstNear = toFirst <= kGrabDistance && toFirst <= toSecond;
        secondNear = toSecond <= kGrabDistance && !firstNear;
    };
    AreaEdges edges;
    nearer(point.x(), rect.left(), rect.right() + 1, edges.left, edges.right);
    nearer(point.y(), rect.top(), rect.bottom() + 1, edges.top, edges.bottom);
    return edges;
}

Qt::CursorShape cursorForEdges(AreaEdges edges)
{
    const bool sideways = edges.left || edges.right;
    const bool upDown = edges.top || edges.bottom;
    if (sideways && upDown)
        return (edges.left == edges.top) ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    return sideways ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

CellPlace cellsMoved(const MapFrame& frame, QPoint from, QPoint to)
{
    const QPoint moved = to - from;
    return {static_cast<int>(std::lround(double(moved.x()) / frame.cellSize)),
            static_cast<int>(std::lround(double(moved.y()) / frame.cellSize))};
}

} // namespace vexa
