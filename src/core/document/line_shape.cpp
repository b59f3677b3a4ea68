#include "core/document/line_shape.h"

#include "core/forms/comment.h"

namespace vexa {

bool isSectionHeaderLine(std::string_view line)
{
    return !line.empty() && line.front() == '[';
}

LineShape shapeOfLine(std::string_view line)
{
    LineShape shape;
    if (!line.empty() && line.front() == ';') {
        shape.commentFrom = 0;
        return shape;
    }
    shape.commentFrom = line.find(kCommentSeparator);
    const std::string_view body = line.substr(0, shape.commentFrom);
    if (isSectionHeaderLine(body)) {
        shape.header = true;
        return shape;
    }
    shape.keyLength = body.find('=');
    return shape;
}

} // namespace vexa
