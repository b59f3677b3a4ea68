#include "core/map/summary.h"

#include "core/document/body_line.h"
#include "core/document/scenario.h"
#include "core/map/placed_things.h"

namespace vexa {

namespace {

// The lines that place a structure, unit, ship or soldier, as the map draws them; the
// key=value lines of the other sections.
std::size_t entriesOf(const MemoryPane& pane, PaneId id)
{
    const std::optional<ThingKind> kind = kindInPane(id);
    const bool placesObjects = kind && isPlacedObject(*kind);
    std::size_t count = 0;
    for (std::size_t i = 0; i < pane.lineCount(); ++i) {
        const BodyLine body = readBodyLine(pane.lineView(i));
        count += (placesObjects ? readThingLine(*kind, body, Fields(body)).thing.has_value() : body.isKeyValue()) ? 1 : 0;
    }
    return count;
}

std::array<std::size_t, kGroundKindCount> groundCellsIn(const Ground& ground, const std::optional<PlayableArea>& area)
{
    std::array<std::size_t, kGroundKindCount> cells{};
    for (std::int32_t cell = 0; cell < kMapCellCount; ++cell) {
        if (!area || area->holds(cell))
            ++cells[static_cast<std::size_t>(ground.cell(static_cast<std::size_t>(cell)).kind)];
    }
    return cells;
}

std::vector<OverlayCount> overlaysOf(const Ground& ground)
{
    std::array<std::size_t, 256> cells{};
    for (std::size_t cell = 0; cell < kMapCellCount; ++cell)
        ++cells[ground.cell(cell).overlay];
    std::vector<OverlayCount> overlays;
    for (std::size_t overlay = 0; overlay < cells.size(); ++overlay) {
        if (overlay != kNoOverlay && cells[overlay] > 0)
            overlays.push_back({static_cast<std::uint8_t>(overlay), cells[overlay]});
    }
    return overlays;
}

} // namespace

ScenarioSummary summarizeScenario(const Scenario& scenario)
{
    ScenarioSummary summary;
    summary.theater = valueText(scenario.field(FieldId::Theater));
    summary.playable = readMapBounds(scenario).area;
    for (std::size_t i = 0; i < kSummarySections.size(); ++i)
        summary.entries[i] = entriesOf(scenario.pane(kSummarySections[i].pane), kSummarySections[i].pane);

    const GroundReading reading = readGround(scenario);
    for (const PackError& error : reading.errors)
        (error.pack == PackId::Map ? summary.mapPackError : summary.overlayPackError) = error;
    if (!summary.mapPackError)
        summary.groundCells = groundCellsIn(reading.ground, summary.playable);
    if (!summary.overlayPackError)
        summary.overlays = overlaysOf(reading.ground);
    return summary;
}

std::string overlayCode(std::uint8_t overlay)
{
    const std::string_view name = overlayName(overlay);
    return name.empty() ? std::to_string(overlay) : std::string(name);
}

} // namespace vexa
