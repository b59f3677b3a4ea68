#pragma once

#include "core/document/layout.h"
#include "core/document/pane.h"
#include "core/placement/outcome.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vexa {

// The four dialogs that place one line per cell of a run, keyed by the cell: terrain,
// smudge, overlay and cell triggers. They share their fields, checks, run and resets and
// differ only in the line they write and the pane it goes to.
enum class DecorationFormat {
    Terrain,      // [TERRAIN]       cell=kind
    Smudge,       // [SMUDGE]        cell=kind,cell,0
    Overlay,      // [Overlay]       cell=kind
    CellTriggers, // [CellTriggers]  cell=trigger
};

// The texts of a decoration dialog as they stand when Create runs. The kind is the type
// code field, or in the cell trigger dialog the trigger chooser's text; it and the
// comment are written as typed.
struct DecorationInput {
    std::string first;
    std::string last;
    std::string spacing;
    std::string kind;
    std::string comment;
};

// The pane that receives the dialog's lines.
PaneId decorationPane(DecorationFormat format);

// One line of the dialog's section for the object at cell, ending in the comment rule.
std::string decorationLine(DecorationFormat format, std::int32_t cell, std::string_view kind,
                           std::string_view comment);

// A decoration dialog reads a spacing that is no number as a single step.
inline constexpr std::int32_t kDecorationSpacingFallback = 1;

// Places one row: appends decorationLine() for every cell of the run (positions read with
// fallback 0, the spacing with fallback 1) to the end of the pane. Refused, with nothing
// done, when first, last, spacing or kind is empty or the spacing is zero or negative.
// Done also when first is greater than last and no line is written; the form resets after
// every Done. Overflow keeps the lines appended so far; TooManyCells appends nothing.
Outcome createDecorations(DecorationFormat format, const DecorationInput& input, Pane& pane);

} // namespace vexa
