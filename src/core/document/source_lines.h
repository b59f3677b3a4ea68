#pragma once

#include "core/document/layout.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

// Where the lines of a read scenario stood in its file, for messages that name a file
// line. The reader drops blank lines and adds lines of its own (the blank line between
// the sections of a collecting pane), so a pane's lines map to the file in runs.
class SourceLines {
public:
    // The file line index (0 for the file's first line) of a pane's line; nothing for a
    // line the reader made up or a line the pane did not get from the file.
    std::optional<std::size_t> fileLine(PaneId pane, std::size_t paneLine) const;
    // How a message names a pane's line: "line 12" (the file's, counted from 1), or "a
    // line the reader added".
    std::string fileLineName(PaneId pane, std::size_t paneLine) const;
    // The file line that last set a field of [Basic] or [Map].
    std::optional<std::size_t> fileLine(FieldId field) const { return fields_[index(field)]; }
    // The file line of the first header of a section pane proper ([STRUCTURES], [MapPack]
    // ...), whose header is no line of its pane; nothing when the file has none.
    std::optional<std::size_t> headerLine(PaneId pane) const { return headers_[index(pane)]; }
    // Whether the file began with a UTF-8 byte order mark, which the reader skipped.
    bool startedWithByteOrderMark() const { return byteOrderMark_; }

    // Recorded by the reader, in file order.
    void paneLineFrom(PaneId pane, std::size_t paneLine, std::size_t fileLine);
    void fieldFrom(FieldId field, std::size_t fileLine) { fields_[index(field)] = fileLine; }
    void headerFrom(PaneId pane, std::size_t fileLine);
    void byteOrderMarkSkipped() { byteOrderMark_ = true; }

private:
    // count pane lines from firstPaneLine on come from consecutive file lines.
    struct Run {
        std::size_t firstPaneLine;
        std::size_t firstFileLine;
        std::size_t count;
    };
    std::array<std::vector<Run>, kPaneCount> runs_;
    std::array<std::optional<std::size_t>, kFieldCount> fields_{};
    std::array<std::optional<std::size_t>, kPaneCount> headers_{};
    bool byteOrderMark_ = false;
};

} // namespace vexa
