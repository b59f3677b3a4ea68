#pragma once

#include "core/document/pane.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vexa {

// Generated lines are key "=" value, where the value is comma-separated fields copied as
// typed, and end in the dialog's comment: " ; " and the comment when it is non-empty,
// nothing at all (not even the blanks) when it is empty.

// The fields joined with ','.
std::string joinFields(std::initializer_list<std::string_view> fields);

// key "=" value, then the comment as above.
std::string keyedLine(std::string_view key, std::string_view value, std::string_view comment);

// Appends a numbered line: its key is the pane's line count before appending, so the
// numbering continues from whatever the pane holds, blank and comment lines included.
void appendNumberedLine(Pane& pane, std::string_view value, std::string_view comment);

} // namespace vexa
