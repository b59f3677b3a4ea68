#pragma once

#include "core/ground/terrain_stamp.h"
#include "core/map/cells.h"

#include <cstdint>
#include <vector>

namespace vexa {

class MapDocument;

// One gesture of the terrain brush: a stamp where the button went down, then one on each
// place of the template's grid, aligned with that first stamp, that the mouse reaches.
class TerrainStroke {
public:
    // Each gives the cells it changed.
    std::vector<std::int32_t> start(MapDocument& map, const PaletteTemplate& stamp, CellPlace place);
    std::vector<std::int32_t> follow(MapDocument& map, CellPlace mouse);
    // Whether any stamp of the gesture changed a cell.
    bool changed() const { return changed_; }

private:
    std::vector<std::int32_t> stampAt(MapDocument& map, CellPlace place);

    PaletteTemplate stamp_;
    CellPlace first_;
    CellPlace last_;
    bool changed_ = false;
};

} // namespace vexa
