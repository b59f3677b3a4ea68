#include "core/placement/placement_run.h"

#include <algorithm>

namespace vexa {

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
