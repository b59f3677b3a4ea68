#pragma once

#include "core/document/layout.h"
#include "core/ground/ground.h"
#include "core/map/cells.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

struct Scenario;

// The sections whose entries a summary counts, and the name it gives them.
struct SummarySection {
    std::string_view name;  // "structures", "cell_triggers"
    PaneId pane;
};
inline constexpr std::array<SummarySection, 11> kSummarySections = {{
    {"structures", PaneId::Structures},
    {"units", PaneId::Units},
    {"ships", PaneId::Ships},
    {"infantry", PaneId::Infantry},
    {"terrain", PaneId::Terrain},
    {"smudge", PaneId::Smudge},
    {"overlay", PaneId::Overlay},
    {"waypoints", PaneId::Waypoints},
    {"cell_triggers", PaneId::CellTriggers},
    {"triggers", PaneId::Trigs},
    {"team_types", PaneId::TeamType},
}};

// The cells of one overlay number in [OverlayPack].
struct OverlayCount {
    std::uint8_t overlay = 0;
    std::size_t cells = 0;
    bool operator==(const OverlayCount&) const = default;
};

// What a scenario holds, counted.
struct ScenarioSummary {
    std::string theater;                   // the value of Theater= in [Map]; empty without one
    std::optional<PlayableArea> playable;  // when [Map] gives one that lies inside the map
    // The entries of each section of kSummarySections, in its order: the lines that place
    // a thing in the sections of structures, units, ships and infantry, the key=value lines
    // in the others.
    std::array<std::size_t, kSummarySections.size()> entries{};
    // The cells of each kind of ground (by GroundKind) inside the playable area, or the
    // whole map without one. Without [MapPack] every cell is clear ground; when it
    // cannot be unpacked, mapPackError says why and the counts are all zero.
    std::array<std::size_t, kGroundKindCount> groundCells{};
    std::optional<PackError> mapPackError;
    // The cells of each overlay number present in [OverlayPack] (the whole map), in number
    // order; cells without overlay are not counted. Empty without the pack, and when it
    // cannot be unpacked (overlayPackError says why).
    std::vector<OverlayCount> overlays;
    std::optional<PackError> overlayPackError;
};

ScenarioSummary summarizeScenario(const Scenario& scenario);

// The type code of an overlay number ("GOLD01"), or the number itself ("37") for one
// that names no overlay.
std::string overlayCode(std::uint8_t overlay);

} // namespace vexa
