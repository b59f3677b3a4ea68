#include "core/placement/placement_values.h"

#include "core/placement/integers.h"

#include <algorithm>

namespace vexa {

std::int32_t healthTrackPosition(std::string_view healthText)
{
    return std::clamp(readInteger(healthText, 0), kHealthMinimum, kHealthMaximum);
}

} // namespace vexa
