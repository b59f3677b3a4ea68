#include "gui/document/scenario_highlighter.h"

#include "core/document/line_shape.h"

namespace vexa {

ScenarioHighlighter::ScenarioHighlighter(QTextDocument* document, Headers headers)
    : QSyntaxHighlighter(document)
    , headers_(headers)
{
    comment_.setForeground(QColor(0x6a, 0x8a, 0x6a));
    key_.setForeground(QColor(0x1f, 0x4e, 0x99));
    header_.setForeground(QColor(0x80, 0x20, 0x20));
    header_.setFontWeight(QFont::Bold);
}

void ScenarioHighlighter::highlightBlock(const QString& text)
{
    // One byte per character, so the positions of the bytes are those of the characters.
    const QByteArray bytes = text.toLatin1();
    const LineShape shape = shapeOfLine(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const auto length = static_cast<int>(text.size());
    const int commentFrom = shape.commentFrom == LineShape::kNone ? length : static_cast<int>(shape.commentFrom);
    if (shape.header && headers_ == Headers::Marked)
        setFormat(0, commentFrom, header_);
    if (shape.keyLength != LineShape::kNone)
        setFormat(0, static_cast<int>(shape.keyLength), key_);
    if (commentFrom < length)
        setFormat(commentFrom, length - commentFrom, comment_);
}

} // namespace vexa
