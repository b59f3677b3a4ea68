#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace vexa {

// The one grammar of a section body line, for every tool that reads what a line says
// (the check, the map, the panes' colours, the map's edits). The reader and writer of
// files keep their own rules and take lines whole.
//
// A ';' starts a comment. Blanks around keys, values and fields do not count; a blank is
// a space, never a tab.

// A part of a line: where it starts (a byte offset into the line) and its text.
struct LinePart {
    std::size_t at = 0;
    std::string_view text;

    std::size_t end() const { return at + text.size(); }
    bool empty() const { return text.empty(); }
};

struct BodyLine {
    static constexpr std::size_t kNoComment = std::string_view::npos;
    enum class Kind { Blank, Comment, KeyValue, Malformed };

    Kind kind = Kind::Blank;
    LinePart key;    // KeyValue only; never empty
    LinePart value;  // KeyValue only; without the comment, may be empty
    std::size_t commentAt = kNoComment;  // where the ';' stands, in any kind of line

    bool isKeyValue() const { return kind == Kind::KeyValue; }
};

BodyLine readBodyLine(std::string_view line);

// A text without its comment and the blanks around it, as a value is read: a field of
// [Map] ("48 ; valley") reads as the value of a body line would.
std::string_view valueText(std::string_view text);

// The text without the blanks at its ends.
std::string_view trimBlanks(std::string_view text);

// The comma-separated fields of a key=value line's value, blanks trimmed, each placed in
// the line. Keeps the first kMaxFields and counts them all.
class Fields {
public:
    static constexpr std::size_t kMaxFields = 18;
    Fields() = default;  // no field at all
    explicit Fields(const BodyLine& line);

    std::size_t count() const { return count_; }
    // An empty text for an index past what is kept.
    std::string_view operator[](std::size_t index) const { return part(index).text; }
    LinePart part(std::size_t index) const
    {
        return index < count_ && index < kMaxFields ? fields_[index] : LinePart{};
    }

private:
    std::array<LinePart, kMaxFields> fields_;  // the first count_ are set
    std::size_t count_ = 0;
};

// Every comma-separated field of a key=value line's value, as Fields places them, however
// many there are (a team type line holds a field per unit and per order).
std::vector<LinePart> allFields(const BodyLine& line);
// The same into a vector that is emptied first, for a reader of many lines.
void readAllFields(const BodyLine& line, std::vector<LinePart>& fields);

// A section header line: one that begins with "[". The reader opens a section at such a
// line; the panes show it set apart.
bool isSectionHeaderLine(std::string_view line);

} // namespace vexa
