#pragma once

#include "core/document/pane_change.h"

class QPlainTextEdit;

namespace vexa {

// Makes a change in a pane's editor as one undo step of that editor: afterwards the
// editor holds the lines `applied()` gives for its text before. Offsets within a line are
// bytes, which the 8-bit codec makes one character each; edits and removed lines name
// lines the editor holds (a line it does not hold is left alone, an edit past the end of
// its line stops there); appended lines go after the last line, as a Create appends them.
void applyPaneChange(QPlainTextEdit& editor, const PaneChange& change);

} // namespace vexa
