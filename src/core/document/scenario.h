#pragma once

#include "core/document/layout.h"
#include "core/document/pane.h"

#include <array>
#include <string>

namespace vexa {

// One scenario as the editor holds it: the sixteen panes, the texts of the Basic and
// Map fields and the twelve check boxes.
struct Scenario {
    std::array<MemoryPane, kPaneCount> panes;
    std::array<std::string, kFieldCount> fields;
    std::array<bool, kFlagCount> flags{};

    MemoryPane& pane(PaneId id) { return panes[index(id)]; }
    const MemoryPane& pane(PaneId id) const { return panes[index(id)]; }
    std::string& field(FieldId id) { return fields[index(id)]; }
    const std::string& field(FieldId id) const { return fields[index(id)]; }
    bool& flag(FlagId id) { return flags[index(id)]; }
    bool flag(FlagId id) const { return flags[index(id)]; }

    bool operator==(const Scenario&) const = default;
};

// The version text of saved files' header line.
inline constexpr std::string_view kVersionText = "version " VEXA_VERSION;

} // namespace vexa
