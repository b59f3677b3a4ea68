#pragma once

#include "core/document/layout.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vexa {

struct Scenario;

// Triggers and team types point at each other by position: a trigger's parameter names a
// team type or another trigger by its index, a team type names its attached trigger the
// same way, and both name waypoints by number. This is the one place those references are
// read and resolved; the explanation in words, the check, finding uses and every edit
// that renumbers lines work from it.
//
// An index is a line's position among the key=value lines of its pane, the first being
// 0. Blank and comment lines do not count; a key=value line counts whatever its value
// holds, and a name used twice counts each time.

enum class ScriptKind { Trigger, TeamType };

// What a value of a trigger or team type line means.
enum class ReferenceKind {
    TeamType,  // a team type's index
    Trigger,   // a trigger's index
    Waypoint,  // a waypoint's number, a key of [Waypoints]
    Country,   // a country 0 to 19
    Global,    // a global flag
    Cell,      // a cell of the map
    Number,    // anything else: a count, a time, a type number
};

// The three kinds that name another line of the scenario.
bool namesLine(ReferenceKind kind);

// One value of a line that means something, and exactly where it stands, so that an edit
// can rewrite that value and nothing else.
struct ScriptReference {
    ReferenceKind kind = ReferenceKind::Number;
    PaneId pane = PaneId::Trigs;
    std::size_t line = 0;     // in its pane
    std::size_t field = 0;    // the value's position among the line's comma-separated fields
    std::size_t at = 0;       // the value's first byte in the line
    std::size_t length = 0;   // and its length; the value of an order is the part after ':'
    std::string_view role;    // what the value is to its line: "R1 parameter 1", "attached trigger", "order"
    std::size_t ordinal = 0;  // an order's place among the team type's orders, from 1; 0 for the others
    std::string_view prompt;  // the composer's label for it: "Teamtype #:", "Waypoint #:"
    // The value, or nothing when its text is no 32-bit whole number.
    std::optional<std::int32_t> number;
    std::string_view textIn(std::string_view line) const { return line.substr(at, length); }
    // A negative value names nothing on purpose.
    bool isNone() const { return number && *number < 0; }
};

// What the value is to its line, in words: "R1 parameter 1", "order 2".
std::string roleText(const ScriptReference& reference);

// A trigger or team type line.
struct ScriptEntry {
    ScriptKind kind = ScriptKind::Trigger;
    std::size_t line = 0;    // in its pane
    std::size_t index = 0;   // among the key=value lines of its pane
    std::string name;        // the key
    std::vector<ScriptReference> references;  // in the order they stand in the line
    // A team type's unit entries: where each type code stands in the line (at, length).
    std::vector<std::pair<std::size_t, std::size_t>> unitCodes;
    // What keeps the line from reading as its composer writes it, one sentence each:
    // too few or too many values, a word where a number goes.
    std::vector<std::string> problems;
};

// What a reference names.
struct Resolution {
    bool valid = true;               // false: a value that is no number, or names nothing
    std::optional<std::string> name; // the trigger's or team type's name, the country's
    std::optional<std::size_t> line; // the line it names in the pane of its kind
};

// A place that names a trigger, team type or waypoint: a reference of a script line, or
// a placed thing's or cell trigger's trigger name.
struct ScriptUse {
    PaneId pane = PaneId::Trigs;
    std::size_t line = 0;
    const ScriptReference* reference = nullptr;  // nothing for a use by name
};

// What a cursor can stand on: a trigger, a team type or a waypoint.
struct ScriptTarget {
    ReferenceKind kind = ReferenceKind::Trigger;  // Trigger, TeamType or Waypoint
    std::int32_t number = 0;                     // the index, or the waypoint's number
    bool operator==(const ScriptTarget&) const = default;
};

// What references can name: how many triggers and team types there are and where each
// waypoint stands. Whether a reference names something is decided here alone, for the
// index and the check. It reads [Trigs], [TeamTypes] and [Waypoints] once, lightly.
class ScriptTargets {
public:
    explicit ScriptTargets(const Scenario& scenario);

    std::size_t count(ScriptKind kind) const { return kind == ScriptKind::Trigger ? triggerCount_ : teamTypeCount_; }
    // The [Waypoints] line of that number (the first, for a number used twice), or nothing.
    std::optional<std::size_t> waypointLine(std::int32_t number) const;
    // False for a value that is no number, or a number not negative that names nothing.
    bool isValid(const ScriptReference& reference) const;

private:
    std::size_t triggerCount_ = 0;
    std::size_t teamTypeCount_ = 0;
    std::vector<std::pair<std::int32_t, std::size_t>> waypointLines_;  // by number, the first line of each
};

// How much of a line to read: all of it, or only what the check needs (the references and
// unit codes; neither the name nor the problems).
enum class LineReading { Whole, ReferencesOnly };

// Calls visit(entry) for each trigger or team type line, in pane order. The entry is lent
// for the call only: a pass over every line reads each into the same one, so that it costs
// no memory per line. The index reads its entries here, and so does the check.
void forEachScriptLine(const Scenario& scenario, ScriptKind kind, LineReading reading,
                       const std::function<void(const ScriptEntry&)>& visit);

// The trigger or team type an entry is, as a target.
ScriptTarget targetOf(const ScriptEntry& entry);

// The references of one scenario, read once. It keeps a reference to the scenario, which
// must outlive it and stay unchanged. Building reads [Trigs], [TeamTypes] and [Waypoints];
// the first question about uses reads the panes that name triggers too.
class ScriptIndex {
public:
    explicit ScriptIndex(const Scenario& scenario);
    ~ScriptIndex();
    ScriptIndex(const ScriptIndex&) = delete;
    ScriptIndex& operator=(const ScriptIndex&) = delete;

    const Scenario& scenario() const { return scenario_; }
    const std::vector<ScriptEntry>& triggers() const { return triggers_; }
    const std::vector<ScriptEntry>& teamTypes() const { return teamTypes_; }
    const std::vector<ScriptEntry>& entries(ScriptKind kind) const;
    // The entry a pane line holds, or nothing for a line of another pane, a blank, a
    // comment or a line without '='.
    const ScriptEntry* entryOnLine(PaneId pane, std::size_t line) const;
    // The entry with that index, or nothing.
    const ScriptEntry* entryAt(ScriptKind kind, std::int32_t index) const;
    // The first trigger of that name, or nothing.
    const ScriptEntry* triggerNamed(std::string_view name) const;
    // The [Waypoints] line of that number, or nothing.
    std::optional<std::size_t> waypointLine(std::int32_t number) const { return targets_.waypointLine(number); }

    Resolution resolve(const ScriptReference& reference) const;
    // The line a target stands for, in the pane paneOf(target.kind), or nothing.
    std::optional<std::size_t> definition(const ScriptTarget& target) const;

    // Every place that names the target, by meaning: for a trigger its index in trigger
    // parameters and attached triggers and its name in placed things and cell triggers;
    // for a team type its index in trigger parameters; for a waypoint its number in
    // trigger parameters, team types' waypoints and orders. In pane order, each pane by line.
    std::vector<ScriptUse> usesOf(const ScriptTarget& target) const;

    // What stands at a column of a pane line: the value of a reference that names a
    // line, a placed thing's or cell trigger's trigger name, a trigger's, team type's or
    // waypoint's own key. Nothing elsewhere, or for a trigger name no trigger has.
    std::optional<ScriptTarget> targetAt(PaneId pane, std::size_t line, std::size_t column) const;

private:
    struct NameUse {
        PaneId pane;
        std::size_t line;
    };
    void readEntries(ScriptKind kind);
    void indexUses() const;
    std::optional<ScriptTarget> triggerNameAt(PaneId pane, std::size_t line, std::size_t column) const;

    const Scenario& scenario_;
    ScriptTargets targets_;
    std::vector<ScriptEntry> triggers_;
    std::vector<ScriptEntry> teamTypes_;
    // The entry of each line of [Trigs] and [TeamTypes]; kNoEntry for the others.
    std::vector<std::uint32_t> triggerOfLine_;
    std::vector<std::uint32_t> teamTypeOfLine_;
    mutable std::unordered_map<std::string_view, std::size_t> firstTriggerNamed_;  // built on the first question
    // Built on the first question about uses.
    mutable bool usesIndexed_ = false;
    // The references that name a line, by their target's key, sorted.
    mutable std::vector<std::pair<std::uint64_t, const ScriptReference*>> referencesTo_;
    mutable std::unordered_map<std::string_view, std::vector<NameUse>> triggerNameUses_;
};

// The panes an index reads: [Trigs], [TeamTypes], [Waypoints] and the panes whose lines
// name a trigger (placed things, cell triggers). An index of a scenario holding only
// these is the index of the whole.
const std::vector<PaneId>& scriptPanes();

// The pane whose lines the kind names: [Trigs], [TeamTypes] or [Waypoints].
PaneId paneOf(ReferenceKind kind);
PaneId paneOf(ScriptKind kind);

// The line with one reference's value written anew, the rest byte for byte: how an edit
// renumbers a reference. The line must be the one the reference was read from.
std::string withValue(std::string_view line, const ScriptReference& reference, std::int32_t value);

// A name as the words about scripts quote it: 'alarm'.
std::string inQuotes(std::string_view text);

} // namespace vexa
