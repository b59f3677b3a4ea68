// Writes the ground of the sample scenario, data/sample.mpr ("Twin Rivers"): its
// [MapPack] and [OverlayPack] sections, with the sample's CR LF line ends.
//
//     vexabuild-sample-ground > ground.txt        the two sections, to put in place of
//                                                 the sample's own
//     vexabuild-sample-ground --preview           the map as letters, a cell a letter
//
// The design: a gulf of the sea from the west edge with a bay reaching into the playable
// area (the sample's ship lies in it), beaches where land meets the sea, two rivers from
// the east edge, one into the bay and one across the map to the west edge, roads between the two bases, the church
// and the east, rough ground and a rocky outcrop, an ore field with gems, and walls of
// sandbags and bricks before the bases.
#include "core/ground/ground.h"
#include "core/map/cells.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vexa;

namespace {

// How a kind of ground is laid: a block of tiles of one template, repeated over the map.
// The block's tile at (x, y) is firstTile + x % width + templateWidth * (y % height).
struct Brush {
    GroundKind kind;
    std::uint16_t templateNumber;
    int templateWidth;
    int firstTile;
    int width;
    int height;
};

constexpr Brush kBrushes[] = {
    {GroundKind::Water, 2, 2, 0, 2, 2},   // 2 x 2 of open water
    {GroundKind::Beach, 248, 3, 0, 3, 3}, // 3 x 3 of sand
    {GroundKind::River, 120, 2, 2, 2, 1}, // the lower row of a river bend, all river
    {GroundKind::Road, 227, 1, 0, 1, 1},  // a single road tile
    {GroundKind::Rough, 225, 2, 0, 2, 1}, // 2 x 1 of rough ground
    {GroundKind::Rock, 59, 2, 0, 2, 2},   // 2 x 2 of rock
};

const Brush* brushFor(GroundKind kind)
{
    for (const Brush& brush : kBrushes) {
        if (brush.kind == kind)
            return &brush;
    }
    return nullptr;
}

std::uint8_t tileAt(const Brush& brush, int x, int y)
{
    return static_cast<std::uint8_t>(brush.firstTile + x % brush.width + brush.templateWidth * (y % brush.height));
}

// Every tile a brush lays must be of its kind, as data/terrain-templates.tsv has it.
bool brushesMatchTheTable()
{
    for (const Brush& brush : kBrushes) {
        for (int y = 0; y < brush.height; ++y) {
            for (int x = 0; x < brush.width; ++x) {
                if (groundKindOf(brush.templateNumber, tileAt(brush, x, y)) != brush.kind) {
                    std::fprintf(stderr, "template %d tile %d is not %s ground\n", brush.templateNumber,
                                 tileAt(brush, x, y), std::string(groundKindName(brush.kind)).c_str());
                    return false;
                }
            }
        }
    }
    return true;
}

double distance(double x, double y, double centreX, double centreY)
{
    return std::hypot(x - centreX, y - centreY);
}

// A gulf of the sea from the west edge, and its bay in the playable area.
bool isSea(int x, int y)
{
    const double gulf = std::pow((x - 14) / 26.0, 2) + std::pow((y - 55) / 12.0, 2);
    return gulf < 1 || distance(x, y, 37, 55) < 7.5;
}

// A river two cells wide along a wave, from the east edge to where it meets the sea.
bool isOnRiver(int x, int y, double middle, double phase)
{
    return std::abs(y - (middle + 2 * std::sin(x / 6.0 + phase))) < 1.0;
}

bool isRiver(int x, int y)
{
    return isOnRiver(x, y, 56, 0.5) || isOnRiver(x, y, 72, 1.0);
}

bool isRoad(int x, int y)
{
    const bool northSouth = x == 50 && y >= 44 && y <= 84;
    const bool toTheEast = y == 64 && x >= 50 && x <= 80;
    const bool northBase = y == 48 && x >= 43 && x <= 50;
    const bool southBase = y == 82 && x >= 43 && x <= 50;
    return northSouth || toTheEast || northBase || southBase;
}

bool isRough(int x, int y)
{
    return distance(x, y, 80, 45) < 2.6 || distance(x, y, 58, 79) < 2.6;
}

bool isRock(int x, int y)
{
    return distance(x, y, 84.5, 67.5) < 2.3;
}

GroundKind designedKind(int x, int y)
{
    if (isSea(x, y))
        return GroundKind::Water;
    if (isRoad(x, y))
        return GroundKind::Road;  // bridges and fords where a road meets a river
    if (isRiver(x, y))
        return GroundKind::River;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (isSea(x + dx, y + dy))
                return GroundKind::Beach;
        }
    }
    if (isRock(x, y))
        return GroundKind::Rock;
    if (isRough(x, y))
        return GroundKind::Rough;
    return GroundKind::Clear;
}

constexpr std::uint8_t kSandbags = 0, kBricks = 2, kFirstGold = 5, kFirstGem = 9;

// Ore grows richer towards the middle of its field: GOLD04 (GEM04) there, GOLD01 at the rim.
std::uint8_t fieldOverlay(double fromMiddle, double radius, std::uint8_t first)
{
    const int richness = 3 - static_cast<int>(4 * fromMiddle / radius);
    return static_cast<std::uint8_t>(first + std::max(0, richness));
}

std::uint8_t designedOverlay(int x, int y, GroundKind ground)
{
    if (ground != GroundKind::Clear && ground != GroundKind::Rough)
        return kNoOverlay;
    if (y == 42 && x >= 41 && x <= 47)
        return kSandbags;  // before the north base
    if (y == 79 && x >= 41 && x <= 47)
        return kBricks;    // before the south base
    if (const double gold = distance(x, y, 65, 61); gold < 4.0)
        return fieldOverlay(gold, 4.0, kFirstGold);
    if (const double gems = distance(x, y, 78, 50); gems < 2.0)
        return fieldOverlay(gems, 2.0, kFirstGem);
    return kNoOverlay;
}

Ground designedGround()
{
    Ground ground;
    for (int y = 0; y < kMapSide; ++y) {
        for (int x = 0; x < kMapSide; ++x) {
            const auto cell = static_cast<std::size_t>(*cellAt({x, y}));
            const GroundKind kind = designedKind(x, y);
            if (const Brush* brush = brushFor(kind))
                ground.setTerrain(cell, brush->templateNumber, tileAt(*brush, x, y));
            ground.setOverlay(cell, designedOverlay(x, y, kind));
        }
    }
    return ground;
}

void printSection(std::string_view header, const std::vector<std::uint8_t>& bytes)
{
    std::printf("%s\r\n", std::string(header).c_str());
    for (const std::string& line : packLines(bytes))
        std::printf("%s\r\n", line.c_str());
}

// A letter a cell, the playable area's border in capitals: . clear, ~ water, : beach,
// = river, # road, ^ rock, % rough, and for overlay o ore, * gems, W wall.
void printPreview(const Ground& ground)
{
    constexpr std::string_view kLetters = ".~#^=%X:?";
    for (int y = 0; y < kMapSide; ++y) {
        std::string row;
        for (int x = 0; x < kMapSide; ++x) {
            const GroundCell cell = ground.cell(static_cast<std::size_t>(*cellAt({x, y})));
            char letter = kLetters[static_cast<std::size_t>(cell.kind)];
            if (cell.overlay == kSandbags || cell.overlay == kBricks)
                letter = 'W';
            else if (cell.overlay >= kFirstGold && cell.overlay < kFirstGem)
                letter = 'o';
            else if (cell.overlay >= kFirstGem && cell.overlay < kFirstGem + 4)
                letter = '*';
            const bool border = (x == 39 || x == 88) && y >= 39 && y <= 88;
            row += border ? '|' : letter;
        }
        std::printf("%3d %s\n", y, row.c_str());
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view option = argc > 1 ? argv[1] : "";
    if (argc > 2 || (!option.empty() && option != "--preview")) {
        std::fprintf(stderr, "usage: vexabuild-sample-ground [--preview]\n");
        return 2;
    }
    if (!brushesMatchTheTable())
        return 1;
    const Ground ground = designedGround();
    if (option == "--preview") {
        printPreview(ground);
        return 0;
    }
    printSection("[MapPack]", ground.mapPackBytes());
    std::printf("\r\n");
    printSection("[OverlayPack]", ground.overlayPackBytes());
    return 0;
}
