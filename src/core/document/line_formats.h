#pragma once

#include "core/document/layout.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vexa {

// The shape of a keyed section's lines, as the dialogs write them and the game reads them.
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
    std::optional<std::size_t> typeField;    // the type code of a placed object
    std::optional<std::size_t> subPositionField;  // infantry: where in the cell
    bool keyIsLineNumber = false;            // keys are only line numbers, as the dialogs number them
    // What the map's properties panel edits of a placed object besides the above.
    std::optional<std::size_t> healthField = std::nullopt;
    std::optional<std::size_t> directionField = std::nullopt;
    std::optional<std::size_t> orderField = std::nullopt;
};

// Every keyed section with a line format, in pane order. [Base] has a layout of its own,
// below.
extern const std::array<LineFormat, 11> kLineFormats;
// The format of a pane's lines, or nothing.
const LineFormat* formatOf(PaneId pane);

// [Base]: "Player=" and "Count=" lines, then entries NNN=type,cell.
inline constexpr std::string_view kBasePlayerKey = "Player";
inline constexpr std::string_view kBaseCountKey = "Count";
inline constexpr std::size_t kBaseEntryFieldCount = 2;
inline constexpr std::size_t kBaseTypeField = 0;
inline constexpr std::size_t kBaseCellField = 1;
// Player= and Count=: every other line of [Base] is an entry.
inline bool isBaseHeaderKey(std::string_view key)
{
    return key == kBasePlayerKey || key == kBaseCountKey;
}

} // namespace vexa
