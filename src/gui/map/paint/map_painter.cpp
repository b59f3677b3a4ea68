#include "gui/map/paint/map_painter.h"

#include "gui/map/paint/ground_painting.h"
#include "gui/map/paint/thing_painting.h"

#include <QPainter>

namespace vexa {

void paintMap(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
              const ShownKinds& shown, std::optional<std::int32_t> revealed, const GroundPicture& ground,
              const MapMarks& marks)
{
    painter.save();
    painter.setClipRect(visible);
    // Cells stay crisp squares when a picture of one pixel per cell is scaled up.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    paintGround(painter, ground, frame, visible);
    paintThings(painter, contents, frame, visible, shown);
    paintPlayableArea(painter, contents, frame);
    paintMarks(painter, frame, marks);
    if (shown[index(ThingKind::Waypoint)])
        paintWaypointNumbers(painter, contents, frame, visible, revealed);
    painter.restore();
}

} // namespace vexa
