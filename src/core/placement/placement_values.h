#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vexa {

// The direction chooser's list of the buildings, units and ships dialogs: "0" to "256" in
// steps of 16.
inline constexpr std::array<std::string_view, 17> kDirectionItems = {
    "0", "16", "32", "48", "64", "80", "96", "112", "128",
    "144", "160", "176", "192", "208", "224", "240", "256",
};

// The infantry dialog's direction chooser offers its own list: 170, 186, 242 and 258 where
// the other dialogs offer 160, 176, 240 and 256. These are the game's own values for
// soldiers, kept as they are; the compass buttons give 0, 32 ... 224 in every dialog.
inline constexpr std::array<std::string_view, 17> kInfantryDirectionItems = {
    "0", "16", "32", "48", "64", "80", "96", "112", "128",
    "144", "170", "186", "192", "208", "224", "242", "258",
};

// The compass rose: the direction of RadioButton1 (top) .. RadioButton8 (upper right),
// counter-clockwise: top, upper left, left, lower left, bottom, lower right, right,
// upper right.
inline constexpr std::array<std::string_view, 8> kCompassDirections = {
    "0", "32", "64", "96", "128", "160", "192", "224",
};

// The health track bar runs from 0 to 256 with a tick every 16.
inline constexpr std::int32_t kHealthMinimum = 0;
inline constexpr std::int32_t kHealthMaximum = 256;
inline constexpr std::int32_t kHealthTickInterval = 16;

// Where the health track bar stands for a health text: its integer reading (fallback 0)
// held within 0..256. The text itself is never changed by this.
std::int32_t healthTrackPosition(std::string_view healthText);

} // namespace vexa
