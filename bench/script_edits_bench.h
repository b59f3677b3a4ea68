#pragma once

namespace vexa::bench {

// Delete with references and filling a composer from a line, beside the check, on a
// scenario of 10,000 triggers and 10,000 team types.
void benchScriptEdits();

} // namespace vexa::bench
