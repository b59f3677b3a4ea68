#pragma once

#include "core/document/pane.h"
#include "core/placement/outcome.h"

#include <string>

namespace vexa {

// The texts of the "Create waypoints" dialog when "&Done" is pressed.
struct WaypointInput {
    std::string cell;    // written as typed, not read as a number
    std::string comment; // optional
};

// Appends "W=cell[ ; comment]" to the waypoint pane, W being the pane's line count before
// appending (comment and blank lines count too). Refused, with nothing done, when the
// cell is empty; otherwise Done, and the form empties both fields.
Outcome addWaypoint(const WaypointInput& input, Pane& waypoints);

} // namespace vexa
