#pragma once

#include "core/scripting/script_references.h"

#include <string>
#include <string_view>

namespace vexa {

// Triggers and team types in plain sentences, every reference resolved to what it names,
// for the editor's status bar and tooltips, the Scripts window and `vexabuild-cli scripts`.

// "team type", "trigger", "waypoint", "country", "global", "cell", "number".
std::string_view kindName(ReferenceKind kind);

// One reference in words: "team type 1 'escort'", "no waypoint", "trigger 40, which
// [Trigs] does not have".
std::string describeReference(const ScriptIndex& index, const ScriptReference& reference);
// The same for a reference that names nothing (ScriptTargets::isValid is false), from the
// line it was read from alone: the check words its findings so without building an index.
std::string describeInvalidReference(std::string_view line, const ScriptReference& reference);

// The whole line in sentences, ending with what keeps it from reading as its composer
// writes it, if anything does.
std::string explainEntry(const ScriptIndex& index, const ScriptEntry& entry);

// Whether a line needs a look: a problem of its shape or a reference that names nothing.
bool isMarked(const ScriptIndex& index, const ScriptEntry& entry);

} // namespace vexa
