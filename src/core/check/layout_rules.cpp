// The rules about the shape of sections: keys, numbering and fields.
#include "core/check/rules.h"

#include "core/placement/integers.h"

#include <unordered_map>

namespace vexa {

namespace {

// The keyed sections in which every key must be unique.
constexpr PaneId kKeyedPanes[] = {
    PaneId::Structures, PaneId::Units, PaneId::Ships, PaneId::Infantry, PaneId::Terrain, PaneId::Smudge,
    PaneId::Overlay, PaneId::Base, PaneId::Waypoints, PaneId::CellTriggers, PaneId::Trigs, PaneId::TeamType,
};

const LineFormat* formatOf(PaneId pane)
{
    for (const LineFormat& format : kLineFormats) {
        if (format.pane == pane)
            return &format;
    }
    return nullptr;
}

void checkMalformedLines(const Rule& rule, Checker& checker, PaneId pane)
{
    const LineFormat* format = formatOf(pane);
    checker.forEachLine(pane, [&](std::size_t i, const BodyLine& line) {
        if (line.kind == BodyLine::Kind::Malformed) {
            checker.report(rule, pane, i, "The line " + quoted(trimBlanks(checker.scenario().pane(pane).lineView(i)))
                                              + " is neither blank, a comment nor key=value.");
        } else if (line.isKeyValue() && format && format->fieldCount) {
            const std::size_t count = Fields(line.value).count();
            if (count != *format->fieldCount)
                checker.report(rule, pane, i, "The line for key " + quoted(line.key) + " has " + std::to_string(count)
                                                  + " fields where " + std::string(paneHeader(pane)) + " needs "
                                                  + std::to_string(*format->fieldCount) + ".");
        }
    });
}

// The country pane holds whole sections: a header opens each.
void checkCountryBodyLines(const Rule& rule, Checker& checker)
{
    const MemoryPane& pane = checker.scenario().pane(PaneId::Country);
    std::string_view section;
    for (std::size_t i = 0; i < pane.lineCount(); ++i) {
        const std::string_view text = pane.lineView(i);
        if (!text.empty() && text.front() == '[') {
            section = text;
        } else if (readBodyLine(text).kind == BodyLine::Kind::Malformed) {
            checker.report(rule, rule.severity, PaneId::Country, i,
                           "The line " + quoted(trimBlanks(text)) + " is neither blank, a comment nor key=value.",
                           section);
        }
    }
}

} // namespace

bool hasField(const LineFormat& format, const Fields& fields, std::size_t index)
{
    if (format.fieldCount && fields.count() != *format.fieldCount)
        return false;
    return index < fields.count() && index < Fields::kMaxFields;
}

std::string baseEntryKey(std::size_t k)
{
    std::string digits = std::to_string(k);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return digits;
}

bool isBaseHeaderKey(std::string_view key)
{
    return key == "Player" || key == "Count";
}

void checkDuplicateKeys(const Rule& rule, Checker& checker)
{
    std::unordered_map<std::string_view, std::size_t> firstLineOf;
    for (PaneId pane : kKeyedPanes) {
        firstLineOf.clear();
        firstLineOf.reserve(checker.scenario().pane(pane).lineCount());
        checker.forEachLine(pane, [&](std::size_t i, const BodyLine& line) {
            if (!line.isKeyValue())
                return;
            const auto [first, isNew] = firstLineOf.try_emplace(line.key, i);
            if (!isNew)
                checker.report(rule, pane, i, "The key " + quoted(line.key) + " is already used on "
                                                  + checker.lineName(pane, first->second) + ".");
        });
    }
}

void checkBaseCount(const Rule& rule, Checker& checker)
{
    std::size_t entries = 0;
    std::optional<std::size_t> firstEntryLine;
    std::optional<std::size_t> countLine;
    std::string_view countText;
    bool misnumberedReported = false;
    checker.forEachLine(PaneId::Base, [&](std::size_t i, const BodyLine& line) {
        if (!line.isKeyValue() || line.key == "Player")
            return;
        if (line.key == "Count") {
            countLine = i;
            countText = line.value;
            return;
        }
        // The game looks the entries up by number: after a gap it finds none of the rest.
        const std::string expected = baseEntryKey(entries);
        if (line.key != expected && !misnumberedReported) {
            checker.report(rule, PaneId::Base, i, "The base entry " + quoted(line.key) + " should be numbered "
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

void checkFieldCounts(const Rule& rule, Checker& checker)
{
    for (std::size_t i = 0; i < kPaneCount; ++i) {
        const auto pane = static_cast<PaneId>(i);
        if (!collectsSections(pane))
            checkMalformedLines(rule, checker, pane);
    }
    checkCountryBodyLines(rule, checker);
}

} // namespace vexa
