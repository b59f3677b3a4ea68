#pragma once

#include "core/check/finding.h"
#include "core/document/pane_change.h"
#include "core/document/scenario.h"

#include <optional>
#include <string>
#include <vector>

namespace vexa {

// A repair the check offers on a finding. It runs only when the user asks for it, and
// each pane it changes is one step of that pane.
struct QuickFix {
    std::string title;                // what the menu entry says: "Renumber this section"
    std::vector<PaneChange> changes;  // one per pane
};

// The fix offered on a finding, if there is one for its rule and place.
std::optional<QuickFix> quickFixFor(const Finding& finding, const Scenario& scenario);
// Its title alone, without the work of making it.
std::optional<std::string> quickFixTitle(const Finding& finding, const Scenario& scenario);

// Whether a section's keys are only line numbers, as the Create dialogs number them.
bool isNumberedByLine(PaneId pane);

// Each keyed line of a section numbered by line takes its pane line number as key (the
// number it has once the removed lines are gone), as a Create numbers new lines; nothing
// else of any line changes. The removed lines go with the change.
PaneChange renumberedSection(PaneId pane, const MemoryPane& lines, const std::vector<std::size_t>& removedLines = {});

// [Base] with Count= set to its number of entries and the entries numbered 000, 001, ...
// in order, the removed lines gone. Nothing unless the base starts with its Player= and
// Count= lines, as the buildings dialog writes them.
std::optional<PaneChange> recountedBase(const MemoryPane& base, const std::vector<std::size_t>& removedLines = {});

// The [TeamType] section whose header stands on the line moved out of the rules pane and
// into the team type pane: two changes.
std::vector<PaneChange> movedTeamTypeSection(const Scenario& scenario, std::size_t headerLine);

} // namespace vexa
