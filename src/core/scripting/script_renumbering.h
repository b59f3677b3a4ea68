#pragma once

#include "core/document/pane_change.h"
#include "core/scripting/script_references.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

// Removing or moving a trigger or team type line changes the index of every later line
// of its pane, and so what every reference by index means. These edits renumber the
// references with the line, so that each still names what it named before. They work on
// an index of the scenario and give their result as one change per pane: the editor
// makes it one step across the panes.

struct PaneLine {
    PaneId pane = PaneId::Trigs;
    std::size_t line = 0;
    bool operator==(const PaneLine&) const = default;
};

// A reference set to -1: the line it was removed from is gone.
struct ClearedReference {
    PaneLine at;       // as the pane stands after the edit
    std::string role;  // "R1 parameter 1", "attached trigger"
    bool operator==(const ClearedReference&) const = default;
};

struct ScriptEditPlan {
    std::vector<PaneChange> changes;  // one per pane changed, in pane order
    std::string done;                 // what was removed or moved: "deleted trigger 3 'alarm'"
    // Every line whose references were renumbered, as the panes stand after the edit, in
    // pane and line order.
    std::vector<PaneLine> renumbered;
    std::vector<ClearedReference> cleared;
    // Placed things and cell triggers that name a removed trigger by its name: kept as
    // they are, they name a trigger the scenario no longer has.
    std::vector<PaneLine> keptNames;
    std::optional<PaneLine> movedTo;  // where a moved line stands now
};

template <typename T>
struct Planned {
    std::optional<T> plan;
    std::string refusal;  // why there is no plan
};

// Delete with references: the trigger or team type on the pane line goes; every index
// reference to a later line of its pane is lowered by one, every reference to it becomes
// -1. References out of range before the edit, and negative ones, stay as they are.
Planned<ScriptEditPlan> planDeleteWithReferences(const ScriptIndex& index, PaneId pane, std::size_t line);

enum class MoveDirection { Up, Down };

// Move up or down: the trigger or team type on the pane line changes places with the one
// before or after it (lines between them stay), and every reference to either of the two
// takes the other's index.
Planned<ScriptEditPlan> planMove(const ScriptIndex& index, PaneId pane, std::size_t line, MoveDirection direction);

// The plan in one sentence for the status bar: what was done, the lines renumbered, the
// references set to -1 with their lines, the trigger names kept. Long lists name their
// first lines and count the rest.
std::string describePlan(const ScriptEditPlan& plan);

} // namespace vexa
