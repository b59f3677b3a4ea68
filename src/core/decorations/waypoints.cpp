#include "core/decorations/waypoints.h"

#include "core/placement/placement_lines.h"

namespace vexa {

Outcome addWaypoint(const WaypointInput& input, Pane& waypoints)
{
    if (input.cell.empty())
        return Outcome::Refused;
    appendNumberedLine(waypoints, input.cell, input.comment);
    return Outcome::Done;
}

} // namespace vexa
