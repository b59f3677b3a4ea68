#include "core/ground/ground_look.h"

#include <gtest/gtest.h>

#include <set>

namespace vexa {
namespace {

struct Rgb {
    int r, g, b;
    explicit Rgb(std::uint32_t colour) : r(colour >> 16 & 0xFF), g(colour >> 8 & 0xFF), b(colour & 0xFF) {}
    int lightness() const { return 299 * r + 587 * g + 114 * b; }
};

Rgb colourOf(GroundKind kind)
{
    return Rgb(groundColour(kind));
}

TEST(GroundLook, EachKindOfGroundHasAColourThatReadsAtAGlance)
{
    std::set<std::uint32_t> colours;
    for (std::size_t kind = 0; kind < kGroundKindCount; ++kind)
        colours.insert(groundColour(static_cast<GroundKind>(kind)));
    EXPECT_EQ(colours.size(), kGroundKindCount) << "no two kinds alike";

    for (const GroundKind wet : {GroundKind::Water, GroundKind::River}) {
        const Rgb water = colourOf(wet);
        EXPECT_GT(water.b, water.r + 80) << groundKindName(wet);
        EXPECT_GT(water.b, water.g + 30) << groundKindName(wet);
    }
    const Rgb clear = colourOf(GroundKind::Clear);
    EXPECT_GT(clear.g, clear.r);
    EXPECT_GT(clear.g, clear.b);
    EXPECT_LT(colourOf(GroundKind::Rock).lightness(), clear.lightness() * 2 / 3) << "rock is dark";
    EXPECT_GT(colourOf(GroundKind::Beach).lightness(), clear.lightness()) << "sand is light";
    const Rgb unknown = colourOf(GroundKind::Unknown);
    EXPECT_TRUE(unknown.r == unknown.g && unknown.g == unknown.b) << "unknown is grey";
}

TEST(GroundLook, OreAndGemsAreFieldsDarkerTheDenserTheyAre)
{
    const auto fieldsFrom = [](std::uint8_t first) {
        std::vector<Rgb> colours;
        for (std::uint8_t overlay = first; overlay < first + 4; ++overlay) {
            const OverlayLook look = overlayLook(overlay);
            EXPECT_EQ(look.shape, OverlayShape::Field) << overlayName(overlay);
            colours.emplace_back(look.colour);
        }
        for (std::size_t i = 1; i < colours.size(); ++i)
            EXPECT_LT(colours[i].lightness(), colours[i - 1].lightness()) << "density " << i + 1;
        return colours;
    };
    for (const Rgb& gold : fieldsFrom(5))  // GOLD01 to GOLD04
        EXPECT_TRUE(gold.r > gold.g && gold.g > gold.b + 40);
    for (const Rgb& gem : fieldsFrom(9))   // GEM01 to GEM04
        EXPECT_TRUE(gem.r > gem.g && gem.b > gem.g);
}

TEST(GroundLook, WallsFillTheirCellAndSmallThingsAreMarks)
{
    for (const std::uint8_t wall : {0, 1, 2, 3, 4, 23})  // SBAG CYCL BRIK BARB WOOD FENC
        EXPECT_EQ(overlayLook(wall), overlayLook(0)) << overlayName(wall);
    EXPECT_EQ(overlayLook(0).shape, OverlayShape::Wall);
    EXPECT_LT(Rgb(overlayLook(0).colour).lightness(), colourOf(GroundKind::Rock).lightness())
        << "walls stand out from rock";

    const OverlayLook crate = overlayLook(21);
    EXPECT_EQ(crate.shape, OverlayShape::Mark);
    EXPECT_EQ(overlayLook(22), crate);
    EXPECT_EQ(overlayLook(24), crate);
    for (std::uint8_t farm = 13; farm <= 19; ++farm)  // V12 to V18
        EXPECT_EQ(overlayLook(farm), overlayLook(13)) << overlayName(farm);
    const OverlayLook flag = overlayLook(20);         // FPLS
    const OverlayLook unnamed = overlayLook(25);
    std::set<std::uint32_t> markColours;
    for (const OverlayLook& mark : {crate, overlayLook(13), flag, unnamed}) {
        EXPECT_EQ(mark.shape, OverlayShape::Mark);
        markColours.insert(mark.colour);
    }
    EXPECT_EQ(markColours.size(), 4U);
    EXPECT_EQ(overlayLook(254), unnamed);
    EXPECT_EQ(overlayLook(kNoOverlay).shape, OverlayShape::None);
}

TEST(GroundLook, IndoorsAFloorIsLightAndABareCellDarkOutdoorsBothAreClear)
{
    const GroundCell floor{268, 0, GroundKind::Clear, kNoOverlay};  // FLOR0001
    const GroundCell wall{330, 0, GroundKind::Wall, kNoOverlay};
    const std::uint32_t floorColour = groundColour(floor, Theater::Interior);
    for (const std::uint16_t bare : {kClearTemplate, std::uint16_t{255}, std::uint16_t{0}}) {
        const GroundCell empty{bare, 0, GroundKind::Clear, kNoOverlay};
        EXPECT_LT(Rgb(groundColour(empty, Theater::Interior)).lightness() * 3, Rgb(floorColour).lightness()) << bare;
        EXPECT_EQ(groundColour(empty, Theater::Snow), groundColour(GroundKind::Clear)) << bare;
    }
    EXPECT_EQ(groundColour(wall, Theater::Interior), groundColour(GroundKind::Wall));
    for (const Theater outdoor : {Theater::Temperate, Theater::Snow})
        EXPECT_EQ(groundColour(floor, outdoor), groundColour(GroundKind::Clear));
}

TEST(GroundLook, ACellTellsItsGroundAndOverlayAsFarAsTheyAreShown)
{
    const GroundCell gold{1, 0, GroundKind::Water, 6};
    EXPECT_EQ(describeGround(gold, true, true), "water; GOLD02");
    EXPECT_EQ(describeGround(gold, false, true), "GOLD02");
    EXPECT_EQ(describeGround(gold, true, false), "water");
    EXPECT_EQ(describeGround(gold, false, false), "");
    EXPECT_EQ(describeGround(GroundCell{}, true, true), "clear");
    EXPECT_EQ(describeGround(GroundCell{}, false, true), "");
    EXPECT_EQ(describeGround(GroundCell{1, 0, GroundKind::Rock, 77}, true, true), "rock; overlay 77");
}

} // namespace
} // namespace vexa
