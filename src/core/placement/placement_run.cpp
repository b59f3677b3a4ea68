#include "core/placement/placement_run.h"

#include <algorithm>

namespace vexa {

std::int64_t runLength(const PlacementRun& run)
{
    if (run.first > run.last)
        return 0;
    return (std::int64_t{run.last} - run.first) / run.spacing + 1;
}

bool allFilled(std::initializer_list<std::string_view> texts)
{
    return std::none_of(texts.begin(), texts.end(), [](std::string_view text) { return text.empty(); });
}

std::optional<PlacementRun> readPlacementRun(std::string_view first, std::string_view last,
                                             std::string_view spacing, std::int32_t spacingFallback)
{
    const PlacementRun run{readInteger(first, 0), readInteger(last, 0), readInteger(spacing, spacingFallback)};
    if (!spacingAccepted(run.spacing))
        return std::nullopt;
    return run;
}

} // namespace vexa
