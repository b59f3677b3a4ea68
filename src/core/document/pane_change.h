#pragma once

#include "core/document/layout.h"
#include "core/document/pane.h"

#include <cstddef>
#include <span>
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

// The pane once the change is made. The change names only lines of the pane, and each
// edit lies within its line after the edit before it.
MemoryPane applied(const MemoryPane& pane, const PaneChange& change);

// Calls visit(line, number) for each of a pane's lines that are not among the removed
// lines (ascending), with the number the line has once the removed ones are gone.
template <typename Visit>
void forEachRemainingLine(std::size_t lineCount, std::span<const std::size_t> removedLines, Visit&& visit)
{
    auto removed = removedLines.begin();
    std::size_t number = 0;
    for (std::size_t line = 0; line < lineCount; ++line) {
        if (removed != removedLines.end() && *removed == line) {
            ++removed;
            continue;
        }
        visit(line, number++);
    }
}

} // namespace vexa
