#include "core/document/text_search.h"

#include "core/document/body_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace vexa {

namespace {

using ByteTable = std::array<unsigned char, 256>;

// Every byte its own: the table of an exact search.
constexpr ByteTable makeSameTable()
{
    ByteTable table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<unsigned char>(byte);
    return table;
}

constexpr ByteTable makeFoldTable()
{
    ByteTable table = makeSameTable();
    for (int byte = 'A'; byte <= 'Z'; ++byte)
        table[byte] = static_cast<unsigned char>(byte + 0x20);
    // À to Þ, except the multiplication sign ×.
    for (int byte = 0xC0; byte <= 0xDE; ++byte) {
        if (byte != 0xD7)
            table[byte] = static_cast<unsigned char>(byte + 0x20);
    }
    table[0x8A] = 0x9A;  // Š
    table[0x8C] = 0x9C;  // Œ
    table[0x8E] = 0x9E;  // Ž
    table[0x9F] = 0xFF;  // Ÿ
    return table;
}

constexpr ByteTable kSame = makeSameTable();
constexpr ByteTable kFold = makeFoldTable();

constexpr std::size_t kNowhere = std::string_view::npos;

bool isSearchable(std::string_view needle)
{
    return !needle.empty() && needle.find('\n') == std::string_view::npos;
}

// Finds a needle in text as it stands, comparing bytes through the case rule's table, so
// no folded copy of the text is made and a search costs only the bytes it passes
// (Horspool's skip over the byte under the needle's end).
class NeedleFinder {
public:
    NeedleFinder(std::string_view needle, MatchCase matchCase)
        : needle_(needle)
        , table_(matchCase == MatchCase::Ignore ? kFold : kSame)
    {
        skips_.fill(needle.size());
        for (std::size_t i = 0; i + 1 < needle.size(); ++i)
            skips_[byte(needle[i])] = needle.size() - 1 - i;
    }

    // The first match starting at or after `from`, or kNowhere.
    std::size_t find(std::string_view text, std::size_t from) const
    {
        const std::size_t length = needle_.size();
        if (text.size() < length)
            return kNowhere;
        for (std::size_t at = from; at <= text.size() - length; at += skips_[byte(text[at + length - 1])]) {
            if (sameBytes(text.substr(at, length)))
                return at;
        }
        return kNowhere;
    }

    bool sameBytes(std::string_view text) const
    {
        return std::equal(text.begin(), text.end(), needle_.begin(), needle_.end(),
                          [this](char left, char right) { return byte(left) == byte(right); });
    }

    // Calls visit(column) for the matches of a line left to right, none overlapping the one
    // before, while visit returns true.
    template <typename Visit>
    void forEachMatch(std::string_view line, Visit&& visit) const
    {
        for (std::size_t at = find(line, 0); at != kNowhere && visit(at); at = find(line, at + needle_.size())) {
        }
    }

private:
    unsigned char byte(char value) const { return table_[static_cast<unsigned char>(value)]; }

    std::string_view needle_;
    const ByteTable& table_;
    std::array<std::size_t, 256> skips_{};
};

// The first match of a line at or after a column, and the last one before a column, among
// the matches findMatches gives.
std::optional<std::size_t> firstMatchFrom(const NeedleFinder& finder, std::string_view line, std::size_t column)
{
    std::optional<std::size_t> found;
    finder.forEachMatch(line, [&](std::size_t at) {
        if (at >= column)
            found = at;
        return !found;
    });
    return found;
}

std::optional<std::size_t> lastMatchBefore(const NeedleFinder& finder, std::string_view line, std::size_t column)
{
    std::optional<std::size_t> found;
    finder.forEachMatch(line, [&](std::size_t at) {
        if (at >= column)
            return false;
        found = at;
        return true;
    });
    return found;
}

// Steps through the lines of the texts, round from the last line of the last text to the
// first line of the first; texts without lines are passed over. At least one text has a
// line.
class LineWalk {
public:
    explicit LineWalk(const SearchedLines& lines)
        : lines_(lines)
    {
    }

    void forward(SearchPlace& place) const
    {
        ++place.line;
        while (place.line >= lines_.lineCount(place.text)) {
            place.text = (place.text + 1) % lines_.textCount();
            place.line = 0;
        }
    }

    void backward(SearchPlace& place) const
    {
        while (place.line == 0) {
            place.text = (place.text + lines_.textCount() - 1) % lines_.textCount();
            place.line = lines_.lineCount(place.text);
        }
        --place.line;
    }

    // The line a search starts on and the column that parts the line: a place past a
    // text's last line is the start of the next line forward, the end of the last line
    // backward.
    SearchPlace start(SearchPlace from, SearchDirection direction) const
    {
        const std::size_t lastText = lines_.textCount() - 1;
        if (from.text > lastText)
            from = {lastText, lines_.lineCount(lastText), 0};
        if (from.line < lines_.lineCount(from.text))
            return from;
        if (direction == SearchDirection::Forward) {
            SearchPlace next{from.text, lines_.lineCount(from.text), 0};
            while (next.line >= lines_.lineCount(next.text))
                next = {(next.text + 1) % lines_.textCount(), 0, 0};
            return next;
        }
        SearchPlace last{from.text, lines_.lineCount(from.text), kNowhere};
        backward(last);
        return last;
    }

    std::size_t totalLines() const
    {
        std::size_t total = 0;
        for (std::size_t text = 0; text < lines_.textCount(); ++text)
            total += lines_.lineCount(text);
        return total;
    }

private:
    const SearchedLines& lines_;
};

// Pieces of a message one after the other. (Adding a literal to a string makes GCC 12 warn
// wrongly about overlapping copies in an optimised build.)
std::string joined(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

} // namespace

char foldCase(char byte)
{
    return static_cast<char>(kFold[static_cast<unsigned char>(byte)]);
}

std::vector<TextMatch> findMatches(std::string_view text, std::string_view needle, MatchCase matchCase)
{
    std::vector<TextMatch> matches;
    if (!isSearchable(needle))
        return matches;
    const NeedleFinder finder(needle, matchCase);
    std::size_t line = 0;
    std::size_t lineStart = 0;
    std::size_t lineEnd = text.find('\n');
    for (std::size_t at = finder.find(text, 0); at != kNowhere; at = finder.find(text, at + needle.size())) {
        // Count the lines passed on the way; a needle without breaks never spans one.
        while (lineEnd < at) {
            ++line;
            lineStart = lineEnd + 1;
            lineEnd = text.find('\n', lineStart);
        }
        matches.push_back({line, at - lineStart, at});
    }
    return matches;
}

std::vector<LineEdit> replacingEdits(std::string_view text, std::string_view needle, MatchCase matchCase,
                                     std::string_view replacement)
{
    std::vector<LineEdit> edits;
    for (const TextMatch& match : findMatches(text, needle, matchCase))
        edits.push_back({match.line, match.column, needle.size(), std::string(replacement)});
    return edits;
}

bool isNeedle(std::string_view text, std::string_view needle, MatchCase matchCase)
{
    return isSearchable(needle) && NeedleFinder(needle, matchCase).sameBytes(text);
}

// Every line is read once, the start line a second time when the search comes round to
// it: then the side of the place not looked at yet is all that can hold the hit.
std::optional<SearchPlace> findNearestMatch(const SearchedLines& lines, std::string_view needle, MatchCase matchCase,
                                            SearchPlace from, SearchDirection direction)
{
    const LineWalk walk(lines);
    const std::size_t total = walk.totalLines();
    if (!isSearchable(needle) || total == 0)
        return std::nullopt;
    const NeedleFinder finder(needle, matchCase);
    const bool forward = direction == SearchDirection::Forward;
    const SearchPlace start = walk.start(from, direction);
    SearchPlace place = start;
    for (std::size_t visit = 0; visit <= total; ++visit) {
        const std::string line = lines.line(place.text, place.line);
        const std::size_t parting = visit == 0 ? start.column : forward ? 0 : kNowhere;
        if (const auto column = forward ? firstMatchFrom(finder, line, parting) : lastMatchBefore(finder, line, parting))
            return SearchPlace{place.text, place.line, *column};
        forward ? walk.forward(place) : walk.backward(place);
    }
    return std::nullopt;
}

std::variant<std::size_t, LineRequestError> requestedLine(std::string_view typed, std::size_t lineCount)
{
    if (lineCount == 0)
        return LineRequestError{"The pane is empty: it has no line to go to"};
    const std::size_t lastLine = lineCount - 1;
    const std::string_view number = trimBlanks(typed);
    const std::string range = "the lines go from 0 to " + std::to_string(lastLine);
    std::size_t line = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), line);
    if (number.empty() || end != number.data() + number.size() || error == std::errc::invalid_argument)
        return LineRequestError{joined({"\"", typed, "\" is no line number; ", range})};
    if (error == std::errc::result_out_of_range || line > lastLine)
        return LineRequestError{joined({"There is no line ", number, "; ", range})};
    return line;
}

} // namespace vexa
