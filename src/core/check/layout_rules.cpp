// The rules about the shape of the file and its sections: keys, numbering and fields.
#include "core/check/rules.h"

#include "core/placement/integers.h"

#include <algorithm>

namespace vexa {

namespace {

// The keyed sections in which every key must be unique.
constexpr PaneId kKeyedPanes[] = {
    PaneId::Structures, PaneId::Units, PaneId::Ships, PaneId::Infantry, PaneId::Terrain, PaneId::Smudge,
    PaneId::Overlay, PaneId::Base, PaneId::Waypoints, PaneId::CellTriggers, PaneId::Trigs, PaneId::TeamType,
};

std::string notKeyValue(std::string_view text)
{
    return "The line " + quoted(trimBlanks(text)) + " is neither blank, a comment nor key=value.";
}

} // namespace

bool hasField(const LineAt& line, std::optional<std::size_t> index)
{
    if (!index || !line.body.isKeyValue())
        return false;
    if (line.format && line.format->fieldCount && line.fields.count() != *line.format->fieldCount)
        return false;
    return *index < line.fields.count() && *index < Fields::kMaxFields;
}

std::string baseEntryKey(std::size_t k)
{
    std::string digits = std::to_string(k);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return digits;
}

void duplicateKeyOnLine(const Rule& rule, Checker& checker, const LineAt& line)
{
    if (!line.body.isKeyValue() || std::find(std::begin(kKeyedPanes), std::end(kKeyedPanes), line.pane) == std::end(kKeyedPanes))
        return;
    if (const auto first = checker.firstUseOfKey(line))
        checker.report(rule, line.pane, line.index, "The key " + quoted(line.body.key.text) + " is already used on "
                                                        + checker.lineName(line.pane, *first) + ".");
}

void checkBaseCount(const Rule& rule, Checker& checker)
{
    std::size_t entries = 0;
    std::optional<std::size_t> firstEntryLine;
    std::optional<std::size_t> countLine;
    std::string_view countText;
    bool misnumberedReported = false;
    checker.forEachLine(PaneId::Base, [&](std::size_t i, const BodyLine& line) {
        if (!line.isKeyValue() || line.key.text == kBasePlayerKey)
            return;
        if (line.key.text == kBaseCountKey) {
            countLine = i;
            countText = line.value.text;
            return;
        }
        // The game looks the entries up by number: after a gap it finds none of the rest.
        const std::string expected = baseEntryKey(entries);
        if (line.key.text != expected && !misnumberedReported) {
            checker.report(rule, PaneId::Base, i, "The base entry " + quoted(line.key.text) + " should be numbered "
                                                      + quoted(expected) + " to follow in order from 000.");
            misnumberedReported = true;
        }
        if (!firstEntryLine)
            firstEntryLine = i;
        ++entries;
    });
    const std::string holds = "[Base] holds " + std::to_string(entries) + (entries == 1 ? " entry" : " entries");
    if (!countLine) {
        if (firstEntryLine)
            checker.report(rule, PaneId::Base, *firstEntryLine, holds + " but has no Count.");
        return;
    }
    const std::optional<std::int32_t> count = parseInteger(countText);
    if (!count || *count < 0 || static_cast<std::size_t>(*count) != entries)
        checker.report(rule, PaneId::Base, *countLine, "Count=" + std::string(countText) + " but " + holds + ".");
}

void fieldCountOnLine(const Rule& rule, Checker& checker, const LineAt& line)
{
    if (line.body.kind == BodyLine::Kind::Malformed) {
        checker.report(rule, line.pane, line.index, notKeyValue(checker.scenario().pane(line.pane).lineView(line.index)));
        return;
    }
    if (!line.body.isKeyValue() || !line.format || !line.format->fieldCount)
        return;
    const std::size_t wanted = *line.format->fieldCount;
    if (line.fields.count() != wanted)
        checker.report(rule, line.pane, line.index,
                       "The line for key " + quoted(line.body.key.text) + " has " + std::to_string(line.fields.count())
                           + " fields where " + std::string(paneHeader(line.pane)) + " needs "
                           + std::to_string(wanted) + ".");
}

// The country pane holds whole sections: a header opens each.
void checkCountryBodyLines(const Rule& rule, Checker& checker)
{
    const MemoryPane& pane = checker.scenario().pane(PaneId::Country);
    std::string_view section;
    for (std::size_t i = 0; i < pane.lineCount(); ++i) {
        const std::string_view text = pane.lineView(i);
        if (isSectionHeaderLine(text))
            section = text;
        else if (readBodyLine(text).kind == BodyLine::Kind::Malformed)
            checker.report(rule, rule.severity, PaneId::Country, i, notKeyValue(text), section);
    }
}

// An old spelling of the team type header: the reader keeps such a section among the
// rules, where the game never looks for team types.
void checkTeamTypeSection(const Rule& rule, Checker& checker)
{
    const MemoryPane& rules = checker.scenario().pane(PaneId::Rules);
    for (std::size_t i = 0; i < rules.lineCount(); ++i) {
        if (rules.lineView(i) == kOldTeamTypeHeader)
            checker.report(rule, rule.severity, PaneId::Rules, i,
                           "The game reads team types from " + std::string(paneHeader(PaneId::TeamType))
                               + "; this section is ignored.",
                           kOldTeamTypeHeader);
    }
}

// The reader skips the mark and saving drops it, but the file as it is hides its first
// header from the game.
void checkByteOrderMark(const Rule& rule, Checker& checker)
{
    if (checker.sources() && checker.sources()->startedWithByteOrderMark())
        checker.reportOnFileLine(rule, 0,
                                 "The file starts with a UTF-8 byte order mark, which hides its first section from "
                                 "the game; saving it in the editor or with normalize drops the mark.");
}

} // namespace vexa
