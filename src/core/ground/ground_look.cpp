#include "core/ground/ground_look.h"

#include <array>

namespace vexa {

namespace {

// In GroundKind order.
constexpr std::array<std::uint32_t, kGroundKindCount> kGroundColours = {
    0x9fb27a, // clear: olive green
    0x3d7cc9, // water: blue
    0xc2a878, // road: dirt
    0x5a5652, // rock: dark grey
    0x5b9ad6, // river: a lighter blue than the sea
    0x8c8a5a, // rough: khaki
    0x6e6258, // wall: dark brown grey
    0xe3d49e, // beach: sand
    0xa0a0a0, // unknown: neutral grey
};

constexpr std::uint32_t kInteriorFloor = 0xc4bcac;  // light warm grey
constexpr std::uint32_t kInteriorEmpty = 0x1c1c20;  // next to black

} // namespace

std::uint32_t groundColour(GroundKind kind)
{
    return kGroundColours[static_cast<std::size_t>(kind)];
}

std::uint32_t groundColour(const GroundCell& cell, Theater theater)
{
    if (theater != Theater::Interior || cell.kind != GroundKind::Clear)
        return groundColour(cell.kind);
    return isBareTemplate(cell.templateNumber) ? kInteriorEmpty : kInteriorFloor;
}

std::string describeGround(const GroundCell& cell, bool terrain, bool overlay)
{
    std::string text;
    if (terrain)
        text = groundKindName(cell.kind);
    if (!overlay || cell.overlay == kNoOverlay)
        return text;
    if (!text.empty())
        text += "; ";
    const std::string_view name = overlayName(cell.overlay);
    return text + (name.empty() ? "overlay " + std::to_string(cell.overlay) : std::string(name));
}

} // namespace vexa
