#pragma once

#include "core/document/pane_change.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vexa {

// Searching a pane's text as the panes' find, replace and go-to-line bars do. Texts are
// 8-bit bytes with lines ended by '\n', as in MemoryPane::text().

enum class MatchCase { Ignore, Exact };

// Where a needle stands: the line (from 0), the byte within the line and within the text.
struct TextMatch {
    std::size_t line = 0;
    std::size_t column = 0;
    std::size_t offset = 0;

    bool operator==(const TextMatch&) const = default;
};

// The lower-case form of a byte in the file's code page (Windows-1252): A-Z, the accented
// capitals and Š, Œ, Ž, Ÿ; every other byte is its own.
char foldCase(char byte);

// Every match of the needle in the text, line by line and left to right, none
// overlapping the one before. A needle never spans a line break; an empty needle or one
// holding a break matches nothing.
std::vector<TextMatch> findMatches(std::string_view text, std::string_view needle, MatchCase matchCase);

// Replace all: an edit for every match findMatches gives, the replacement in place of the
// needle.
std::vector<LineEdit> replacingEdits(std::string_view text, std::string_view needle, MatchCase matchCase,
                                     std::string_view replacement);

// Whether a piece of text is the needle itself under the case rule: what a hit found
// earlier must still be before it is selected. An empty needle, or one holding a line
// break, is never the text.
bool isNeedle(std::string_view text, std::string_view needle, MatchCase matchCase);

// A place among texts searched one after the other (the panes in tab order): which text,
// its line (from 0) and the byte within that line.
struct SearchPlace {
    std::size_t text = 0;
    std::size_t line = 0;
    std::size_t column = 0;

    bool operator==(const SearchPlace&) const = default;
};

// Texts read a line at a time, so that a search stopping at the first hit reads only the
// lines it passes on the way.
class SearchedLines {
public:
    virtual ~SearchedLines() = default;

    virtual std::size_t textCount() const = 0;
    virtual std::size_t lineCount(std::size_t text) const = 0;
    // A line without its break.
    virtual std::string line(std::size_t text, std::size_t line) const = 0;
};

enum class SearchDirection { Forward, Backward };

// The hit nearest to a place, as find next and find previous step: forward the first hit
// at or after the place, backward the last hit that starts before it. Past the last line
// of the last text the search goes on at the first line of the first, and backward the
// other way round, until it is back where it started. The hits of a line are those
// findMatches gives. A place beyond a text's last line stands after that line; one beyond
// the last text stands after all of them. Nothing when no text holds a hit.
std::optional<SearchPlace> findNearestMatch(const SearchedLines& lines, std::string_view needle, MatchCase matchCase,
                                            SearchPlace from, SearchDirection direction);

// The line a typed line number asks for: a decimal number from 0 to one below the line
// count, blanks around it allowed; otherwise a message that says what is wrong.
struct LineRequestError {
    std::string message;
};
std::variant<std::size_t, LineRequestError> requestedLine(std::string_view typed, std::size_t lineCount);

} // namespace vexa
