#pragma once

#include "core/check/finding.h"
#include "core/document/body_line.h"
#include "core/document/line_formats.h"
#include "core/document/scenario.h"
#include "core/document/source_lines.h"
#include "core/map/cells.h"
#include "core/map/placed_things.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

namespace vexa {

class Ground;
struct GroundReading;
struct Rule;

// One line of a section pane as every line rule sees it.
struct LineAt {
    PaneId pane;
    std::size_t index;           // in the pane
    const BodyLine& body;
    const Fields& fields;        // of a key=value line's value; none otherwise
    const LineFormat* format;    // nothing for a pane without one ([Base], the packs)
    // The line as the map reads it, for a pane that places things; nothing otherwise.
    const ThingLine* thingLine;

    const ThingFields* thing() const { return thingLine && thingLine->thing ? &*thingLine->thing : nullptr; }
};

// The first line of each key of one pane, kept compactly: a million keys are common in
// big scenarios, and a node per key would cost more than reading the file.
class KeyIndex {
public:
    // The first line of the pane that used the key, or nothing when this is the first
    // (the line is then recorded). Calls for another pane start afresh.
    std::optional<std::size_t> firstUse(const MemoryPane& pane, std::string_view key, std::size_t line);

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t line = kEmpty;
    };
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    void grow();
    Slot* find(std::uint32_t hash, std::string_view key);

    const MemoryPane* pane_ = nullptr;
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

// Runs the rules over a scenario and collects their findings.
class Checker {
public:
    Checker(const Scenario& scenario, const SourceLines* sources);
    ~Checker();

    const Scenario& scenario() const { return scenario_; }
    // Where the scenario's lines stood in its file; nothing for a scenario that was never one.
    const SourceLines* sources() const { return sources_; }
    const MapBounds& mapBounds() const { return mapBounds_; }
    bool isTriggerName(std::string_view name);
    // The ground of [MapPack] and [OverlayPack], unpacked when a rule first asks for it.
    const GroundReading& ground();
    // Its ground when [MapPack] unpacked; nothing when that pack is missing or cannot be
    // read. Inline: a line rule asks this for every unit.
    const Ground* mapGround()
    {
        if (!ground_)
            ground();
        return mapGround_;
    }
    std::optional<std::size_t> firstUseOfKey(const LineAt& line)
    {
        return keys_.firstUse(scenario_.pane(line.pane), line.body.key.text, line.index);
    }

    // Every line of every section pane through the line rules, then the scenario rules.
    std::vector<Finding> run(std::span<const Rule> rules);

    // A finding on a pane line; the section is the pane's header unless given.
    void report(const Rule& rule, PaneId pane, std::size_t paneLine, std::string message);
    void report(const Rule& rule, Severity severity, PaneId pane, std::size_t paneLine, std::string message,
                std::string_view section = {});
    // A finding on a section pane proper as a whole: the file line is its header's.
    void reportOnSection(const Rule& rule, PaneId pane, std::string message);
    // A finding on a line of the file that belongs to no pane or field (its first line).
    void reportOnFileLine(const Rule& rule, std::size_t fileLine, std::string message);
    // A finding on a field of [Basic] or [Map].
    void report(const Rule& rule, FieldId field, std::string message);
    void report(const Rule& rule, Severity severity, FieldId field, std::string message);

    // "line 12": with sources the file line, counted from 1; without, the pane line, from 0.
    std::string lineName(PaneId pane, std::size_t paneLine) const;

    // Calls visit(paneLine, bodyLine) for every line of a pane.
    template <typename Visit>
    void forEachLine(PaneId pane, Visit&& visit) const
    {
        const MemoryPane& lines = scenario_.pane(pane);
        for (std::size_t i = 0; i < lines.lineCount(); ++i)
            visit(i, readBodyLine(lines.lineView(i)));
    }

private:
    const Scenario& scenario_;
    const SourceLines* sources_;
    MapBounds mapBounds_;
    std::optional<std::unordered_set<std::string_view>> triggerNames_;
    std::unique_ptr<GroundReading> ground_;
    const Ground* mapGround_ = nullptr;
    KeyIndex keys_;
    std::vector<Finding> findings_;
};

// Quoted for a message: 'value'.
std::string quoted(std::string_view text);

} // namespace vexa
