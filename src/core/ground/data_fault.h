#pragma once

#include <cstddef>
#include <string>

namespace vexa {

// What is wrong with packed data, and where: the offset of the byte or character at fault
// in the data being read.
struct DataFault {
    std::size_t offset = 0;
    std::string reason;
    // No one byte is at fault but the data as a whole (what it unpacks to falls short);
    // the offset is then the end of the data.
    bool wholeData = false;

    bool operator==(const DataFault&) const = default;
};

} // namespace vexa
