#pragma once

#include <cstddef>
#include <string_view>

namespace vexa {

// A section header line: one that begins with "[". The reader opens a section at such a
// line; the panes show it set apart.
bool isSectionHeaderLine(std::string_view line);

// The parts of a pane line that the panes colour, as byte positions. The text itself is
// never changed.
struct LineShape {
    static constexpr std::size_t kNone = std::string_view::npos;

    bool header = false;
    // Where a comment starts: 0 for a line that begins with ";", the " ; " of a comment
    // suffix, or kNone.
    std::size_t commentFrom = kNone;
    // The length of the key before the first "=" ahead of any comment, or kNone.
    std::size_t keyLength = kNone;
};

LineShape shapeOfLine(std::string_view line);

} // namespace vexa
