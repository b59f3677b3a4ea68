#pragma once

#include "core/document/layout.h"

#include <array>
#include <cstdint>
#include <cstddef>
#include <optional>

namespace vexa {

// What the check knows of a keyed section's lines: the shape the dialogs write them in.
// Field indexes count the comma-separated fields of the value from 0.
enum class CountryForm { None, Name, Number };

struct LineFormat {
    PaneId pane;
    std::optional<std::size_t> fieldCount;   // for sections the dialogs generate
    bool keyIsCell = false;
    std::optional<std::size_t> cellField;
    std::optional<std::size_t> triggerField;
    std::optional<std::size_t> countryField;
    CountryForm countryForm = CountryForm::None;
    bool insidePlayableArea = false;         // placed objects the game drops off the playable map
};

// Every keyed section the check reads, in pane order. [Base] has a layout of its own
// (Player, Count, numbered entries) and is read by its rules.
extern const std::array<LineFormat, 11> kLineFormats;

inline constexpr std::int32_t kLastCell = 16383;  // 128 x 128 cells
inline constexpr std::int32_t kCellsPerRow = 128;

} // namespace vexa
