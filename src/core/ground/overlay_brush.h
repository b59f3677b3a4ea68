#pragma once

#include "core/document/pane_change.h"
#include "core/ground/pack.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace vexa {

class Pane;

// An overlay that the map's brush paints into the overlay pack.
struct BrushOverlay {
    std::uint8_t number = 0;
    std::string_view caption;  // "Ore 2 (GOLD02)"
};

// Ore and gems in their four densities, every wall and fence, the crates.
std::span<const BrushOverlay> brushOverlays();

// The change that makes a pack's pane hold the pack of `bytes`: every line of the pane
// goes and the packed lines (keys 1, 2, 3 ...) take their place. A memo spares packing
// again what did not change since the last stroke.
PaneChange rewrittenPack(PackId pack, const Pane& pane, std::span<const std::uint8_t> bytes, ChunkMemo* memo = nullptr);

} // namespace vexa
