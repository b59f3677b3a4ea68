#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vexa {

// The overlays of the game: one table that names them, draws them on the map, builds the
// Overlay dialog's type menu and the map brush's list.

// The overlay number of a cell without overlay.
inline constexpr std::uint8_t kNoOverlay = 255;

// How an overlay shows in its cell: ore and gems as fields that fill the cell (denser
// numbers darker), walls and fences as walls that fill it too, crates and the other small
// things as a mark in the middle of the cell.
enum class OverlayShape { None, Field, Wall, Mark };

struct OverlayLook {
    OverlayShape shape = OverlayShape::None;
    std::uint32_t colour = 0;  // 0xRRGGBB

    bool operator==(const OverlayLook&) const = default;
};

struct OverlayType {
    std::uint8_t number = 0;   // in the overlay pack
    std::string_view code;     // in [Overlay] lines: "GOLD01"
    std::string_view submenu;  // of the Overlay dialog's type menu: "Ore"; empty: not offered there
    std::string_view caption;  // the entry's caption in that submenu: "Ore patch 1"
    OverlayLook look;
    bool brushed = false;      // offered by the map's brush
};

// Every overlay, in the order of the Overlay dialog's type menu (each submenu's entries
// together), then those the menu does not offer.
std::span<const OverlayType> overlayTypes();

// The overlay with this number; nullptr for kNoOverlay and every number that names none.
const OverlayType* findOverlay(std::uint8_t number);

// The type code of an overlay number ("GOLD01"); empty for a number that names no overlay.
std::string_view overlayName(std::uint8_t overlay);

// None for kNoOverlay; a grey mark for a number that names no overlay.
OverlayLook overlayLook(std::uint8_t overlay);

} // namespace vexa
