#pragma once

namespace vexa::bench {

// Pasting 1,000 things and changing the health of 1,000 selected things on the map,
// each against a Create of 1,000 buildings into the same pane.
void benchThingEdits();

} // namespace vexa::bench
