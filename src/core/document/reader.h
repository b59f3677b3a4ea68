#pragma once

#include "core/document/scenario.h"
#include "core/document/source_lines.h"

#include <string_view>

namespace vexa {

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
