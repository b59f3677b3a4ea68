#pragma once

#include "core/ground/ground.h"
#include "core/ground/terrain_templates.h"
#include "core/map/cells.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vexa {

// A template the terrain brush offers: one of the table, or "Clear" (kClearTemplate, one
// cell, tile 0), with the group its name's prefix puts it in ("water", "shores" ...).
struct PaletteTemplate {
    std::uint16_t number = kClearTemplate;
    std::string_view name = "Clear";
    std::string_view group = "clear";
    int width = 1;
    int height = 1;

    bool operator==(const PaletteTemplate&) const = default;
};

// The clear ground the right button stamps, first in every palette.
inline constexpr PaletteTemplate kClearStamp{};

// The templates the brush offers in a theater: Clear first, then the named templates of
// the theater grouped by their names' prefixes, the groups in the order of their first
// template's number, each group in number order. Template 255 is read as clear ground and
// has no name: it is never offered.
std::vector<PaletteTemplate> paletteTemplates(Theater theater);

// The group of a template's name: "W2" is water, "SH14" shores, "BRIDGE1D" bridges; a
// prefix the table does not know is "other".
std::string_view templateGroup(std::string_view name);

// The template and tile one cell of the ground gets from a stamp.
struct StampedCell {
    std::int32_t cell = 0;
    std::uint16_t templateNumber = kClearTemplate;
    std::uint8_t tile = 0;

    bool operator==(const StampedCell&) const = default;
};

// The cells a stamp of the template with its top-left tile on the given place would
// change: cell (c, r) of its rectangle gets the template's number and tile c + width × r.
// Cells past the map's last column or row, and cells that hold that already, are left out.
std::vector<StampedCell> stampChanges(const Ground& ground, const PaletteTemplate& stamp, CellPlace topLeft);

// Makes the changes; gives the cells changed (none for a stamp that changes nothing).
std::vector<std::int32_t> applyStamp(Ground& ground, const std::vector<StampedCell>& changes);

// Where a drag stamps: on a grid of the template's size aligned with the gesture's first
// stamp. The places of the grid from the one after `last` (stamped already) to the one
// that holds `mouse`, in a straight line so that a quick drag leaves no gap; nothing when
// the mouse is still within the last stamp's grid place.
std::vector<CellPlace> stampPlacesAlong(CellPlace first, const PaletteTemplate& stamp, CellPlace last, CellPlace mouse);

} // namespace vexa
