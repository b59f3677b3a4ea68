#include "gui/map/terrain_stroke.h"

#include "gui/map/map_document.h"

namespace vexa {

std::vector<std::int32_t> TerrainStroke::start(MapDocument& map, const PaletteTemplate& stamp, CellPlace place)
{
    stamp_ = stamp;
    first_ = place;
    changed_ = false;
    return stampAt(map, place);
}

std::vector<std::int32_t> TerrainStroke::follow(MapDocument& map, CellPlace mouse)
{
    std::vector<std::int32_t> cells;
    for (const CellPlace place : stampPlacesAlong(first_, stamp_, last_, mouse)) {
        const auto stamped = stampAt(map, place);
        cells.insert(cells.end(), stamped.begin(), stamped.end());
    }
    return cells;
}

std::vector<std::int32_t> TerrainStroke::stampAt(MapDocument& map, CellPlace place)
{
    last_ = place;
    auto cells = map.stampTerrain(stamp_, place);
    changed_ = changed_ || !cells.empty();
    return cells;
}

} // namespace vexa
