#include "core/document/pane.h"

#include <cassert>

namespace vexa {

namespace {

bool isCarriageReturnLineFeed(std::u16string_view text, std::size_t at)
{
    return text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n';
}

} // namespace

std::u16string replaceLineBreaks(std::u16string_view text, char16_t replacement)
{
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!isLineEnd(text[at])) {
            result.push_back(text[at]);
            continue;
        }
        result.push_back(replacement);
        if (isCarriageReturnLineFeed(text, at))
            ++at;
    }
    return result;
}

std::size_t positionAfterReplacingLineBreaks(std::u16string_view text, std::size_t position)
{
    std::size_t lost = 0;
    for (std::size_t at = 0; at + 1 < position && at + 1 < text.size(); ++at) {
        if (isCarriageReturnLineFeed(text, at)) {
            ++lost;
            ++at;
        }
    }
    return position - lost;
}

std::vector<std::string_view> splitPaneText(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::size_t lineCountOfBlocks(std::size_t blockCount, bool lastBlockEmpty)
{
    if (blockCount == 0)
        return 0;
    return lastBlockEmpty ? blockCount - 1 : blockCount;
}

MemoryPane::MemoryPane(std::string_view text)
{
    text_.reserve(text.size() + 1);
    for (std::string_view line : splitPaneText(text))
        append(line);
}

std::string_view MemoryPane::lineView(std::size_t index) const
{
    assert(index < starts_.size());
    if (index >= starts_.size())
        return {};
    const std::size_t start = starts_[index];
    const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
    return std::string_view(text_).substr(start, end - start - 1);
}

void MemoryPane::append(std::string_view line)
{
    starts_.push_back(text_.size());
    text_.append(line);
    text_.push_back('\n');
}

void MemoryPane::replace(std::size_t index, std::string_view line)
{
    if (index >= starts_.size())
        return;
    const std::size_t oldLength = lineView(index).size();
    text_.replace(starts_[index], oldLength, line);
    const std::ptrdiff_t shift = static_cast<std::ptrdiff_t>(line.size()) - static_cast<std::ptrdiff_t>(oldLength);
    for (std::size_t i = index + 1; i < starts_.size(); ++i)
        starts_[i] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(starts_[i]) + shift);
}

std::vector<std::string> MemoryPane::lines() const
{
    std::vector<std::string> result;
    result.reserve(lineCount());
    for (std::size_t i = 0; i < lineCount(); ++i)
        result.emplace_back(lineView(i));
    return result;
}

} // namespace vexa
