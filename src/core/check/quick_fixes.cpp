#include "core/check/quick_fixes.h"

#include "core/check/rules.h"
#include "core/document/body_line.h"
#include "core/document/line_formats.h"

#include <algorithm>

namespace vexa {

namespace {

void setPart(PaneChange& change, std::size_t line, LinePart part, const std::string& text)
{
    if (part.text != text)
        change.edits.push_back({line, part.at, part.text.size(), text});
}

bool hasKey(const MemoryPane& pane, std::size_t line, std::string_view key)
{
    const BodyLine body = readBodyLine(pane.lineView(line));
    return body.isKeyValue() && body.key.text == key;
}

// The base's Player= and Count= lines, as the buildings dialog writes them.
bool isBaseHeader(const MemoryPane& base, std::size_t playerLine, std::size_t countLine)
{
    return hasKey(base, playerLine, kBasePlayerKey) && hasKey(base, countLine, kBaseCountKey);
}

enum class FixKind { Renumber, Recount, MoveTeamTypes };

// Which fix a finding has, found without making it: the panel asks on every selection.
std::optional<FixKind> fixKindFor(const Finding& finding, const Scenario& scenario)
{
    if (!finding.pane || !finding.paneLine)
        return std::nullopt;
    const PaneId pane = *finding.pane;
    const MemoryPane& base = scenario.pane(PaneId::Base);
    if (finding.rule == "duplicate-key" && isNumberedByLine(pane))
        return FixKind::Renumber;
    if (finding.rule == "base-count" && base.lineCount() >= 2 && isBaseHeader(base, 0, 1))
        return FixKind::Recount;
    if (finding.rule == "team-type-section" && pane == PaneId::Rules)
        return FixKind::MoveTeamTypes;
    return std::nullopt;
}

std::string titleOf(FixKind kind)
{
    switch (kind) {
    case FixKind::Renumber: return "Renumber this section";
    case FixKind::Recount: return "Recount the base";
    case FixKind::MoveTeamTypes: return "Move into " + std::string(paneHeader(PaneId::TeamType));
    }
    return {};
}

} // namespace

bool isNumberedByLine(PaneId pane)
{
    const LineFormat* format = formatOf(pane);
    return format && format->keyIsLineNumber;
}

PaneChange renumberedSection(PaneId pane, const MemoryPane& lines, const std::vector<std::size_t>& removedLines)
{
    PaneChange change{pane, {}, removedLines, {}};
    forEachRemainingLine(lines.lineCount(), removedLines, [&](std::size_t line, std::size_t number) {
        const BodyLine body = readBodyLine(lines.lineView(line));
        if (body.isKeyValue())
            setPart(change, line, body.key, std::to_string(number));
    });
    return change;
}

std::optional<PaneChange> recountedBase(const MemoryPane& base, const std::vector<std::size_t>& removedLines)
{
    std::vector<std::size_t> remaining;
    forEachRemainingLine(base.lineCount(), removedLines, [&](std::size_t line, std::size_t) { remaining.push_back(line); });
    if (remaining.size() < 2 || !isBaseHeader(base, remaining[0], remaining[1]))
        return std::nullopt;
    PaneChange change{PaneId::Base, {}, removedLines, {}};
    std::size_t entries = 0;
    for (std::size_t i = 2; i < remaining.size(); ++i) {
        const BodyLine body = readBodyLine(base.lineView(remaining[i]));
        if (body.isKeyValue() && !isBaseHeaderKey(body.key.text))
            setPart(change, remaining[i], body.key, baseEntryKey(entries++));
    }
    setPart(change, remaining[1], readBodyLine(base.lineView(remaining[1])).value, std::to_string(entries));
    std::sort(change.edits.begin(), change.edits.end(), [](const LineEdit& a, const LineEdit& b) { return a.line < b.line; });
    return change;
}

std::vector<PaneChange> movedTeamTypeSection(const Scenario& scenario, std::size_t headerLine)
{
    const MemoryPane& rules = scenario.pane(PaneId::Rules);
    std::size_t end = headerLine + 1;
    while (end < rules.lineCount() && !isSectionHeaderLine(rules.lineView(end)))
        ++end;
    PaneChange out{PaneId::Rules, {}, {}, {}};
    PaneChange in{PaneId::TeamType, {}, {}, {}};
    // The reader puts one empty line between sections: it goes with the section, the one
    // after it or, for the last section, the one before it.
    const bool last = end == rules.lineCount();
    if (last && headerLine > 0 && rules.lineView(headerLine - 1).empty())
        out.removedLines.push_back(headerLine - 1);
    for (std::size_t i = headerLine; i < end; ++i) {
        out.removedLines.push_back(i);
        if (i > headerLine && !rules.lineView(i).empty())
            in.appendedLines.emplace_back(rules.lineView(i));
    }
    return {out, in};
}

std::optional<std::string> quickFixTitle(const Finding& finding, const Scenario& scenario)
{
    const auto kind = fixKindFor(finding, scenario);
    return kind ? std::optional(titleOf(*kind)) : std::nullopt;
}

std::optional<QuickFix> quickFixFor(const Finding& finding, const Scenario& scenario)
{
    const auto kind = fixKindFor(finding, scenario);
    if (!kind)
        return std::nullopt;
    switch (*kind) {
    case FixKind::Renumber:
        return QuickFix{titleOf(*kind), {renumberedSection(*finding.pane, scenario.pane(*finding.pane))}};
    case FixKind::Recount:
        return QuickFix{titleOf(*kind), {*recountedBase(scenario.pane(PaneId::Base))}};
    case FixKind::MoveTeamTypes:
        return QuickFix{titleOf(*kind), movedTeamTypeSection(scenario, *finding.paneLine)};
    }
    return std::nullopt;
}

} // namespace vexa
