#include "core/map/thing_properties.h"

#include "core/document/body_line.h"
#include "core/document/line_formats.h"
#include "core/document/scenario.h"
#include "core/map/thing_lines.h"
#include "core/placement/integers.h"

#include <algorithm>

namespace vexa {

namespace {

constexpr std::array<std::string_view, kThingFieldCount> kFieldNames = {
    "Country", "Type", "Health", "Direction", "Order", "Trigger", "Sub-position",
};

// The highest value the panel takes for a field read as a whole number; nothing for a
// field of free text. Health goes to full health; the infantry dialog's directions go to 258.
std::optional<int> highestNumber(ThingField field)
{
    switch (field) {
    case ThingField::Health: return 256;
    case ThingField::Direction: return 258;
    case ThingField::SubPosition: return 4;
    default: return std::nullopt;
    }
}

// Digits only: no sign, no blank, no '$' as the dialogs' number fields take.
std::optional<std::int32_t> wholeNumber(std::string_view text)
{
    const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits ? parseInteger(text) : std::nullopt;
}

std::optional<std::size_t> objectFieldIndex(const LineFormat& format, ThingField field)
{
    switch (field) {
    case ThingField::Country: return format.countryField;
    case ThingField::Type: return format.typeField;
    case ThingField::Health: return format.healthField;
    case ThingField::Direction: return format.directionField;
    case ThingField::Order: return format.orderField;
    case ThingField::Trigger: return format.triggerField;
    case ThingField::SubPosition: return format.subPositionField;
    }
    return std::nullopt;
}

// The part of a line's value that holds the field, when the line reaches it.
std::optional<LinePart> fieldPart(ThingKind kind, ThingField field, const Fields& fields)
{
    const auto at = fieldIndex(kind, field);
    if (!at || *at >= fields.count())
        return std::nullopt;
    return fields.part(*at);
}

void share(SharedField& shared, std::string_view value)
{
    if (!shared.present)
        shared = SharedField{true, std::string(value)};
    else if (shared.value && *shared.value != value)
        shared.value.reset();
}

} // namespace

std::string_view fieldName(ThingField field)
{
    return kFieldNames[index(field)];
}

std::optional<std::size_t> fieldIndex(ThingKind kind, ThingField field)
{
    if (isPlacedObject(kind))
        return objectFieldIndex(*formatOf(paneOfKind(kind)), field);
    switch (kind) {
    case ThingKind::Terrain:
    case ThingKind::Smudge:
    case ThingKind::Overlay:
        return field == ThingField::Type ? std::optional<std::size_t>(0) : std::nullopt;
    case ThingKind::CellTrigger:
        return field == ThingField::Trigger ? formatOf(PaneId::CellTriggers)->triggerField : std::nullopt;
    case ThingKind::BaseEntry:
        return field == ThingField::Type ? std::optional(kBaseTypeField) : std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<SharedFields> sharedFields(const Scenario& scenario, std::span<const PlacedThing> things)
{
    SharedFields shared;
    for (const PlacedThing& thing : things) {
        const auto line = lineStillPlacing(scenario, thing);
        if (!line)
            return std::nullopt;
        for (std::size_t i = 0; i < kThingFieldCount; ++i) {
            if (const auto part = fieldPart(thing.kind, static_cast<ThingField>(i), line->fields))
                share(shared[i], part->text);
        }
    }
    return shared;
}

std::string fieldRefusal(ThingField field, std::string_view value)
{
    const std::string name(fieldName(field));
    if (trimBlanks(value).empty())
        return name + " needs a value.";
    if (value.find_first_of(",;") != std::string_view::npos)
        return name + " may not hold ',' or ';'.";
    if (const auto highest = highestNumber(field)) {
        const auto number = wholeNumber(value);
        if (!number || *number > *highest)
            return name + " is a whole number from 0 to " + std::to_string(*highest) + ".";
    }
    return {};
}

MapEdit fieldEdited(const Scenario& scenario, std::span<const PlacedThing> things, ThingField field,
                    std::string_view value)
{
    if (std::string refusal = fieldRefusal(field, value); !refusal.empty())
        return MapEdit{{}, std::move(refusal)};
    PaneChanges changes;
    for (const PlacedThing& thing : things) {
        const auto line = lineStillPlacing(scenario, thing);
        if (!line)
            return MapEdit{{}, std::string(kLineChangedSinceSelected)};
        const auto part = fieldPart(thing.kind, field, line->fields);
        if (!part || part->text == value)
            continue;
        changes.edit(thing.pane, LineEdit{thing.line, part->at, part->text.size(), std::string(value)});
    }
    return std::move(changes).edit();
}

} // namespace vexa
