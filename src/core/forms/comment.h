#pragma once

#include <string>
#include <string_view>

namespace vexa {

// What separates a generated line from the dialog's comment.
inline constexpr std::string_view kCommentSeparator = " ; ";

// A dialog's comment ends every line it generates: " ; " and the comment when it is
// non-empty; an empty comment adds nothing, not even the blanks.
inline void appendComment(std::string& line, std::string_view comment)
{
    if (!comment.empty())
        line.append(kCommentSeparator).append(comment);
}

} // namespace vexa
