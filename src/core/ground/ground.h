#pragma once

#include "core/ground/overlays.h"
#include "core/ground/pack.h"
#include "core/ground/terrain_templates.h"
#include "core/map/placed_things.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vexa {

class Pane;
struct Scenario;

// What lies on one cell of the map.
struct GroundCell {
    std::uint16_t templateNumber = kClearTemplate;
    std::uint8_t tile = 0;
    GroundKind kind = GroundKind::Clear;
    std::uint8_t overlay = kNoOverlay;

    bool operator==(const GroundCell&) const = default;
};

// The ground of the whole map, cell by cell (cell = x + 128 × y): its terrain template,
// tile and kind of ground, and its overlay. Without packs it is clear ground everywhere.
class Ground {
public:
    Ground();
    // From unpacked packs; a span that is not exactly kMapPackSize (kOverlayPackSize)
    // bytes long, an empty one say, leaves that part as it is without packs.
    Ground(std::span<const std::uint8_t> mapPack, std::span<const std::uint8_t> overlayPack);

    // Cells from 0 to kMapCellCount - 1; any other throws std::out_of_range.
    GroundCell cell(std::size_t cell) const;
    // The kind of ground alone; inline, as the check asks it for every unit.
    GroundKind kind(std::size_t cell) const { return kinds_.at(cell); }
    void setTerrain(std::size_t cell, std::uint16_t templateNumber, std::uint8_t tile);
    void setOverlay(std::size_t cell, std::uint8_t overlay);

    // The unpacked packs of this ground, ready for packLines().
    std::vector<std::uint8_t> mapPackBytes() const;
    std::vector<std::uint8_t> overlayPackBytes() const;

    bool operator==(const Ground&) const = default;

private:
    static constexpr std::size_t kCells = kMapCellCount;
    std::array<std::uint16_t, kCells> templates_;
    std::array<std::uint8_t, kCells> tiles_;
    std::array<GroundKind, kCells> kinds_;
    std::array<std::uint8_t, kCells> overlays_;
};

// The ground read from the panes of [MapPack] and [OverlayPack]. A pack that is missing or
// cannot be read leaves its part of the ground as it is without packs.
struct GroundReading {
    Ground ground;
    Theater theater = Theater::Temperate;  // read from a scenario's [Map] Theater= only
    UnpackedPack::Status mapPack = UnpackedPack::Status::NoPack;
    UnpackedPack::Status overlayPack = UnpackedPack::Status::NoPack;
    std::vector<PackError> errors;  // one for each pack that could not be read
};

GroundReading readGround(const Pane& mapPackPane, const Pane& overlayPackPane);
// The same from a scenario's [MapPack] and [OverlayPack], in its theater.
GroundReading readGround(const Scenario& scenario);

// The theater of a scenario's [Map] Theater=.
Theater theaterOf(const Scenario& scenario);

} // namespace vexa
