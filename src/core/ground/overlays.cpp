#include "core/ground/overlays.h"

#include <array>
#include <cstddef>

namespace vexa {

namespace {

constexpr OverlayLook kWall{OverlayShape::Wall, 0x3d342d};
constexpr OverlayLook kCrate{OverlayShape::Mark, 0x8a5a2e};
constexpr OverlayLook kFarmThing{OverlayShape::Mark, 0xece0a8};  // haystacks and crop fields: pale straw
constexpr OverlayLook kFlag{OverlayShape::Mark, 0xd0392f};       // a flag's place
constexpr OverlayLook kUnnamed{OverlayShape::Mark, 0x707070};

constexpr OverlayLook field(std::uint32_t colour)
{
    return {OverlayShape::Field, colour};
}

constexpr bool kBrushed = true;

// Ore and gems by density, 1 to 4: the denser, the darker. The farm things V12 to V18
// come with the ground of some maps; no menu and no brush offers them.
constexpr std::array<OverlayType, 25> kOverlays = {{
    {0, "SBAG", "Walls", "Sandbag wall", kWall, kBrushed},
    {3, "BARB", "Walls", "Barb wire", kWall, kBrushed},
    {23, "FENC", "Walls", "Quarn barb wire", kWall, kBrushed},
    {1, "CYCL", "Walls", "Chain link fence", kWall, kBrushed},
    {4, "WOOD", "Walls", "Wood fence", kWall, kBrushed},
    {2, "BRIK", "Walls", "Concrete wall", kWall, kBrushed},
    {5, "GOLD01", "Ore", "Ore patch 1", field(0xeed689), kBrushed},
    {6, "GOLD02", "Ore", "Ore patch 2", field(0xe2c25f), kBrushed},
    {7, "GOLD03", "Ore", "Ore patch 3", field(0xd3aa40), kBrushed},
    {8, "GOLD04", "Ore", "Ore patch 4", field(0xbf912a), kBrushed},
    {21, "WCRATE", "Crates", "Wood crate", kCrate, kBrushed},
    {24, "WWCRATE", "Crates", "Water crate", kCrate, kBrushed},
    {22, "SCRATE", "Crates", "Steel crate", kCrate, kBrushed},
    {9, "GEM01", "Gems", "Gem patch 1", field(0xdcaee6), kBrushed},
    {10, "GEM02", "Gems", "Gem patch 2", field(0xc98fdb), kBrushed},
    {11, "GEM03", "Gems", "Gem patch 3", field(0xb26dc8), kBrushed},
    {12, "GEM04", "Gems", "Gem patch 4", field(0x9650b0), kBrushed},
    {20, "FPLS", "Misc.", "Circular thing", kFlag, false},
    {13, "V12", "", "", kFarmThing, false},
    {14, "V13", "", "", kFarmThing, false},
    {15, "V14", "", "", kFarmThing, false},
    {16, "V15", "", "", kFarmThing, false},
    {17, "V16", "", "", kFarmThing, false},
    {18, "V17", "", "", kFarmThing, false},
    {19, "V18", "", "", kFarmThing, false},
}};

// The rules the table keeps, checked as it is built.
constexpr bool numbersAreDistinct()
{
    std::array<bool, 256> seen{};
    for (const OverlayType& type : kOverlays) {
        if (type.number == kNoOverlay || seen[type.number])
            return false;
        seen[type.number] = true;
    }
    return true;
}
static_assert(numbersAreDistinct(), "each number names one overlay, and none is kNoOverlay");

constexpr bool eachSubmenuStandsTogether()
{
    for (std::size_t at = 1; at < kOverlays.size(); ++at) {
        if (kOverlays[at].submenu == kOverlays[at - 1].submenu)
            continue;
        for (std::size_t before = 0; before < at; ++before)
            if (kOverlays[before].submenu == kOverlays[at].submenu)
                return false;
    }
    return true;
}
static_assert(eachSubmenuStandsTogether(), "the menu is built in the table's order, one submenu at a time");

constexpr bool whatIsOfferedHasACaption()
{
    for (const OverlayType& type : kOverlays)
        if (type.submenu.empty() != type.caption.empty() || (type.brushed && type.caption.empty()))
            return false;
    return true;
}
static_assert(whatIsOfferedHasACaption(), "the menu and the brush show an overlay by its caption");

constexpr std::uint8_t kNotInTable = 0xFF;

// Where each overlay number stands in kOverlays.
constexpr std::array<std::uint8_t, 256> makeIndexByNumber()
{
    std::array<std::uint8_t, 256> index{};
    index.fill(kNotInTable);
    for (std::size_t at = 0; at < kOverlays.size(); ++at)
        index[kOverlays[at].number] = static_cast<std::uint8_t>(at);
    return index;
}

constexpr std::array<std::uint8_t, 256> kIndexByNumber = makeIndexByNumber();

} // namespace

std::span<const OverlayType> overlayTypes()
{
    return kOverlays;
}

const OverlayType* findOverlay(std::uint8_t number)
{
    const std::uint8_t at = kIndexByNumber[number];
    return at == kNotInTable ? nullptr : &kOverlays[at];
}

std::string_view overlayName(std::uint8_t overlay)
{
    const OverlayType* type = findOverlay(overlay);
    return type ? type->code : std::string_view();
}

OverlayLook overlayLook(std::uint8_t overlay)
{
    if (overlay == kNoOverlay)
        return {};
    const OverlayType* type = findOverlay(overlay);
    return type ? type->look : kUnnamed;
}

} // namespace vexa
