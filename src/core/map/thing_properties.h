#pragma once

#include "core/map/map_edits.h"
#include "core/map/placed_things.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vexa {

struct Scenario;

// The fields of a placed thing's line that the map's properties panel edits by name.
enum class ThingField { Country, Type, Health, Direction, Order, Trigger, SubPosition };
inline constexpr std::size_t kThingFieldCount = 7;
inline constexpr std::size_t index(ThingField field) { return static_cast<std::size_t>(field); }

// The field's name as the panel's label and its messages give it ("Health").
std::string_view fieldName(ThingField field);

// Which comma-separated field of the kind's value holds the field; nothing where the kind
// has no such field. A cell trigger's trigger is its whole value, a waypoint has none to edit.
std::optional<std::size_t> fieldIndex(ThingKind kind, ThingField field);

// What the selected things show of one field: whether any of them has it, and the value
// when all that have it agree (nothing when they differ).
struct SharedField {
    bool present = false;
    std::optional<std::string> value;

    bool operator==(const SharedField&) const = default;
};
using SharedFields = std::array<SharedField, kThingFieldCount>;

// The fields the things share, as their lines read now. Nothing when a thing's line no
// longer places that very thing (the selection is then read again).
std::optional<SharedFields> sharedFields(const Scenario& scenario, std::span<const PlacedThing> things);

// Why a value may not be written into the field; empty when it may. Every field needs a
// value without ',' or ';' (they would split or end the line); health is a whole number
// 0 to 256, a direction 0 to 258, a sub-position 0 to 4.
std::string fieldRefusal(ThingField field, std::string_view value);

// Writes the value into the field of every thing that has it, each line keeping every
// other byte; lines that hold the value already are left alone. Refused when the value is
// (fieldRefusal) or when a thing's line no longer places that very thing.
MapEdit fieldEdited(const Scenario& scenario, std::span<const PlacedThing> things, ThingField field,
                    std::string_view value);

} // namespace vexa
