#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexa::test {

// A file's bytes from lines, each ended by CR LF.
inline std::string crlfLines(const std::vector<std::string_view>& lines)
{
    std::string bytes;
    for (std::string_view line : lines) {
        bytes.append(line);
        bytes.append("\r\n");
    }
    return bytes;
}

} // namespace vexa::test
