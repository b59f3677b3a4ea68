#include "core/placement/placement_lines.h"

#include "core/forms/comment.h"

namespace vexa {

std::string joinFields(std::initializer_list<std::string_view> fields)
{
    std::string joined;
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            joined.push_back(',');
        joined.append(field);
        first = false;
    }
    return joined;
}

std::string keyedLine(std::string_view key, std::string_view value, std::string_view comment)
{
    std::string line;
    line.reserve(key.size() + value.size() + comment.size() + 4);
    line.append(key).push_back('=');
    line.append(value);
    appendComment(line, comment);
    return line;
}

void appendNumberedLine(Pane& pane, std::string_view value, std::string_view comment)
{
    pane.append(keyedLine(std::to_string(pane.lineCount()), value, comment));
}

} // namespace vexa
