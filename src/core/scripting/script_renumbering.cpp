#include "core/scripting/script_renumbering.h"

#include "core/document/scenario.h"
#include "core/placement/integers.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <ranges>
#include <tuple>

namespace vexa {

namespace {

// How many lines a list in the status bar names before it counts the rest.
constexpr std::size_t kLinesNamed = 8;

ReferenceKind referenceKindOf(ScriptKind kind)
{
    return kind == ScriptKind::Trigger ? ReferenceKind::Trigger : ReferenceKind::TeamType;
}

std::string_view wordFor(ScriptKind kind)
{
    return kind == ScriptKind::Trigger ? "trigger" : "team type";
}

std::string entryName(const ScriptEntry& entry)
{
    return std::string(wordFor(entry.kind)) + " " + std::to_string(entry.index) + " '" + entry.name + "'";
}

std::string lineName(const PaneLine& at)
{
    return std::string(paneHeader(at.pane)) + " line " + std::to_string(at.line);
}

// The entry on a pane line, or why there is none.
const ScriptEntry* entryToEdit(const ScriptIndex& index, PaneId pane, std::size_t line, std::string& refusal)
{
    const ScriptEntry* entry = index.entryOnLine(pane, line);
    if (!entry)
        refusal = "Line " + std::to_string(line) + " of " + std::string(paneHeader(pane))
                  + " holds no trigger or team type.";
    return entry;
}

// A reference of the kind that names the edited entry's pane, with a value that names a line.
std::optional<std::size_t> indexNamed(const ScriptReference& reference, ReferenceKind kind)
{
    if (reference.kind != kind || !reference.number || *reference.number < 0)
        return std::nullopt;
    return static_cast<std::size_t>(*reference.number);
}

// The edits of one plan, gathered pane by pane and handed out in the order a PaneChange
// takes them.
class ChangeBuilder {
public:
    void renumber(const ScriptReference& reference, std::int32_t value)
    {
        change(reference.pane).edits.push_back({reference.line, reference.at, reference.length, decimalText(value)});
    }
    void replaceLine(PaneId pane, std::size_t line, std::size_t oldLength, std::string text)
    {
        change(pane).edits.push_back({line, 0, oldLength, std::move(text)});
    }
    void remove(PaneId pane, std::size_t line) { change(pane).removedLines.push_back(line); }

    std::vector<PaneChange> changes() &&
    {
        std::vector<PaneChange> all;
        for (auto& [pane, change] : changes_) {
            std::ranges::sort(change.edits, {}, [](const LineEdit& edit) { return std::tuple(edit.line, edit.at); });
            all.push_back(std::move(change));
        }
        return all;
    }

private:
    PaneChange& change(PaneId pane)
    {
        PaneChange& found = changes_[index(pane)];
        found.pane = pane;
        return found;
    }
    std::map<std::size_t, PaneChange> changes_;
};

// Whether another trigger has the same name, so that names in placed things still find one.
bool nameKeptByAnother(const ScriptIndex& index, const ScriptEntry& trigger)
{
    return std::ranges::any_of(index.triggers(), [&](const ScriptEntry& other) {
        return &other != &trigger && other.name == trigger.name;
    });
}

std::vector<PaneLine> namesOfRemovedTrigger(const ScriptIndex& index, const ScriptEntry& trigger)
{
    std::vector<PaneLine> kept;
    if (nameKeptByAnother(index, trigger))
        return kept;
    for (const ScriptUse& use : index.usesOf(targetOf(trigger))) {
        if (!use.reference)
            kept.push_back({use.pane, use.line});
    }
    return kept;
}

// "[Trigs] line 2, [Trigs] line 5 and 3 more"
template <typename Item, typename Name>
std::string listOf(const std::vector<Item>& items, Name&& name)
{
    std::string text;
    const std::size_t named = std::min(items.size(), kLinesNamed);
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0)
            text += ", ";
        text += name(items[i]);
    }
    if (items.size() > named)
        text += " and " + std::to_string(items.size() - named) + " more";
    return text;
}

} // namespace

Planned<ScriptEditPlan> planDeleteWithReferences(const ScriptIndex& index, PaneId pane, std::size_t line)
{
    Planned<ScriptEditPlan> planned;
    const ScriptEntry* removed = entryToEdit(index, pane, line, planned.refusal);
    if (!removed)
        return planned;
    const ReferenceKind kind = referenceKindOf(removed->kind);
    const std::size_t count = index.entries(removed->kind).size();
    const auto lineAfter = [&](PaneId in, std::size_t at) {
        return PaneLine{in, in == pane && at > line ? at - 1 : at};
    };

    ScriptEditPlan plan;
    plan.done = "deleted " + entryName(*removed);
    ChangeBuilder builder;
    builder.remove(pane, line);
    for (const ScriptKind entriesKind : {ScriptKind::Trigger, ScriptKind::TeamType}) {
        for (const ScriptEntry& entry : index.entries(entriesKind)) {
            if (&entry == removed)
                continue;
            bool renumbered = false;
            for (const ScriptReference& reference : entry.references) {
                const std::optional<std::size_t> named = indexNamed(reference, kind);
                if (!named || *named < removed->index || *named >= count)
                    continue;
                if (*named == removed->index) {
                    builder.renumber(reference, -1);
                    plan.cleared.push_back({lineAfter(reference.pane, reference.line), roleText(reference)});
                } else {
                    builder.renumber(reference, static_cast<std::int32_t>(*named - 1));
                    renumbered = true;
                }
            }
            if (renumbered)
                plan.renumbered.push_back(lineAfter(paneOf(entriesKind), entry.line));
        }
    }
    if (removed->kind == ScriptKind::Trigger)
        plan.keptNames = namesOfRemovedTrigger(index, *removed);
    plan.changes = std::move(builder).changes();
    planned.plan = std::move(plan);
    return planned;
}

Planned<ScriptEditPlan> planMove(const ScriptIndex& index, PaneId pane, std::size_t line, MoveDirection direction)
{
    Planned<ScriptEditPlan> planned;
    const ScriptEntry* moved = entryToEdit(index, pane, line, planned.refusal);
    if (!moved)
        return planned;
    const std::vector<ScriptEntry>& siblings = index.entries(moved->kind);
    const bool up = direction == MoveDirection::Up;
    if (up ? moved->index == 0 : moved->index + 1 == siblings.size()) {
        planned.refusal = "The " + entryName(*moved) + " is the " + (up ? "first" : "last") + " "
                          + std::string(wordFor(moved->kind)) + " already.";
        return planned;
    }
    const ScriptEntry& other = siblings[up ? moved->index - 1 : moved->index + 1];
    const ReferenceKind kind = referenceKindOf(moved->kind);
    // The two change places: each index becomes the other's, and so does each line.
    const auto swapped = [&](std::size_t named) {
        return static_cast<std::int32_t>(named == moved->index ? other.index : moved->index);
    };
    const auto lineAfter = [&](const ScriptEntry& entry) {
        if (&entry == moved)
            return other.line;
        return &entry == &other ? moved->line : entry.line;
    };
    const MemoryPane& lines = index.scenario().pane(pane);

    ScriptEditPlan plan;
    plan.done = "moved " + entryName(*moved) + " " + (up ? "up" : "down") + " to " + std::to_string(other.index);
    ChangeBuilder builder;
    for (const ScriptKind entriesKind : {ScriptKind::Trigger, ScriptKind::TeamType}) {
        for (const ScriptEntry& entry : index.entries(entriesKind)) {
            const bool changesPlace = &entry == moved || &entry == &other;
            std::string text = changesPlace ? std::string(lines.lineView(entry.line)) : std::string();
            bool renumbered = false;
            // From the end of the line, so that each value stands where it was read.
            for (auto at = entry.references.rbegin(); at != entry.references.rend(); ++at) {
                const ScriptReference& reference = *at;
                const std::optional<std::size_t> named = indexNamed(reference, kind);
                if (!named || (*named != moved->index && *named != other.index))
                    continue;
                renumbered = true;
                if (changesPlace)
                    text = withValue(text, reference, swapped(*named));
                else
                    builder.renumber(reference, swapped(*named));
            }
            if (changesPlace)
                builder.replaceLine(pane, lineAfter(entry), lines.lineView(lineAfter(entry)).size(), std::move(text));
            if (renumbered)
                plan.renumbered.push_back({paneOf(entriesKind), lineAfter(entry)});
        }
    }
    std::ranges::sort(plan.renumbered, {}, [](const PaneLine& at) { return std::tuple(vexa::index(at.pane), at.line); });
    plan.changes = std::move(builder).changes();
    plan.movedTo = PaneLine{pane, other.line};
    planned.plan = std::move(plan);
    return planned;
}

std::string describePlan(const ScriptEditPlan& plan)
{
    std::string text = plan.done;
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    text += ".";
    if (plan.renumbered.empty())
        text += " No reference needed renumbering.";
    else
        text += " Renumbered " + listOf(plan.renumbered, lineName) + ".";
    if (!plan.cleared.empty())
        text += " Set to -1: " + listOf(plan.cleared, [](const ClearedReference& cleared) {
                    return lineName(cleared.at) + " (" + cleared.role + ")";
                }) + ".";
    if (!plan.keptNames.empty())
        text += " Kept the trigger name in " + listOf(plan.keptNames, lineName) + ", where it names no trigger now.";
    return text;
}

} // namespace vexa
