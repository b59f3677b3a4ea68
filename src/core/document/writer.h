#pragma once

#include "core/document/scenario.h"

#include <string>
#include <string_view>

namespace vexa {

// The first line of every saved file.
std::string headerComment();

// Writes a scenario as a file's bytes: the header comment, then the sections in their
// fixed order, every line ended by CR LF.
std::string writeScenario(const Scenario& scenario);

} // namespace vexa
