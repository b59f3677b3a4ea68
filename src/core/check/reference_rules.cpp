// The rules about what a line names: triggers, countries and cells.
#include "core/check/rules.h"

#include "core/document/countries.h"
#include "core/placement/integers.h"

#include <unordered_set>

namespace vexa {

namespace {

// Calls visit(paneLine, key, fields) for every key=value line of a format's pane.
template <typename Visit>
void forEachEntry(Checker& checker, const LineFormat& format, Visit&& visit)
{
    checker.forEachLine(format.pane, [&](std::size_t i, const BodyLine& line) {
        if (line.isKeyValue())
            visit(i, line.key, Fields(line.value));
    });
}

std::unordered_set<std::string_view> triggerNamesOf(const Checker& checker)
{
    std::unordered_set<std::string_view> names;
    names.reserve(checker.scenario().pane(PaneId::Trigs).lineCount());
    checker.forEachLine(PaneId::Trigs, [&](std::size_t, const BodyLine& line) {
        if (line.isKeyValue())
            names.insert(line.key);
    });
    return names;
}

// The playable rectangle of [Map], when its four numbers are there.
struct PlayableArea {
    std::int32_t x, y, width, height;

    bool holds(std::int32_t cell) const
    {
        const std::int32_t column = cell % kCellsPerRow;
        const std::int32_t row = cell / kCellsPerRow;
        return column >= x && column - x < width && row >= y && row - y < height;
    }
    std::string text() const
    {
        return "x " + std::to_string(x) + " to " + std::to_string(std::int64_t{x} + width - 1) + ", y "
            + std::to_string(y) + " to " + std::to_string(std::int64_t{y} + height - 1);
    }
};

std::optional<PlayableArea> playableArea(const Scenario& scenario)
{
    const auto x = parseInteger(trimBlanks(scenario.field(FieldId::X)));
    const auto y = parseInteger(trimBlanks(scenario.field(FieldId::Y)));
    const auto width = parseInteger(trimBlanks(scenario.field(FieldId::Width)));
    const auto height = parseInteger(trimBlanks(scenario.field(FieldId::Height)));
    if (!x || !y || !width || !height)
        return std::nullopt;
    return PlayableArea{*x, *y, *width, *height};
}

// An error for a cell off the 128 x 128 map; a warning for one off the playable area
// where the format's objects must stand inside it. Gives whether the cell is on the map.
void checkCell(const Rule& rule, Checker& checker, PaneId pane, std::size_t line, std::string_view text,
               const std::optional<PlayableArea>& area)
{
    const std::optional<std::int32_t> cell = parseInteger(text);
    if (!cell) {
        checker.report(rule, pane, line, "The cell " + quoted(text) + " is no cell number (0 to 16383).");
    } else if (*cell < 0 || *cell > kLastCell) {
        checker.report(rule, pane, line, "The cell " + std::to_string(*cell) + " is outside the map (0 to 16383).");
    } else if (area && !area->holds(*cell)) {
        checker.report(rule, Severity::Warning, pane, line,
                       "The cell " + std::to_string(*cell) + " (x " + std::to_string(*cell % kCellsPerRow) + ", y "
                           + std::to_string(*cell / kCellsPerRow) + ") is outside the playable area of [Map] ("
                           + area->text() + ").");
    }
}

bool isCountryNumber(std::string_view text)
{
    const std::optional<std::int32_t> number = parseInteger(text);
    return number && *number >= 0 && static_cast<std::size_t>(*number) < kCountryCount;
}

void reportCountryName(const Rule& rule, Checker& checker, PaneId pane, std::size_t line, std::string_view name)
{
    if (!countryIndex(name))
        checker.report(rule, pane, line, "The country " + quoted(name) + " is not one of the twenty countries.");
}

} // namespace

void checkUnknownTriggers(const Rule& rule, Checker& checker)
{
    const std::unordered_set<std::string_view> names = triggerNamesOf(checker);
    for (const LineFormat& format : kLineFormats) {
        if (!format.triggerField || format.pane == PaneId::Trigs)
            continue;
        forEachEntry(checker, format, [&](std::size_t i, std::string_view, const Fields& fields) {
            if (!hasField(format, fields, *format.triggerField))
                return;
            const std::string_view trigger = fields[*format.triggerField];
            if (trigger != "None" && !names.contains(trigger))
                checker.report(rule, format.pane, i, "The trigger " + quoted(trigger)
                                                         + " is neither None nor a trigger of [Trigs].");
        });
    }
}

void checkCountries(const Rule& rule, Checker& checker)
{
    for (const LineFormat& format : kLineFormats) {
        if (!format.countryField)
            continue;
        forEachEntry(checker, format, [&](std::size_t i, std::string_view, const Fields& fields) {
            if (!hasField(format, fields, *format.countryField))
                return;
            const std::string_view country = fields[*format.countryField];
            if (format.countryForm == CountryForm::Name)
                reportCountryName(rule, checker, format.pane, i, country);
            else if (!isCountryNumber(country))
                checker.report(rule, format.pane, i, "The country number " + quoted(country)
                                                         + " is not one of the twenty countries (0 to 19).");
        });
    }
    checker.forEachLine(PaneId::Base, [&](std::size_t i, const BodyLine& line) {
        if (line.isKeyValue() && line.key == "Player")
            reportCountryName(rule, checker, PaneId::Base, i, line.value);
    });
    const std::string_view player = trimBlanks(checker.scenario().field(FieldId::Player));
    if (!player.empty() && !countryIndex(player))
        checker.report(rule, FieldId::Player, "The player " + quoted(player) + " is not one of the twenty countries.");
}

void checkCellsOnMap(const Rule& rule, Checker& checker)
{
    const std::optional<PlayableArea> area = playableArea(checker.scenario());
    for (const LineFormat& format : kLineFormats) {
        const std::optional<PlayableArea> mustHold = format.insidePlayableArea ? area : std::nullopt;
        if (!format.keyIsCell && !format.cellField)
            continue;
        forEachEntry(checker, format, [&](std::size_t i, std::string_view key, const Fields& fields) {
            if (format.keyIsCell)
                checkCell(rule, checker, format.pane, i, key, mustHold);
            // A smudge repeats its cell: only a second, different cell needs a word.
            if (format.cellField && hasField(format, fields, *format.cellField)
                && !(format.keyIsCell && fields[*format.cellField] == key))
                checkCell(rule, checker, format.pane, i, fields[*format.cellField], mustHold);
        });
    }
    checker.forEachLine(PaneId::Base, [&](std::size_t i, const BodyLine& line) {
        if (!line.isKeyValue() || isBaseHeaderKey(line.key))
            return;
        const Fields fields(line.value);
        if (fields.count() == 2)
            checkCell(rule, checker, PaneId::Base, i, fields[1], std::nullopt);
    });
}

} // namespace vexa
