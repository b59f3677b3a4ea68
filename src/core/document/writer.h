#pragma once

#include "core/document/scenario.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vexa {

// The first line of every saved file.
std::string headerComment();

// Writes a scenario as a file's bytes: the header comment, then the sections in their
// fixed order, every line ended by CR LF.
std::string writeScenario(const Scenario& scenario);

// How many lines writeScenario writes: the lines of the file as it would be saved.
std::size_t writtenLineCount(const Scenario& scenario);

} // namespace vexa
