#include "core/recovery/copy_schedule.h"

#include <algorithm>

namespace vexa {

void CopySchedule::changed(Clock::time_point now)
{
    if (!firstUncopied_)
        firstUncopied_ = now;
    lastChange_ = now;
}

void CopySchedule::copied()
{
    firstUncopied_.reset();
}

std::optional<CopySchedule::Clock::time_point> CopySchedule::due() const
{
    if (!firstUncopied_)
        return std::nullopt;
    return std::min(lastChange_ + kQuietTime, *firstUncopied_ + kLongestWait);
}

} // namespace vexa
