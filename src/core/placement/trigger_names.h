#pragma once

#include "core/document/pane.h"

#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// The trigger field of a thing that fires no trigger.
inline constexpr std::string_view kNoTrigger = "None";

// The names that every "Trigger:" chooser offers, in pane order: for each line of the
// trigger pane that is neither empty nor begins with ';' and holds a '=', the text before
// its first '=' (empty when the line begins with '='). Lines without '=' give nothing.
std::vector<std::string> triggerNames(const Pane& trigs);

} // namespace vexa
