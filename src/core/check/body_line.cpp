#include "core/check/body_line.h"

namespace vexa {

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
} // namespace

std::string_view trimBlanks(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

BodyLine readBodyLine(std::string_view line)
{
    const std::string_view content = trimBlanks(line);
    if (content.empty())
        return {};
    if (content.front() == ';')
        return {BodyLine::Kind::Comment, {}, {}};
    const std::size_t comment = content.find(';');
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos || equals > comment)
        return {BodyLine::Kind::Malformed, {}, {}};
    const std::string_view key = trimBlanks(content.substr(0, equals));
    if (key.empty())
        return {BodyLine::Kind::Malformed, {}, {}};
    const std::size_t valueEnd = comment == std::string_view::npos ? content.size() : comment;
    return {BodyLine::Kind::KeyValue, key, trimBlanks(content.substr(equals + 1, valueEnd - equals - 1))};
}

Fields::Fields(std::string_view value)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = value.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? value.size() : comma;
        if (count_ < kMaxFields)
            fields_[count_] = trimBlanks(value.substr(start, end - start));
        ++count_;
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
}

} // namespace vexa
