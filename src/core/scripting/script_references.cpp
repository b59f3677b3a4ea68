#include "core/scripting/script_references.h"

#include "core/document/body_line.h"
#include "core/document/countries.h"
#include "core/document/scenario.h"
#include "core/map/placed_things.h"
#include "core/placement/integers.h"
#include "core/document/line_formats.h"
#include "core/scripting/team_type_line.h"
#include "core/scripting/team_type_vocabulary.h"
#include "core/scripting/trigger_line.h"

#include <algorithm>
#include <span>
#include <tuple>

namespace vexa {

namespace {

constexpr std::uint32_t kNoEntry = UINT32_MAX;

// The panes whose lines name a trigger: placed things and cell triggers.
const std::vector<PaneId>& panesNamingTriggers()
{
    static const std::vector<PaneId> panes = [] {
        std::vector<PaneId> found;
        for (const LineFormat& format : kLineFormats) {
            if (format.triggerField && kindInPane(format.pane))
                found.push_back(format.pane);
        }
        return found;
    }();
    return panes;
}

std::string placeName(std::size_t field)
{
    return "value " + std::to_string(field + 1);
}

ScriptReference referenceAt(ReferenceKind kind, PaneId pane, std::size_t line, std::size_t field, LinePart part,
                            std::string_view role, std::string_view prompt, std::size_t ordinal = 0)
{
    return {kind, pane, line, field, part.at, part.text.size(), role, ordinal, prompt, parseInteger(part.text)};
}

// "T1 parameter 1" to "R2 parameter 3", by part and parameter.
constexpr std::array<std::array<std::string_view, 3>, 4> kParameterRoles = {{
    {"T1 parameter 1", "T1 parameter 2", ""},
    {"T2 parameter 1", "T2 parameter 2", ""},
    {"R1 parameter 1", "R1 parameter 2", "R1 parameter 3"},
    {"R2 parameter 1", "R2 parameter 2", "R2 parameter 3"},
}};

// What a trigger parameter means, by the label its composer gives it.
ReferenceKind kindOfPrompt(std::string_view prompt)
{
    if (prompt == "Teamtype #:" || prompt == "Team #:")
        return ReferenceKind::TeamType;
    if (prompt == "Trigger #:")
        return ReferenceKind::Trigger;
    if (prompt == "Waypoint:" || prompt == kWaypointLabel)
        return ReferenceKind::Waypoint;
    if (prompt == "Country #:" || prompt == "Contry #:")
        return ReferenceKind::Country;
    if (prompt == "Global #:")
        return ReferenceKind::Global;
    return ReferenceKind::Number;
}

// What an order's parameter means, by the words in brackets of its caption in the Orders menu.
ReferenceKind kindOfOrderCaption(std::string_view caption)
{
    const std::size_t open = caption.rfind('(');
    const std::string_view what = open == std::string_view::npos ? std::string_view{} : caption.substr(open + 1);
    if (what.starts_with("Waypoint"))
        return ReferenceKind::Waypoint;
    if (what.starts_with("Country"))
        return ReferenceKind::Country;
    if (what.starts_with("Cell"))
        return ReferenceKind::Cell;
    if (what.starts_with("Global"))
        return ReferenceKind::Global;
    return ReferenceKind::Number;
}

// What one parameter of an event or action reads: a parameter whose label the entry's slot
// changes is one it reads.
struct ParameterRead {
    bool reads = false;
    ReferenceKind kind = ReferenceKind::Number;
    std::string_view prompt;  // the label the slot gives it
};
using CodeReads = std::array<ParameterRead, 3>;

// What each event or action reads, worked out once from the menus by their slot rule so
// that reading a line compares no labels; indexed by code.
std::vector<std::optional<CodeReads>> codeReadsOf(TriggerPart part)
{
    std::vector<std::optional<CodeReads>> byCode;
    for (const MenuItem& item : part == TriggerPart::Event ? std::span<const MenuItem>(kEvents)
                                                           : std::span<const MenuItem>(kActions)) {
        const auto number = static_cast<std::size_t>(*parseInteger(item.code));
        byCode.resize(std::max(byCode.size(), number + 1));
        const ParameterFill fill = fillParameters(part, item);
        CodeReads reads;
        for (std::size_t p = 0; p < fill.parameters.size(); ++p) {
            const std::string_view label = fill.parameters[p].label;
            reads[p] = {label != kParameterLabels[p], kindOfPrompt(label), label};
        }
        byCode[number] = reads;
    }
    return byCode;
}

// What the event or action of that code reads, or nothing for a code no menu offers (the
// game reads the code as a number: "07" is 7).
const CodeReads* codeReadsFor(TriggerPart part, std::string_view code)
{
    static const std::vector<std::optional<CodeReads>> events = codeReadsOf(TriggerPart::Event);
    static const std::vector<std::optional<CodeReads>> actions = codeReadsOf(TriggerPart::Action);
    const std::vector<std::optional<CodeReads>>& byCode = part == TriggerPart::Event ? events : actions;
    const std::optional<std::int32_t> number = parseInteger(code);
    if (!number || *number < 0 || static_cast<std::size_t>(*number) >= byCode.size() || !byCode[*number])
        return nullptr;
    return &*byCode[static_cast<std::size_t>(*number)];
}

// An order of the Orders menu and what its parameter means.
struct OrderRead {
    const MenuItem* item = nullptr;
    ReferenceKind kind = ReferenceKind::Number;
};

// The order whose code the text is, as teamOrderEntry finds it, from a table worked out
// once; nothing for a code the menu lacks.
const OrderRead* orderReadFor(std::string_view code)
{
    static const std::vector<OrderRead> byCode = [] {
        std::vector<OrderRead> built;
        for (const MenuItem& item : teamOrders()) {
            const auto number = static_cast<std::size_t>(*parseInteger(item.code));
            built.resize(std::max(built.size(), number + 1));
            built[number] = {&item, kindOfOrderCaption(item.caption)};
        }
        return built;
    }();
    const std::optional<std::int32_t> number = parseInteger(code);
    if (!number || *number < 0 || static_cast<std::size_t>(*number) >= byCode.size())
        return nullptr;
    const OrderRead& read = byCode[static_cast<std::size_t>(*number)];
    // The menu knows each code in one spelling only: "03" is no order.
    return read.item && read.item->code == code ? &read : nullptr;
}

// Where a reader puts what keeps a line from reading as its composer writes it: nowhere
// when only the references are wanted, and then no sentence is written.
class Problems {
public:
    explicit Problems(std::vector<std::string>* problems) : problems_(problems) {}
    bool wanted() const { return problems_ != nullptr; }
    template <typename Words>
    void add(Words&& words)
    {
        if (problems_)
            problems_->push_back(words());
    }

private:
    std::vector<std::string>* problems_;
};

std::string wordFor(std::string_view text)
{
    return inQuotes(text) + " where a number goes";
}

// The parameters of one event or action that its entry's slot names: those are the ones it
// reads.
void readTriggerPart(std::size_t which, const std::vector<LinePart>& fields, ScriptEntry& entry)
{
    const TriggerPartLayout& part = kTriggerParts[which];
    if (part.codeField >= fields.size())
        return;
    const CodeReads* reads = codeReadsFor(part.part, fields[part.codeField].text);
    if (!reads)
        return;
    for (std::size_t p = 0; p < parameterCount(part.part); ++p) {
        const ParameterRead& read = (*reads)[p];
        const std::size_t field = part.codeField + 1 + p;
        if (!read.reads || field >= fields.size())
            continue;
        entry.references.push_back(referenceAt(read.kind, PaneId::Trigs, entry.line, field, fields[field],
                                               kParameterRoles[which][p], read.prompt));
    }
}

void readTriggerProblems(const std::vector<LinePart>& fields, Problems& problems)
{
    if (fields.size() != kTriggerValueCount)
        problems.add([&] {
            return "It has " + std::to_string(fields.size()) + " values where a trigger has "
                   + std::to_string(kTriggerValueCount) + ".";
        });
    for (std::size_t i = 0; i < fields.size() && i < kTriggerValueCount; ++i) {
        if (!parseInteger(fields[i].text))
            problems.add([&] { return "Its " + placeName(i) + " is " + wordFor(fields[i].text) + "."; });
    }
    if (fields.size() > kTriggerRepeatField && !repeatModeOf(fields[kTriggerRepeatField].text))
        problems.add([&] {
            return "Its repeat value " + inQuotes(fields[kTriggerRepeatField].text) + " is none of 0 to 2.";
        });
    if (fields.size() > kTriggerActivationField + 1
        && !activationModeOf(fields[kTriggerActivationField].text, fields[kTriggerActivationField + 1].text))
        problems.add([&] {
            return "Its activation " + std::string(fields[kTriggerActivationField].text) + ","
                   + std::string(fields[kTriggerActivationField + 1].text)
                   + " is written by no button of the composer.";
        });
    for (const TriggerPartLayout& part : kTriggerParts) {
        if (part.codeField < fields.size() && !codeReadsFor(part.part, fields[part.codeField].text))
            problems.add([&] {
                return "Its " + std::string(part.name) + " code " + inQuotes(fields[part.codeField].text)
                       + " is offered by no menu of the composer.";
            });
    }
}

void readTrigger(const std::vector<LinePart>& fields, ScriptEntry& entry, Problems& problems)
{
    if (problems.wanted())
        readTriggerProblems(fields, problems);
    if (kTriggerCountryField < fields.size())
        entry.references.push_back(referenceAt(ReferenceKind::Country, PaneId::Trigs, entry.line, kTriggerCountryField,
                                               fields[kTriggerCountryField], "country", "Country:"));
    for (std::size_t which = 0; which < kTriggerParts.size(); ++which)
        readTriggerPart(which, fields, entry);
}

// "CODE:VALUE": the two parts, blanks trimmed, placed in the line; nothing without a colon.
std::optional<std::pair<LinePart, LinePart>> splitEntry(LinePart field)
{
    const std::size_t colon = field.text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto part = [&](std::size_t from, std::size_t to) {
        const std::string_view raw = field.text.substr(from, to - from);
        const std::string_view trimmed = trimBlanks(raw);
        const std::size_t lead = trimmed.empty() ? 0 : static_cast<std::size_t>(trimmed.data() - raw.data());
        return LinePart{field.at + from + lead, trimmed};
    };
    return std::pair{part(0, colon), part(colon + 1, field.text.size())};
}

// A count of entries and the entries after it, from `first`; the field after them, or
// nothing when the line ends too soon or the count is no count.
template <typename Take>
std::optional<std::size_t> readEntryList(const std::vector<LinePart>& fields, std::size_t first,
                                         std::string_view what, Problems& problems, Take&& take)
{
    if (first >= fields.size()) {
        problems.add([&] { return "It ends before its count of " + std::string(what) + "."; });
        return std::nullopt;
    }
    const std::optional<std::int32_t> count = parseInteger(fields[first].text);
    if (!count || *count < 0) {
        problems.add([&] {
            return "Its count of " + std::string(what) + " is " + inQuotes(fields[first].text) + ", no count.";
        });
        return std::nullopt;
    }
    const std::size_t available = fields.size() - first - 1;
    if (static_cast<std::size_t>(*count) > available) {
        problems.add([&] {
            return "It counts " + std::to_string(*count) + " " + std::string(what) + " but holds only "
                   + std::to_string(available) + " more values.";
        });
    }
    const std::size_t end = first + 1 + std::min<std::size_t>(static_cast<std::size_t>(*count), available);
    for (std::size_t i = first + 1; i < end; ++i) {
        const auto parts = splitEntry(fields[i]);
        if (!parts)
            problems.add([&] { return "Its " + placeName(i) + " " + inQuotes(fields[i].text) + " is no CODE:NUMBER pair."; });
        else
            take(i, parts->first, parts->second);
    }
    return end;
}

void readTeamType(const std::vector<LinePart>& fields, ScriptEntry& entry, Problems& problems)
{
    for (std::size_t i = 0; problems.wanted() && i < fields.size() && i < kTeamTypeUnitCountField; ++i) {
        if (!parseInteger(fields[i].text))
            problems.add([&] { return "Its " + placeName(i) + " is " + wordFor(fields[i].text) + "."; });
    }
    const auto fixed = [&](ReferenceKind kind, std::size_t field, std::string_view role, std::string_view prompt) {
        if (field < fields.size())
            entry.references.push_back(referenceAt(kind, PaneId::TeamType, entry.line, field, fields[field], role, prompt));
    };
    fixed(ReferenceKind::Country, kTeamTypeCountryField, "country", "Country:");
    fixed(ReferenceKind::Waypoint, kTeamTypeWaypointField, "waypoint of appearance", "Waypoint for team appearance:");
    fixed(ReferenceKind::Trigger, kTeamTypeTriggerField, "attached trigger", "Attached trigger(number):");

    const auto unitsEnd = readEntryList(fields, kTeamTypeUnitCountField, "units", problems,
                                        [&](std::size_t, LinePart code, LinePart) {
                                            entry.unitCodes.emplace_back(code.at, code.text.size());
                                        });
    if (!unitsEnd)
        return;
    std::size_t order = 0;
    const auto ordersEnd = readEntryList(fields, *unitsEnd, "orders", problems, [&](std::size_t field, LinePart code,
                                                                                   LinePart parameter) {
        ++order;
        const OrderRead* read = orderReadFor(code.text);
        if (!read || !read->item->fixedParameter.empty())
            return;
        entry.references.push_back(referenceAt(read->kind, PaneId::TeamType, entry.line, field, parameter, "order",
                                               read->item->caption, order));
    });
    if (ordersEnd && *ordersEnd < fields.size())
        problems.add([&] {
            return "It holds " + std::to_string(fields.size() - *ordersEnd) + " values after its last order.";
        });
}

std::uint64_t useKey(ReferenceKind kind, std::int32_t number)
{
    return static_cast<std::uint64_t>(kind) << 32 | static_cast<std::uint32_t>(number);
}

bool within(std::size_t column, std::size_t at, std::size_t length)
{
    return column >= at && column <= at + length;
}

} // namespace

std::string roleText(const ScriptReference& reference)
{
    std::string text(reference.role);
    if (reference.ordinal > 0)
        text += " " + std::to_string(reference.ordinal);
    return text;
}

bool namesLine(ReferenceKind kind)
{
    return kind == ReferenceKind::TeamType || kind == ReferenceKind::Trigger || kind == ReferenceKind::Waypoint;
}

const std::vector<PaneId>& scriptPanes()
{
    static const std::vector<PaneId> panes = [] {
        std::vector<PaneId> all{PaneId::Trigs, PaneId::TeamType, PaneId::Waypoints};
        all.insert(all.end(), panesNamingTriggers().begin(), panesNamingTriggers().end());
        return all;
    }();
    return panes;
}

ScriptTarget targetOf(const ScriptEntry& entry)
{
    return {entry.kind == ScriptKind::Trigger ? ReferenceKind::Trigger : ReferenceKind::TeamType,
            static_cast<std::int32_t>(entry.index)};
}

PaneId paneOf(ScriptKind kind)
{
    return kind == ScriptKind::Trigger ? PaneId::Trigs : PaneId::TeamType;
}

PaneId paneOf(ReferenceKind kind)
{
    switch (kind) {
    case ReferenceKind::TeamType:
        return PaneId::TeamType;
    case ReferenceKind::Waypoint:
        return PaneId::Waypoints;
    default:
        return PaneId::Trigs;
    }
}

std::string withValue(std::string_view line, const ScriptReference& reference, std::int32_t value)
{
    std::string result(line.substr(0, reference.at));
    result += decimalText(value);
    if (reference.at + reference.length < line.size())
        result += line.substr(reference.at + reference.length);
    return result;
}

ScriptTargets::ScriptTargets(const Scenario& scenario)
{
    const auto keyValueLines = [&](PaneId pane, const auto& take) {
        const MemoryPane& lines = scenario.pane(pane);
        for (std::size_t i = 0; i < lines.lineCount(); ++i) {
            const BodyLine body = readBodyLine(lines.lineView(i));
            if (body.isKeyValue())
                take(i, body);
        }
    };
    keyValueLines(PaneId::Trigs, [&](std::size_t, const BodyLine&) { ++triggerCount_; });
    keyValueLines(PaneId::TeamType, [&](std::size_t, const BodyLine&) { ++teamTypeCount_; });
    keyValueLines(PaneId::Waypoints, [&](std::size_t i, const BodyLine& body) {
        if (const std::optional<std::int32_t> number = parseInteger(body.key.text))
            waypointLines_.emplace_back(*number, i);
    });
    // Sorted by number, lines in order within a number: the first of each is kept.
    std::stable_sort(waypointLines_.begin(), waypointLines_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    waypointLines_.erase(std::unique(waypointLines_.begin(), waypointLines_.end(),
                                     [](const auto& a, const auto& b) { return a.first == b.first; }),
                         waypointLines_.end());
}

std::optional<std::size_t> ScriptTargets::waypointLine(std::int32_t number) const
{
    const auto found = std::lower_bound(waypointLines_.begin(), waypointLines_.end(), number,
                                        [](const auto& waypoint, std::int32_t wanted) { return waypoint.first < wanted; });
    if (found == waypointLines_.end() || found->first != number)
        return std::nullopt;
    return found->second;
}

bool ScriptTargets::isValid(const ScriptReference& reference) const
{
    if (!reference.number)
        return false;
    const std::int32_t number = *reference.number;
    if (number < 0)
        return true;
    const auto below = [number](std::size_t count) { return static_cast<std::size_t>(number) < count; };
    switch (reference.kind) {
    case ReferenceKind::TeamType:
        return below(teamTypeCount_);
    case ReferenceKind::Trigger:
        return below(triggerCount_);
    case ReferenceKind::Waypoint:
        return waypointLine(number).has_value();
    case ReferenceKind::Country:
        return below(kCountryCount);
    default:
        return true;
    }
}

void forEachScriptLine(const Scenario& scenario, ScriptKind kind, LineReading reading,
                       const std::function<void(const ScriptEntry&)>& visit)
{
    const MemoryPane& pane = scenario.pane(paneOf(kind));
    ScriptEntry entry;
    entry.kind = kind;
    std::vector<LinePart> fields;
    const bool whole = reading == LineReading::Whole;
    Problems problems(whole ? &entry.problems : nullptr);
    for (std::size_t i = 0; i < pane.lineCount(); ++i) {
        const BodyLine body = readBodyLine(pane.lineView(i));
        if (!body.isKeyValue())
            continue;
        entry.line = i;
        if (whole)
            entry.name.assign(body.key.text);
        entry.references.clear();
        entry.unitCodes.clear();
        entry.problems.clear();
        readAllFields(body, fields);
        if (kind == ScriptKind::Trigger) {
            readTrigger(fields, entry, problems);
        } else {
            readTeamType(fields, entry, problems);
        }
        visit(entry);
        ++entry.index;
    }
}

ScriptIndex::ScriptIndex(const Scenario& scenario)
    : scenario_(scenario)
    , targets_(scenario)
{
    readEntries(ScriptKind::Trigger);
    readEntries(ScriptKind::TeamType);
}

ScriptIndex::~ScriptIndex() = default;

void ScriptIndex::readEntries(ScriptKind kind)
{
    std::vector<ScriptEntry>& entries = kind == ScriptKind::Trigger ? triggers_ : teamTypes_;
    std::vector<std::uint32_t>& ofLine = kind == ScriptKind::Trigger ? triggerOfLine_ : teamTypeOfLine_;
    ofLine.assign(scenario_.pane(paneOf(kind)).lineCount(), kNoEntry);
    entries.reserve(targets_.count(kind));
    // Copied from the lent entry, each list takes exactly its size.
    forEachScriptLine(scenario_, kind, LineReading::Whole, [&](const ScriptEntry& entry) {
        ofLine[entry.line] = static_cast<std::uint32_t>(entries.size());
        entries.push_back(entry);
    });
}

const std::vector<ScriptEntry>& ScriptIndex::entries(ScriptKind kind) const
{
    return kind == ScriptKind::Trigger ? triggers_ : teamTypes_;
}

const ScriptEntry* ScriptIndex::entryOnLine(PaneId pane, std::size_t line) const
{
    if (pane != PaneId::Trigs && pane != PaneId::TeamType)
        return nullptr;
    const bool trigger = pane == PaneId::Trigs;
    const std::vector<std::uint32_t>& ofLine = trigger ? triggerOfLine_ : teamTypeOfLine_;
    if (line >= ofLine.size() || ofLine[line] == kNoEntry)
        return nullptr;
    return &(trigger ? triggers_ : teamTypes_)[ofLine[line]];
}

const ScriptEntry* ScriptIndex::entryAt(ScriptKind kind, std::int32_t index) const
{
    const std::vector<ScriptEntry>& all = entries(kind);
    if (index < 0 || static_cast<std::size_t>(index) >= all.size())
        return nullptr;
    return &all[static_cast<std::size_t>(index)];
}

const ScriptEntry* ScriptIndex::triggerNamed(std::string_view name) const
{
    if (firstTriggerNamed_.empty() && !triggers_.empty()) {
        firstTriggerNamed_.reserve(triggers_.size());
        for (const ScriptEntry& trigger : triggers_)
            firstTriggerNamed_.try_emplace(trigger.name, trigger.index);
    }
    const auto found = firstTriggerNamed_.find(name);
    return found == firstTriggerNamed_.end() ? nullptr : &triggers_[found->second];
}

Resolution ScriptIndex::resolve(const ScriptReference& reference) const
{
    if (!targets_.isValid(reference))
        return {false, std::nullopt, std::nullopt};
    if (reference.isNone())
        return {};
    const auto number = *reference.number;
    switch (reference.kind) {
    case ReferenceKind::TeamType:
    case ReferenceKind::Trigger: {
        const ScriptEntry& named = *entryAt(reference.kind == ReferenceKind::Trigger ? ScriptKind::Trigger
                                                                                      : ScriptKind::TeamType,
                                            number);
        return {true, named.name, named.line};
    }
    case ReferenceKind::Waypoint:
        return {true, std::nullopt, waypointLine(number)};
    case ReferenceKind::Country:
        return {true, std::string(kCountries[static_cast<std::size_t>(number)]), std::nullopt};
    default:
        return {};
    }
}

std::optional<std::size_t> ScriptIndex::definition(const ScriptTarget& target) const
{
    if (target.kind == ReferenceKind::Waypoint)
        return waypointLine(target.number);
    if (!namesLine(target.kind))
        return std::nullopt;
    const ScriptEntry* entry =
        entryAt(target.kind == ReferenceKind::Trigger ? ScriptKind::Trigger : ScriptKind::TeamType, target.number);
    if (!entry)
        return std::nullopt;
    return entry->line;
}

void ScriptIndex::indexUses() const
{
    if (usesIndexed_)
        return;
    usesIndexed_ = true;
    // One sorted table rather than a list per target: no hashing and no allocation per
    // reference. The sort keeps the references of one target in the order read.
    std::size_t count = 0;
    for (const std::vector<ScriptEntry>* all : {&triggers_, &teamTypes_}) {
        for (const ScriptEntry& entry : *all)
            count += entry.references.size();
    }
    referencesTo_.reserve(count);
    for (const std::vector<ScriptEntry>* all : {&triggers_, &teamTypes_}) {
        for (const ScriptEntry& entry : *all) {
            for (const ScriptReference& reference : entry.references) {
                if (namesLine(reference.kind) && reference.number && *reference.number >= 0)
                    referencesTo_.emplace_back(useKey(reference.kind, *reference.number), &reference);
            }
        }
    }
    std::stable_sort(referencesTo_.begin(), referencesTo_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const PaneId pane : panesNamingTriggers()) {
        const ThingKind kind = *kindInPane(pane);
        const MemoryPane& lines = scenario_.pane(pane);
        for (std::size_t i = 0; i < lines.lineCount(); ++i) {
            const BodyLine body = readBodyLine(lines.lineView(i));
            const ThingLine thing = readThingLine(kind, body, Fields(body));
            if (thing.trigger)
                triggerNameUses_[*thing.trigger].push_back({pane, i});
        }
    }
}

std::vector<ScriptUse> ScriptIndex::usesOf(const ScriptTarget& target) const
{
    indexUses();
    std::vector<ScriptUse> uses;
    if (target.number < 0)
        return uses;
    const std::uint64_t key = useKey(target.kind, target.number);
    for (auto it = std::lower_bound(referencesTo_.begin(), referencesTo_.end(), key,
                                    [](const auto& entry, std::uint64_t wanted) { return entry.first < wanted; });
         it != referencesTo_.end() && it->first == key; ++it)
        uses.push_back({it->second->pane, it->second->line, it->second});
    if (target.kind == ReferenceKind::Trigger) {
        if (const ScriptEntry* trigger = entryAt(ScriptKind::Trigger, target.number)) {
            if (const auto found = triggerNameUses_.find(trigger->name); found != triggerNameUses_.end()) {
                for (const NameUse& use : found->second)
                    uses.push_back({use.pane, use.line, nullptr});
            }
        }
    }
    std::stable_sort(uses.begin(), uses.end(), [](const ScriptUse& a, const ScriptUse& b) {
        return std::tuple(index(a.pane), a.line) < std::tuple(index(b.pane), b.line);
    });
    return uses;
}

std::optional<ScriptTarget> ScriptIndex::targetAt(PaneId pane, std::size_t line, std::size_t column) const
{
    if (pane == PaneId::Waypoints) {
        const MemoryPane& lines = scenario_.pane(pane);
        if (line >= lines.lineCount())
            return std::nullopt;
        const BodyLine body = readBodyLine(lines.lineView(line));
        const std::optional<std::int32_t> number = body.isKeyValue() ? parseInteger(body.key.text) : std::nullopt;
        if (!number)
            return std::nullopt;
        return ScriptTarget{ReferenceKind::Waypoint, *number};
    }
    const ScriptEntry* entry = entryOnLine(pane, line);
    if (!entry)
        return triggerNameAt(pane, line, column);
    const BodyLine body = readBodyLine(scenario_.pane(pane).lineView(line));
    if (within(column, body.key.at, body.key.text.size()))
        return targetOf(*entry);
    for (const ScriptReference& reference : entry->references) {
        if (namesLine(reference.kind) && within(column, reference.at, reference.length) && reference.number
            && *reference.number >= 0)
            return ScriptTarget{reference.kind, *reference.number};
    }
    return std::nullopt;
}

std::optional<ScriptTarget> ScriptIndex::triggerNameAt(PaneId pane, std::size_t line, std::size_t column) const
{
    const std::vector<PaneId>& panes = panesNamingTriggers();
    if (std::find(panes.begin(), panes.end(), pane) == panes.end())
        return std::nullopt;
    const MemoryPane& lines = scenario_.pane(pane);
    if (line >= lines.lineCount())
        return std::nullopt;
    const std::string_view text = lines.lineView(line);
    const BodyLine body = readBodyLine(text);
    const ThingLine thing = readThingLine(*kindInPane(pane), body, Fields(body));
    if (!thing.trigger)
        return std::nullopt;
    const auto at = static_cast<std::size_t>(thing.trigger->data() - text.data());
    if (!within(column, at, thing.trigger->size()))
        return std::nullopt;
    const ScriptEntry* trigger = triggerNamed(*thing.trigger);
    if (!trigger)
        return std::nullopt;
    return ScriptTarget{ReferenceKind::Trigger, static_cast<std::int32_t>(trigger->index)};
}

std::string inQuotes(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

} // namespace vexa
