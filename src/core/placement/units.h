#pragma once

#include "core/document/pane.h"
#include "core/placement/outcome.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vexa {

// The texts of the "Create Units" and "Create ships" dialogs as they stand when Create
// runs; the infantry dialog has the same ones and its sub-position boxes. Texts other than
// the positions and the spacing are written exactly as typed.
struct UnitsInput {
    std::string country;
    std::string typeCode;
    std::string health;
    std::string direction;
    std::string order;
    std::string first;
    std::string last;
    std::string spacing;
    std::string trigger;
    std::string comment;
};

using ShipsInput = UnitsInput;

// Up to five soldiers stand in one cell, each on its own sub-position: 0 centre
// (CheckBox1), 1 upper left, 2 upper right, 3 lower left, 4 lower right (CheckBox5).
inline constexpr std::size_t kSubPositionCount = 5;

// The spacing of a spacing text that is no number: the units dialog steps by 1, the
// ships and infantry dialogs refuse it.
inline constexpr std::int32_t kUnitsSpacingFallback = 1;
inline constexpr std::int32_t kShipsSpacingFallback = 0;
inline constexpr std::int32_t kInfantrySpacingFallback = 0;

struct InfantryInput : UnitsInput {
    // Indexed by sub-position; all ticked, as the dialog opens.
    std::array<bool, kSubPositionCount> subPositions = {true, true, true, true, true};
};

// Each Create is refused, with nothing done, when a required text (all but the comment)
// is empty or the spacing is zero or negative. The spacing is read with fallback 1 for
// units (a spacing that is no number steps by 1) and with fallback 0 for ships and
// infantry (a spacing that is no number is refused). A run of more than kMaxRunCells
// cells appends nothing and gives TooManyCells; an overflow of the cell arithmetic stops
// the run, keeping the lines appended so far, and gives Overflow.
//
// Every line is numbered with the pane's line count before it is appended.

// For each cell n of the run, appends to the units pane
//     <count>=country,type,health,n,direction,order,trigger[ ; comment]
Outcome createUnits(const UnitsInput& input, Pane& units);

// As createUnits, into the ships pane, with the spacing's fallback 0.
Outcome createShips(const ShipsInput& input, Pane& ships);

// For each cell n of the run and, within it, each ticked sub-position s from 0 to 4,
// appends to the infantry pane (the order before the direction, unlike units and ships)
//     <count>=country,type,health,n,s,order,direction,trigger[ ; comment]
// With no box ticked the run appends nothing and still gives Done.
Outcome createInfantry(const InfantryInput& input, Pane& infantry);

} // namespace vexa
