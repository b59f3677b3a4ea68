#pragma once

#include "core/document/body_line.h"
#include "core/document/pane_change.h"
#include "core/map/map_edits.h"
#include "core/map/placed_things.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>
#include <optional>
#include <string_view>

namespace vexa {

struct Scenario;

// What the map's editing of single fields, placing and pasting share.

inline constexpr std::string_view kLineChangedSinceSelected =
    "A selected thing's line changed since it was selected; the selection is read again.";

// A thing's line as its reader took it apart: the fields are read once.
struct ReadLine {
    std::string_view text;
    BodyLine body;
    Fields fields;
};

// The thing's line, while it still places that very thing (kind, type, country, cell and
// sub-position as the selection read them); nothing once it changed.
std::optional<ReadLine> lineStillPlacing(const Scenario& scenario, const PlacedThing& thing);

// The first of the new cells that a cell-keyed pane of the kind would then hold twice:
// held by one of its lines already, or given twice among the new ones.
std::optional<std::int32_t> cellHeldTwice(const MemoryPane& pane, ThingKind kind, std::span<const std::int32_t> newCells);

// A pane that only collects the lines a Create appends, numbered as if they followed the
// given number of lines: the map writes new lines exactly as the Create dialogs do.
class AppendedLines final : public Pane {
public:
    explicit AppendedLines(std::size_t existing) : existing_(existing) {}
    std::size_t lineCount() const override { return existing_ + lines.size(); }
    std::string line(std::size_t index) const override;
    void append(std::string_view line) override { lines.emplace_back(line); }
    void replace(std::size_t, std::string_view) override {}

    std::vector<std::string> lines;

private:
    std::size_t existing_;
};

// The changes of several panes gathered in any order.
class PaneChanges {
public:
    void edit(PaneId pane, LineEdit edit) { of(pane).edits.push_back(std::move(edit)); }
    void append(PaneId pane, std::string line) { of(pane).appendedLines.push_back(std::move(line)); }
    // The edit: one change per pane, in pane order, each pane's line edits in line order.
    MapEdit edit() &&;

private:
    PaneChange& of(PaneId pane);

    std::map<PaneId, PaneChange> changes_;
};

} // namespace vexa
