#include "core/ground/terrain_templates.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vexa {

namespace {

// Template 255, which the game reads as clear ground in every theater, and CLEAR1.
constexpr std::uint16_t kReadAsClearTemplate = 255;
constexpr std::uint16_t kClearGroundTemplate = 0;

// terrain_templates.inc is written at build time from data/terrain-templates.tsv and
// data/terrain-template-names.tsv.
constexpr TerrainTemplate kTemplates[] = {
#include "terrain_templates.inc"
};

constexpr std::array<std::string_view, kGroundKindCount> kKindNames = {
    "clear", "water", "road", "rock", "river", "rough", "wall", "beach", "unknown",
};

GroundKind kindOfLetter(char letter)
{
    switch (letter) {
    case 'L': return GroundKind::Clear;
    case 'W': return GroundKind::Water;
    case 'D': return GroundKind::Road;
    case 'K': return GroundKind::Rock;
    case 'V': return GroundKind::River;
    case 'G': return GroundKind::Rough;
    case 'X': return GroundKind::Wall;
    case 'B': return GroundKind::Beach;
    default: return GroundKind::Unknown;  // the build admits no other letter
    }
}

} // namespace

std::string_view groundKindName(GroundKind kind)
{
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::span<const TerrainTemplate> terrainTemplates()
{
    return kTemplates;
}

const TerrainTemplate* findTerrainTemplate(std::uint16_t number)
{
    const auto found = std::lower_bound(std::begin(kTemplates), std::end(kTemplates), number,
                                        [](const TerrainTemplate& entry, std::uint16_t wanted) { return entry.number < wanted; });
    return found != std::end(kTemplates) && found->number == number ? found : nullptr;
}

Theater theaterNamed(std::string_view value)
{
    return knownTheater(value).value_or(Theater::Temperate);
}

std::optional<Theater> knownTheater(std::string_view value)
{
    const auto is = [value](std::string_view name) {
        return std::equal(value.begin(), value.end(), name.begin(), name.end(),
                          [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
    };
    if (is("SNOW"))
        return Theater::Snow;
    if (is("INTERIOR"))
        return Theater::Interior;
    if (is("TEMPERATE"))
        return Theater::Temperate;
    return std::nullopt;
}

bool belongsTo(const TerrainTemplate& entry, Theater theater)
{
    switch (entry.theaters) {
    case TemplateTheaters::All: return true;
    case TemplateTheaters::Outdoor: return theater != Theater::Interior;
    case TemplateTheaters::Interior: return theater == Theater::Interior;
    case TemplateTheaters::None: break;
    }
    return false;
}

bool isBareTemplate(std::uint16_t templateNumber)
{
    return templateNumber == kClearTemplate || templateNumber == kReadAsClearTemplate ||
           templateNumber == kClearGroundTemplate;
}

GroundKind groundKindOf(std::uint16_t templateNumber, std::uint8_t tile)
{
    if (templateNumber == kClearTemplate || tile == kClearTile)
        return GroundKind::Clear;
    const TerrainTemplate* found = findTerrainTemplate(templateNumber);
    if (!found)
        return GroundKind::Unknown;
    return tile < found->tiles.size() ? kindOfLetter(found->tiles[tile]) : GroundKind::Clear;
}

} // namespace vexa
