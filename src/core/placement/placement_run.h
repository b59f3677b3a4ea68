#pragma once

#include "core/placement/integers.h"
#include "core/placement/outcome.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace vexa {

// A run of cells: first, first + spacing, first + 2 × spacing ... as long as the cell is
// not greater than last. Last belongs to the run only when the steps land on it.
struct PlacementRun {
    std::int32_t first = 0;
    std::int32_t last = 0;
    std::int32_t spacing = 1;
};

// Every placing dialog refuses a spacing of zero; a negative one is refused too, since
// the run would walk away from the last position until the arithmetic overflows.
constexpr bool spacingAccepted(std::int32_t spacing)
{
    return spacing > 0;
}

// No map has more than 128 × 128 cells, so a longer run can only be a typing mistake, and
// walking it would take the editor's memory with it.
inline constexpr std::int64_t kMaxRunCells = 128 * 128;

// How many cells a run places: none when first is greater than last.
std::int64_t runLength(const PlacementRun& run);

// A field or chooser is filled when its text is non-empty; Create needs all of its
// required texts filled.
bool allFilled(std::initializer_list<std::string_view> texts);

// Reads a run from a dialog's texts: the positions with fallback 0, the spacing with the
// dialog's own fallback (1 for units, terrain, smudge, overlay and cell triggers; 0 for
// buildings, ships and infantry, so that a spacing that is no number is refused there).
// No run when the spacing is not accepted.
std::optional<PlacementRun> readPlacementRun(std::string_view first, std::string_view last,
                                             std::string_view spacing, std::int32_t spacingFallback);

// Calls placeAt(cell) for every cell of the run, in order. After each cell the next one is
// computed with overflow checking; an overflow stops the walk (the cells placed so far
// stay placed) and gives Overflow. A spacing that is not accepted places nothing and gives
// Refused; a run of more than kMaxRunCells cells places nothing and gives TooManyCells;
// otherwise Done, also for a run without cells (first greater than last).
template <typename PlaceAt>
Outcome walkPlacementRun(const PlacementRun& run, PlaceAt&& placeAt)
{
    if (!spacingAccepted(run.spacing))
        return Outcome::Refused;
    if (const std::int64_t cells = runLength(run); cells > kMaxRunCells)
        return {Outcome::TooManyCells, cells};
    std::int32_t cell = run.first;
    while (cell <= run.last) {
        placeAt(cell);
        const auto next = checkedAdd(cell, run.spacing);
        if (!next)
            return Outcome::Overflow;
        cell = *next;
    }
    return Outcome::Done;
}

} // namespace vexa
