#pragma once

#include "core/forms/menu_table.h"
#include "core/map/map_edits.h"
#include "core/map/thing_properties.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

struct Scenario;

// What a thing placed by a click takes besides its kind, type and cell.
struct PlaceChoices {
    std::string country;
    std::string health;
    std::string direction;
    std::string order;
    std::string trigger;

    bool operator==(const PlaceChoices&) const = default;
};

// The values last written in the properties panel, by field; nothing for a field not yet used.
using LastUsedFields = std::array<std::optional<std::string>, kThingFieldCount>;

// The last used values, and for fields not yet used: the [Basic] page's player (Multi1
// without one), health 256, direction 0, order Guard, trigger None.
PlaceChoices placeChoices(const Scenario& scenario, const LastUsedFields& lastUsed);

// The kinds a click places: structures, units, ships, infantry, terrain, smudge, overlay.
bool isPlacedByClick(ThingKind kind);

// The Create dialog's type menus of a kind placed by a click; nullptr for the other kinds.
const MenuTable* typeMenus(ThingKind kind);

// One new line of the kind at the cell, as the kind's Create dialog writes it for a run of
// that one cell (numbered as Create numbers, without a comment). A soldier takes the first
// sub-position of its cell that no soldier holds. Refused, with the reason: a kind placed
// otherwise, a cell off the map, a type the panel would refuse, a sixth soldier in a cell,
// a terrain, smudge or overlay on a cell its section holds already.
MapEdit placedThing(const Scenario& scenario, ThingKind kind, std::string_view type, std::int32_t cell,
                    const PlaceChoices& choices);

} // namespace vexa
