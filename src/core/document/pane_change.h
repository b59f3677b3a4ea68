#pragma once

#include "core/document/layout.h"
#include "core/document/pane.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vexa {

// Bytes replaced within one line: `length` bytes from `at` become `text`.
struct LineEdit {
    std::size_t line = 0;
    std::size_t at = 0;
    std::size_t length = 0;
    std::string text;

    bool operator==(const LineEdit&) const = default;
};

// A change of one pane that a tool makes as one step (one undo step in the editor):
// edits within lines, whole lines taken out, lines added at the end. Line numbers are
// those before the change; an edited line is never a removed one. Everything of the pane
// that the change does not name keeps every byte.
struct PaneChange {
    PaneId pane = PaneId::Rules;
    std::vector<LineEdit> edits;             // in line order, within a line by position
    std::vector<std::size_t> removedLines;   // ascending
    std::vector<std::string> appendedLines;

    bool isEmpty() const { return edits.empty() && removedLines.empty() && appendedLines.empty(); }
    bool operator==(const PaneChange&) const = default;
};

// The pane once the change is made.
MemoryPane applied(const MemoryPane& pane, const PaneChange& change);

} // namespace vexa
