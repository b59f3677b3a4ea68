#pragma once

#include "core/document/pane_change.h"
#include "core/ground/pack.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vexa {

class Pane;

// An overlay that the map's brush paints into the overlay pack.
struct BrushOverlay {
    std::uint8_t number = 0;
    std::string caption;  // the Overlay dialog's caption and the code: "Ore patch 2 (GOLD02)"

    bool operator==(const BrushOverlay&) const = default;
};

// The overlays of the table that the brush offers, in the table's order: every wall and
// fence, ore in its four densities, the crates, gems in their four densities.
std::vector<BrushOverlay> brushOverlays();

// The change that makes a pack's pane hold the pack of `bytes`: every line of the pane
// goes and the packed lines (keys 1, 2, 3 ...) take their place. A memo spares packing
// again what did not change since the last stroke.
PaneChange rewrittenPack(PackId pack, const Pane& pane, std::span<const std::uint8_t> bytes, ChunkMemo* memo = nullptr);

} // namespace vexa
