#include "core/document/text_search.h"

#include "core/document/body_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>

namespace vexa {

namespace {

constexpr std::array<unsigned char, 256> makeFoldTable()
{
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<unsigned char>(byte);
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

constexpr std::array<unsigned char, 256> kFold = makeFoldTable();

std::string folded(std::string_view text)
{
    std::string result(text);
    for (char& byte : result)
        byte = foldCase(byte);
    return result;
}

} // namespace

char foldCase(char byte)
{
    return static_cast<char>(kFold[static_cast<unsigned char>(byte)]);
}

std::vector<TextMatch> findMatches(std::string_view text, std::string_view needle, MatchCase matchCase)
{
    std::vector<TextMatch> matches;
    if (needle.empty() || needle.find('\n') != std::string_view::npos)
        return matches;
    // Folding the whole text once keeps the search a plain substring scan.
    std::string foldedText;
    std::string foldedNeedle;
    if (matchCase == MatchCase::Ignore) {
        foldedText = folded(text);
        foldedNeedle = folded(needle);
        text = foldedText;
        needle = foldedNeedle;
    }
    const std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end());
    std::size_t line = 0;
    std::size_t lineStart = 0;
    std::size_t lineEnd = text.find('\n');
    std::size_t from = 0;
    while (from < text.size()) {
        const auto found = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), searcher);
        if (found == text.end())
            break;
        const auto at = static_cast<std::size_t>(found - text.begin());
        // Count the lines passed on the way; a needle without breaks never spans one.
        while (lineEnd < at) {
            ++line;
            lineStart = lineEnd + 1;
            lineEnd = text.find('\n', lineStart);
        }
        matches.push_back({line, at - lineStart, at});
        from = at + needle.size();
    }
    return matches;
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
        return LineRequestError{"\"" + std::string(typed) + "\" is no line number; " + range};
    if (error == std::errc::result_out_of_range || line > lastLine)
        return LineRequestError{"There is no line " + std::string(number) + "; " + range};
    return line;
}

} // namespace vexa
