#pragma once

#include "core/document/layout.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

// error: the game will lose or misread something; warning: probably a mistake.
enum class Severity { Error, Warning };
std::string_view severityName(Severity severity);

// One thing the scenario check found. Line indexes count from 0; a place that is not
// known (a field of [Basic], a scenario that was never a file) has no index.
struct Finding {
    std::string_view rule;                 // the rule's id, "duplicate-key"
    Severity severity = Severity::Error;
    std::string section;                   // "[STRUCTURES]", or a country section's header; empty for the file as a whole
    std::optional<PaneId> pane;            // the pane that holds the line
    std::optional<FieldId> field;          // or the [Basic]/[Map] field
    std::optional<std::size_t> paneLine;   // the line's index in its pane
    std::optional<std::size_t> fileLine;   // and in the file
    std::string message;                   // one sentence that names the values

    bool operator==(const Finding&) const = default;
};

} // namespace vexa
