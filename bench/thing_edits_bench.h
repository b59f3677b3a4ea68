#pragma once

namespace vexa {
class TForm2;
}

namespace vexa::bench {

// One Create of a row of buildings, cells first to last, through the dialog's own widgets
// (gui_bench.cpp).
void createRow(TForm2& dialog, int first, int last);

// Pasting 1,000 things and changing the health of 1,000 selected things on the map,
// each against a Create of 1,000 buildings into the same pane.
void benchThingEdits();

} // namespace vexa::bench
