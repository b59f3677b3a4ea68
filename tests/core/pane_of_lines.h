#pragma once

#include "core/document/pane.h"

#include <string>
#include <vector>

namespace vexa::test {

// A pane holding exactly these lines.
inline MemoryPane paneOf(const std::vector<std::string>& lines)
{
    MemoryPane pane;
    for (const std::string& line : lines)
        pane.append(line);
    return pane;
}

} // namespace vexa::test
