#include "core/ground/terrain_stamp.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <utility>

namespace vexa {

namespace {

// The groups of the names' prefixes (the letters before the first digit).
constexpr std::pair<std::string_view, std::string_view> kGroups[] = {
    {"CLEAR", "clear"}, {"W", "water"}, {"SH", "shores"}, {"S", "cliffs"}, {"WC", "water cliffs"},
    {"D", "roads"}, {"RV", "rivers"}, {"BR", "bridges"}, {"BRIDGE", "bridges"}, {"FORD", "fords"},
    {"FALLS", "waterfalls"}, {"RF", "rough"}, {"P", "pieces"}, {"F", "pieces"}, {"B", "pieces"},
    {"RC", "pieces"}, {"WALL", "walls"}, {"FLOR", "floors"}, {"GFLR", "floors"}, {"GSTR", "details"},
    {"STRP", "details"}, {"ARRO", "details"}, {"XTRA", "details"},
};

int floorDivide(int value, int by)
{
    const int quotient = value / by;
    return quotient * by > value ? quotient - 1 : quotient;
}

// The grid place, counted in stamps from the first one, that holds a cell.
CellPlace gridPlaceOf(CellPlace first, const PaletteTemplate& stamp, CellPlace place)
{
    return {floorDivide(place.column - first.column, stamp.width), floorDivide(place.row - first.row, stamp.height)};
}

} // namespace

std::string_view templateGroup(std::string_view name)
{
    const auto prefixEnd = std::find_if(name.begin(), name.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    std::string prefix(name.begin(), prefixEnd);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(), [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    for (const auto& [known, group] : kGroups) {
        if (known == prefix)
            return group;
    }
    return "other";
}

std::vector<PaletteTemplate> paletteTemplates(Theater theater)
{
    std::vector<PaletteTemplate> offered;
    for (const TerrainTemplate& entry : terrainTemplates()) {
        if (!entry.name.empty() && belongsTo(entry, theater))
            offered.push_back({entry.number, entry.name, templateGroup(entry.name), entry.width, entry.height});
    }
    // A group ranks by its first template, which comes before the others of its group.
    std::vector<std::string_view> groups;
    for (const PaletteTemplate& entry : offered) {
        if (std::find(groups.begin(), groups.end(), entry.group) == groups.end())
            groups.push_back(entry.group);
    }
    const auto rank = [&](std::string_view group) { return std::find(groups.begin(), groups.end(), group) - groups.begin(); };
    std::stable_sort(offered.begin(), offered.end(),
                     [&](const PaletteTemplate& a, const PaletteTemplate& b) { return rank(a.group) < rank(b.group); });
    offered.insert(offered.begin(), kClearStamp);
    return offered;
}

std::vector<StampedCell> stampChanges(const Ground& ground, const PaletteTemplate& stamp, CellPlace topLeft)
{
    std::vector<StampedCell> changes;
    for (int r = 0; r < stamp.height; ++r) {
        for (int c = 0; c < stamp.width; ++c) {
            const auto cell = cellAt({topLeft.column + c, topLeft.row + r});
            if (!cell)
                continue;
            const auto tile = static_cast<std::uint8_t>(c + stamp.width * r);
            const GroundCell now = ground.cell(static_cast<std::size_t>(*cell));
            if (now.templateNumber != stamp.number || now.tile != tile)
                changes.push_back({*cell, stamp.number, tile});
        }
    }
    return changes;
}

std::vector<std::int32_t> applyStamp(Ground& ground, const std::vector<StampedCell>& changes)
{
    std::vector<std::int32_t> cells;
    for (const StampedCell& change : changes) {
        ground.setTerrain(static_cast<std::size_t>(change.cell), change.templateNumber, change.tile);
        cells.push_back(change.cell);
    }
    return cells;
}

std::vector<CellPlace> stampPlacesAlong(CellPlace first, const PaletteTemplate& stamp, CellPlace last, CellPlace mouse)
{
    const CellPlace from = gridPlaceOf(first, stamp, last);
    const CellPlace to = gridPlaceOf(first, stamp, mouse);
    const int steps = std::max(std::abs(to.column - from.column), std::abs(to.row - from.row));
    std::vector<CellPlace> places;
    for (int i = 1; i <= steps; ++i) {
        const int column = from.column + (to.column - from.column) * i / steps;
        const int row = from.row + (to.row - from.row) * i / steps;
        places.push_back({first.column + column * stamp.width, first.row + row * stamp.height});
    }
    return places;
}

} // namespace vexa
