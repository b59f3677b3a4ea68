// The rules about what a line names: triggers, countries and cells.
#include "core/check/rules.h"

#include "core/document/countries.h"
#include "core/placement/integers.h"

namespace vexa {

namespace {

// An error for a cell off the 128 x 128 map; a warning for one off the playable area
// where the line's objects must stand inside it.
void checkCell(const Rule& rule, Checker& checker, const LineAt& line, std::string_view text,
               std::optional<std::int32_t> cell, bool mustBePlayable)
{
    const std::optional<PlayableArea>& area = checker.mapBounds().area;
    if (!cell) {
        checker.report(rule, line.pane, line.index, "The cell " + quoted(text) + " is no cell number (0 to 16383).");
    } else if (!isMapCell(*cell)) {
        checker.report(rule, line.pane, line.index,
                       "The cell " + std::to_string(*cell) + " is outside the map (0 to 16383).");
    } else if (mustBePlayable && area && !area->holds(*cell)) {
        const CellPlace place = *placeOfCell(*cell);
        checker.report(rule, Severity::Warning, line.pane, line.index,
                       "The cell " + std::to_string(*cell) + " (x " + std::to_string(place.column) + ", y "
                           + std::to_string(place.row) + ") is outside the playable area of [Map] (" + area->text()
                           + ").");
    }
}

bool isCountryNumber(std::string_view text)
{
    const std::optional<std::int32_t> number = parseInteger(text);
    return number && *number >= 0 && static_cast<std::size_t>(*number) < kCountryCount;
}

void reportCountryName(const Rule& rule, Checker& checker, const LineAt& line, std::string_view name)
{
    if (!countryIndex(name))
        checker.report(rule, line.pane, line.index, "The country " + quoted(name) + " is not one of the twenty countries.");
}

} // namespace

void unknownTriggerOnLine(const Rule& rule, Checker& checker, const LineAt& line)
{
    if (!line.thingLine || !line.thingLine->trigger)
        return;
    const std::string_view trigger = *line.thingLine->trigger;
    if (trigger != "None" && !checker.isTriggerName(trigger))
        checker.report(rule, line.pane, line.index,
                       "The trigger " + quoted(trigger) + " is neither None nor a trigger of [Trigs].");
}

// Placed objects name their country; base entries take the base's, which is checked on
// its Player= line; triggers and team types give a number.
void unknownCountryOnLine(const Rule& rule, Checker& checker, const LineAt& line)
{
    if (line.pane == PaneId::Base && line.body.isKeyValue() && line.body.key.text == kBasePlayerKey) {
        reportCountryName(rule, checker, line, line.body.value.text);
        return;
    }
    if (!line.format || !line.format->countryField)
        return;
    if (line.format->countryForm == CountryForm::Name) {
        if (const ThingFields* thing = line.thing())
            reportCountryName(rule, checker, line, thing->country);
        return;
    }
    if (!hasField(line, line.format->countryField))
        return;
    const std::string_view country = line.fields[*line.format->countryField];
    if (!isCountryNumber(country))
        checker.report(rule, line.pane, line.index,
                       "The country number " + quoted(country) + " is not one of the twenty countries (0 to 19).");
}

void checkPlayerCountry(const Rule& rule, Checker& checker)
{
    const std::string_view player = valueText(checker.scenario().field(FieldId::Player));
    if (!player.empty() && !countryIndex(player))
        checker.report(rule, FieldId::Player, "The player " + quoted(player) + " is not one of the twenty countries.");
}

void offMapOnLine(const Rule& rule, Checker& checker, const LineAt& line)
{
    if (!line.thingLine || !line.thingLine->cell)
        return;
    const std::string_view cell = line.thingLine->cell->text;
    const bool mustBePlayable = line.format && line.format->insidePlayableArea;
    const ThingFields* thing = line.thing();
    checkCell(rule, checker, line, cell, thing ? std::optional(thing->cell) : parseInteger(cell), mustBePlayable);
    // A smudge repeats its cell: only a second, different cell needs a word.
    const LineFormat* format = line.format;
    if (format && format->keyIsCell && hasField(line, format->cellField) && line.fields[*format->cellField] != cell)
        checkCell(rule, checker, line, line.fields[*format->cellField], parseInteger(line.fields[*format->cellField]),
                  false);
}

// A playable area off the map is no playable area: said once, on the field that takes it
// off, and then no cell is held against it.
void checkMapBounds(const Rule& rule, Checker& checker)
{
    const MapBounds& bounds = checker.mapBounds();
    if (bounds.state != MapBounds::State::OutOfRange)
        return;
    checker.report(rule, Severity::Warning, bounds.badField,
                   "The playable area of [Map] does not lie inside the 128 x 128 map, so no cell is checked "
                   "against it.");
}

} // namespace vexa
