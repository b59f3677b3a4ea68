#include "core/ground/ground.h"

#include "core/document/body_line.h"
#include "core/document/scenario.h"

#include <algorithm>

namespace vexa {

namespace {

// In the map pack all template numbers come first, then all tiles.
constexpr std::size_t kTilesStart = 2 * kMapCellCount;

} // namespace

Ground::Ground()
{
    templates_.fill(kClearTemplate);
    tiles_.fill(0);
    kinds_.fill(GroundKind::Clear);
    overlays_.fill(kNoOverlay);
}

Ground::Ground(std::span<const std::uint8_t> mapPack, std::span<const std::uint8_t> overlayPack) : Ground()
{
    if (mapPack.size() == kMapPackSize) {
        for (std::size_t cell = 0; cell < kCells; ++cell) {
            const auto number = static_cast<std::uint16_t>(mapPack[2 * cell] | mapPack[2 * cell + 1] << 8);
            setTerrain(cell, number, mapPack[kTilesStart + cell]);
        }
    }
    if (overlayPack.size() == kOverlayPackSize)
        std::copy(overlayPack.begin(), overlayPack.end(), overlays_.begin());
}

GroundCell Ground::cell(std::size_t cell) const
{
    return {templates_.at(cell), tiles_[cell], kinds_[cell], overlays_[cell]};
}

void Ground::setTerrain(std::size_t cell, std::uint16_t templateNumber, std::uint8_t tile)
{
    templates_.at(cell) = templateNumber;
    tiles_[cell] = tile;
    kinds_[cell] = groundKindOf(templateNumber, tile);
}

void Ground::setOverlay(std::size_t cell, std::uint8_t overlay)
{
    overlays_.at(cell) = overlay;
}

std::vector<std::uint8_t> Ground::mapPackBytes() const
{
    std::vector<std::uint8_t> bytes(kMapPackSize);
    for (std::size_t cell = 0; cell < kCells; ++cell) {
        bytes[2 * cell] = static_cast<std::uint8_t>(templates_[cell] & 0xFF);
        bytes[2 * cell + 1] = static_cast<std::uint8_t>(templates_[cell] >> 8);
        bytes[kTilesStart + cell] = tiles_[cell];
    }
    return bytes;
}

std::vector<std::uint8_t> Ground::overlayPackBytes() const
{
    return {overlays_.begin(), overlays_.end()};
}

GroundReading readGround(const Pane& mapPackPane, const Pane& overlayPackPane)
{
    GroundReading reading;
    const UnpackedPack map = unpackPack(PackId::Map, mapPackPane);
    const UnpackedPack overlay = unpackPack(PackId::Overlay, overlayPackPane);
    reading.ground = Ground(map.bytes, overlay.bytes);
    reading.mapPack = map.status;
    reading.overlayPack = overlay.status;
    for (const UnpackedPack* unpacked : {&map, &overlay}) {
        if (unpacked->error)
            reading.errors.push_back(*unpacked->error);
    }
    return reading;
}

GroundReading readGround(const Scenario& scenario)
{
    GroundReading reading = readGround(scenario.pane(PaneId::MapPack), scenario.pane(PaneId::OverlayPack));
    reading.theater = theaterOf(scenario);
    return reading;
}

Theater theaterOf(const Scenario& scenario)
{
    return theaterNamed(valueText(scenario.field(FieldId::Theater)));
}

} // namespace vexa
