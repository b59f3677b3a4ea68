#include "core/document/pane_change.h"

#include <algorithm>
#include <cassert>
#include <functional>

namespace vexa {

MemoryPane applied(const MemoryPane& pane, const PaneChange& change)
{
    assert(std::ranges::adjacent_find(change.removedLines, std::greater_equal{}) == change.removedLines.end());
    assert(change.removedLines.empty() || change.removedLines.back() < pane.lineCount());
    MemoryPane result;
    result.reserve(pane.text().size());
    auto edit = change.edits.begin();
    std::string line;
    forEachRemainingLine(pane.lineCount(), change.removedLines, [&](std::size_t i, std::size_t) {
        // Edits name no removed line: they come in line order among the lines that stay.
        const std::string_view old = pane.lineView(i);
        line.clear();
        std::size_t from = 0;
        for (; edit != change.edits.end() && edit->line == i; ++edit) {
            assert(edit->at >= from && edit->at + edit->length <= old.size());
            line.append(old.substr(from, edit->at - from)).append(edit->text);
            from = std::min(old.size(), edit->at + edit->length);
        }
        line.append(old.substr(std::min(from, old.size())));
        result.append(line);
    });
    // An edit left over names a removed line, a line past the end, or comes out of order.
    assert(edit == change.edits.end());
    for (const std::string& appended : change.appendedLines)
        result.append(appended);
    return result;
}

} // namespace vexa
