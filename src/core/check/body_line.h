#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vexa {

// A section body line as the check reads it. A ';' starts a comment (the dialogs write
// " ; " before theirs), and blanks around keys, values and fields are not part of them.
struct BodyLine {
    enum class Kind { Blank, Comment, KeyValue, Malformed };
    Kind kind = Kind::Blank;
    std::string_view key;    // KeyValue only; never empty
    std::string_view value;  // KeyValue only; without the comment

    bool isKeyValue() const { return kind == Kind::KeyValue; }
};

BodyLine readBodyLine(std::string_view line);
std::string_view trimBlanks(std::string_view text);

// The comma-separated fields of a value, blanks trimmed. Keeps the first kMaxFields and
// counts them all.
class Fields {
public:
    static constexpr std::size_t kMaxFields = 18;
    Fields() = default;  // no field at all
    explicit Fields(std::string_view value);

    std::size_t count() const { return count_; }
    // Empty for an index past what is kept.
    std::string_view operator[](std::size_t index) const
    {
        return index < count_ && index < kMaxFields ? fields_[index] : std::string_view();
    }

private:
    std::array<std::string_view, kMaxFields> fields_;  // the first count_ are set
    std::size_t count_ = 0;
};

} // namespace vexa
