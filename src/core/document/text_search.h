#pragma once

#include <cstddef>
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

// The line a typed line number asks for: a decimal number from 0 to one below the line
// count, blanks around it allowed; otherwise a message that says what is wrong.
struct LineRequestError {
    std::string message;
};
std::variant<std::size_t, LineRequestError> requestedLine(std::string_view typed, std::size_t lineCount);

} // namespace vexa
