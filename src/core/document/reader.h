#pragma once

#include "core/document/scenario.h"
#include "core/document/source_lines.h"

#include <string_view>

namespace vexa {

// What some Windows editors put before the first line of a UTF-8 file. The game then does
// not see the file's first header, so it loses the first section; the reader skips the
// mark and keeps that section, and the writer never writes one.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Reads a scenario file's bytes. Any bytes are accepted: what is not understood is
// dropped or carried in the rules pane. With sources, also records where each pane line
// and field stood in the file; what goes into the scenario is the same either way.
Scenario readScenario(std::string_view bytes, SourceLines* sources = nullptr);

// Calls visit(line) for every line of a file's bytes: a line ends at CR (an LF right after
// it belongs to the line end) or at a lone LF; Ctrl-Z ends the file.
template <typename Visit>
void forEachFileLine(std::string_view bytes, Visit&& visit)
{
    const std::size_t endOfFile = std::min(bytes.find('\x1a'), bytes.size());
    std::size_t start = 0;
    while (start < endOfFile) {
        std::size_t end = start;
        while (end < endOfFile && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        visit(bytes.substr(start, end - start));
        if (end < endOfFile && bytes[end] == '\r' && end + 1 < endOfFile && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

} // namespace vexa
