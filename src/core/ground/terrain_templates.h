#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vexa {

// The kind of ground of one map cell.
enum class GroundKind : std::uint8_t { Clear, Water, Road, Rock, River, Rough, Wall, Beach, Unknown };
inline constexpr std::size_t kGroundKindCount = 9;

std::string_view groundKindName(GroundKind kind);  // "clear", "water", ...

// The template of a cell with no terrain template, whatever its tile.
inline constexpr std::uint16_t kClearTemplate = 65535;
// The tile of a cell with no tile of its template.
inline constexpr std::uint8_t kClearTile = 255;

// The look of the map a scenario is set in: [Map] Theater=.
enum class Theater : std::uint8_t { Temperate, Snow, Interior };

// The theater a value of Theater= names, whatever its case; TEMPERATE for any other
// value, as for none.
Theater theaterNamed(std::string_view value);
// The same, but nothing for a value that names no theater.
std::optional<Theater> knownTheater(std::string_view value);

// The theaters a template belongs to: the outdoor ones (TEMPERATE and SNOW), INTERIOR,
// all of them, or none (a number the game reads but that is not painted).
enum class TemplateTheaters : std::uint8_t { None, Outdoor, Interior, All };

// One terrain template: its size in cells and a letter per tile giving its ground
// (L clear, W water, D road, K rock, V river, G rough, X wall, B beach), indexed by the
// tile byte of the map pack; the game's name of it and its theaters. Built from
// data/terrain-templates.tsv and data/terrain-template-names.tsv.
struct TerrainTemplate {
    std::uint16_t number = 0;
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::string_view tiles;
    std::string_view name;  // "FLOR0001"; empty for a template without one
    TemplateTheaters theaters = TemplateTheaters::None;
};

bool belongsTo(const TerrainTemplate& entry, Theater theater);

// Every template, in number order. The numbers mean the same in every theater.
std::span<const TerrainTemplate> terrainTemplates();
const TerrainTemplate* findTerrainTemplate(std::uint16_t number);

// A cell with no template to show: kClearTemplate, template 255 (which the game reads as
// clear ground too) and the clear template itself. In an interior these are the empty
// space around the rooms.
bool isBareTemplate(std::uint16_t templateNumber);

// The ground of a tile of a template: kClearTemplate and kClearTile are clear ground, a
// tile past the end of its template's letters too; a template not in the table is unknown.
GroundKind groundKindOf(std::uint16_t templateNumber, std::uint8_t tile);

} // namespace vexa
