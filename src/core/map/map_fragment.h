#pragma once

#include "core/map/cells.h"
#include "core/map/map_edits.h"
#include "core/map/placed_things.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

struct Scenario;

// Things copied from a map, as the clipboard holds them: their lines as plain text, each
// section's under a comment line that names it ("; [UNITS]"), every cell relative to the
// top-left cell of the rectangle around the things. A numbered section's keys count from
// 0 within the fragment; a cell-keyed line's key is its relative cell, as it is its cell.

// The clipboard type of a fragment; its plain text is the same lines.
inline constexpr std::string_view kFragmentMimeType = "application/x-vexabuild-things";

// Everything but waypoints (other lines refer to them by number) and base entries (their
// owner is the base's, not the line's) is copied.
bool isCopied(ThingKind kind);

// The fragment of the things that are copied, in pane and line order; an empty text when
// none of them is. Nothing when a thing's line no longer places it.
std::optional<std::string> fragmentText(const Scenario& scenario, std::span<const PlacedThing> things);

struct FragmentLine {
    ThingKind kind = ThingKind::Structure;
    CellPlace offset;   // from the fragment's top-left cell
    std::string line;   // as the fragment gives it
};

struct Fragment {
    std::vector<FragmentLine> lines;
    // What was left out, one message for each section with a line of the wrong shape;
    // or, for a text that is no fragment at all, why nothing is pasted.
    std::vector<std::string> problems;
};

// Reads a fragment back. A line under a section comment that places no thing of that
// kind, or one on a cell off the map, leaves the whole section out and is named.
Fragment readFragment(std::string_view text);

struct PasteEdit {
    MapEdit edit;
    // Triggers named by pasted lines that [Trigs] does not define, each once: the lines
    // keep them, and the check reports them.
    std::vector<std::string> unknownTriggers;
};

// Appends the fragment's lines with the fragment's top-left cell at the given place: each
// line keeps every byte but its key and cell, numbered as Create numbers. Refused whole
// when a line would leave the map or a cell-keyed section would hold a cell twice.
PasteEdit pastedFragment(const Scenario& scenario, const Fragment& fragment, CellPlace topLeft);

} // namespace vexa
