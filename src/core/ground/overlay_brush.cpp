#include "core/ground/overlay_brush.h"

#include "core/document/pane.h"

#include <array>
#include <numeric>

namespace vexa {

namespace {

constexpr std::array<BrushOverlay, 17> kBrushOverlays = {{
    {5, "Ore 1 (GOLD01)"},
    {6, "Ore 2 (GOLD02)"},
    {7, "Ore 3 (GOLD03)"},
    {8, "Ore 4 (GOLD04)"},
    {9, "Gems 1 (GEM01)"},
    {10, "Gems 2 (GEM02)"},
    {11, "Gems 3 (GEM03)"},
    {12, "Gems 4 (GEM04)"},
    {0, "Sandbag wall (SBAG)"},
    {1, "Chain-link fence (CYCL)"},
    {2, "Concrete wall (BRIK)"},
    {3, "Barbed wire (BARB)"},
    {4, "Wooden fence (WOOD)"},
    {23, "Fence (FENC)"},
    {21, "Wooden crate (WCRATE)"},
    {22, "Steel crate (SCRATE)"},
    {24, "Water crate (WWCRATE)"},
}};

} // namespace

std::span<const BrushOverlay> brushOverlays()
{
    return kBrushOverlays;
}

PaneChange rewrittenPack(PackId pack, const Pane& pane, std::span<const std::uint8_t> bytes, ChunkMemo* memo)
{
    PaneChange change{packPane(pack), {}, {}, packLines(bytes, memo)};
    change.removedLines.resize(pane.lineCount());
    std::iota(change.removedLines.begin(), change.removedLines.end(), std::size_t{0});
    return change;
}

} // namespace vexa
