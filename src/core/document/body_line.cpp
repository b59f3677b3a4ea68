#include "core/document/body_line.h"

namespace vexa {

namespace {

constexpr char kBlank = ' ';
constexpr char kComment = ';';

// The part of the line from `from` to `to`, blanks trimmed.
LinePart trimmedPart(std::string_view line, std::size_t from, std::size_t to)
{
    while (from < to && line[from] == kBlank)
        ++from;
    while (to > from && line[to - 1] == kBlank)
        --to;
    return {from, line.substr(from, to - from)};
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    return trimmedPart(text, 0, text.size()).text;
}

std::string_view valueText(std::string_view text)
{
    return trimBlanks(text.substr(0, text.find(kComment)));
}

BodyLine readBodyLine(std::string_view line)
{
    BodyLine body;
    body.commentAt = line.find(kComment);
    const std::size_t contentEnd = body.commentAt == BodyLine::kNoComment ? line.size() : body.commentAt;
    const LinePart content = trimmedPart(line, 0, contentEnd);
    if (content.empty()) {
        body.kind = body.commentAt == BodyLine::kNoComment ? BodyLine::Kind::Blank : BodyLine::Kind::Comment;
        return body;
    }
    const std::size_t equals = line.find('=', content.at);
    body.kind = BodyLine::Kind::Malformed;
    if (equals >= content.end())
        return body;
    body.key = trimmedPart(line, content.at, equals);
    if (body.key.empty())
        return body;
    body.kind = BodyLine::Kind::KeyValue;
    body.value = trimmedPart(line, equals + 1, content.end());
    return body;
}

namespace {

// Calls take(field) for each field of the line's value, in order.
template <typename Take>
void forEachField(const BodyLine& line, Take&& take)
{
    if (!line.isKeyValue())
        return;
    const std::string_view value = line.value.text;
    // Fields are a few bytes each: a plain scan finds the next comma sooner than a call would.
    for (std::size_t start = 0;;) {
        std::size_t end = start;
        while (end < value.size() && value[end] != ',')
            ++end;
        const LinePart field = trimmedPart(value, start, end);
        take(LinePart{line.value.at + field.at, field.text});
        if (end == value.size())
            break;
        start = end + 1;
    }
}

} // namespace

Fields::Fields(const BodyLine& line)
{
    forEachField(line, [this](LinePart field) {
        if (count_ < kMaxFields)
            fields_[count_] = field;
        ++count_;
    });
}

std::vector<LinePart> allFields(const BodyLine& line)
{
    std::vector<LinePart> fields;
    readAllFields(line, fields);
    return fields;
}

void readAllFields(const BodyLine& line, std::vector<LinePart>& fields)
{
    fields.clear();
    forEachField(line, [&](LinePart field) { fields.push_back(field); });
}

bool isSectionHeaderLine(std::string_view line)
{
    return !line.empty() && line.front() == '[';
}

} // namespace vexa
