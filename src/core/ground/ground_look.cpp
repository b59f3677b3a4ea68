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

constexpr std::uint32_t kWallColour = 0x3d342d;
constexpr std::uint32_t kCrateColour = 0x8a5a2e;
constexpr std::uint32_t kFarmColour = 0xece0a8;   // haystacks and crop fields: pale straw
constexpr std::uint32_t kFlagColour = 0xd0392f;   // a flag's place
constexpr std::uint32_t kUnnamedColour = 0x707070;

constexpr OverlayLook kWall{OverlayShape::Wall, kWallColour};
constexpr OverlayLook kCrate{OverlayShape::Mark, kCrateColour};
constexpr OverlayLook kFarmThing{OverlayShape::Mark, kFarmColour};

constexpr OverlayLook field(std::uint32_t colour)
{
    return {OverlayShape::Field, colour};
}

// By overlay number (ground.cpp's table of names). Ore and gems by density, 1 to 4: the
// denser, the darker.
constexpr std::array<OverlayLook, 25> kOverlayLooks = {
    kWall, kWall, kWall, kWall, kWall,                                    // SBAG CYCL BRIK BARB WOOD
    field(0xeed689), field(0xe2c25f), field(0xd3aa40), field(0xbf912a),   // GOLD01 to GOLD04
    field(0xdcaee6), field(0xc98fdb), field(0xb26dc8), field(0x9650b0),   // GEM01 to GEM04
    kFarmThing, kFarmThing, kFarmThing, kFarmThing, kFarmThing, kFarmThing, kFarmThing, // V12 to V18
    OverlayLook{OverlayShape::Mark, kFlagColour},                         // FPLS
    kCrate, kCrate,                                                       // WCRATE SCRATE
    kWall,                                                                // FENC
    kCrate,                                                               // WWCRATE
};

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

OverlayLook overlayLook(std::uint8_t overlay)
{
    if (overlay == kNoOverlay)
        return {};
    if (overlay < kOverlayLooks.size())
        return kOverlayLooks[overlay];
    return {OverlayShape::Mark, kUnnamedColour};
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
