#include "core/ground/overlay_brush.h"

#include "core/document/pane.h"
#include "core/ground/overlays.h"

#include <numeric>

namespace vexa {

std::vector<BrushOverlay> brushOverlays()
{
    std::vector<BrushOverlay> overlays;
    for (const OverlayType& type : overlayTypes())
        if (type.brushed)
            overlays.push_back({type.number, std::string(type.caption) + " (" + std::string(type.code) + ")"});
    return overlays;
}

PaneChange rewrittenPack(PackId pack, const Pane& pane, std::span<const std::uint8_t> bytes, ChunkMemo* memo)
{
    PaneChange change{packPane(pack), {}, {}, packLines(bytes, memo)};
    change.removedLines.resize(pane.lineCount());
    std::iota(change.removedLines.begin(), change.removedLines.end(), std::size_t{0});
    return change;
}

} // namespace vexa
