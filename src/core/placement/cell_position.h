#pragma once

#include "core/map/cells.h"
#include "core/placement/outcome.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vexa {

// cell = offset + right + 128 × down, computed as offset + right, then 128 × down, then
// their sum, each step checked. No value on overflow. No range applies otherwise: cells
// off the map and negative cells are numbers like any other.
std::optional<std::int32_t> cellAt(std::int32_t offset, std::int32_t right, std::int32_t down);

// The position calculator's "&Ok" on its three texts ("Offset:", "Cells to the right:",
// "Cells down:"): Refused when any text is empty, otherwise each is read with fallback 0;
// Done with the cell, or Overflow.
struct CellCalculation {
    Outcome outcome = Outcome::Refused;
    std::int32_t cell = 0; // meaningful only when outcome is Done
};
CellCalculation calculateCell(std::string_view offset, std::string_view right, std::string_view down);

} // namespace vexa
