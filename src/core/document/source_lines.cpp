#include "core/document/source_lines.h"

#include <algorithm>

namespace vexa {

void SourceLines::paneLineFrom(PaneId pane, std::size_t paneLine, std::size_t fileLine)
{
    std::vector<Run>& runs = runs_[index(pane)];
    if (!runs.empty()) {
        Run& last = runs.back();
        if (last.firstPaneLine + last.count == paneLine && last.firstFileLine + last.count == fileLine) {
            ++last.count;
            return;
        }
    }
    runs.push_back({paneLine, fileLine, 1});
}

void SourceLines::headerFrom(PaneId pane, std::size_t fileLine)
{
    std::optional<std::size_t>& header = headers_[index(pane)];
    if (!header)
        header = fileLine;
}

std::optional<std::size_t> SourceLines::fileLine(PaneId pane, std::size_t paneLine) const
{
    const std::vector<Run>& runs = runs_[index(pane)];
    const auto after = std::upper_bound(runs.begin(), runs.end(), paneLine,
                                        [](std::size_t line, const Run& run) { return line < run.firstPaneLine; });
    if (after == runs.begin())
        return std::nullopt;
    const Run& run = *(after - 1);
    if (paneLine >= run.firstPaneLine + run.count)
        return std::nullopt;
    return run.firstFileLine + (paneLine - run.firstPaneLine);
}

std::string SourceLines::fileLineName(PaneId pane, std::size_t paneLine) const
{
    const std::optional<std::size_t> line = fileLine(pane, paneLine);
    return line ? "line " + std::to_string(*line + 1) : "a line the reader added";
}

} // namespace vexa
