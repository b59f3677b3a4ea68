#include "gui/document/scenario_highlighter.h"

#include "core/document/line_shape.h"

#include <QTextBlock>
#include <QTextDocument>

namespace vexa {

namespace {

// The text a block's colours were made for; an edit of the block leaves it behind.
class ColouredText final : public QTextBlockUserData {
public:
    explicit ColouredText(QString text)
        : text(std::move(text))
    {
    }
    QString text;
};

QTextLayout::FormatRange range(int start, int length, const QTextCharFormat& format)
{
    return {start, length, format};
}

} // namespace

ScenarioHighlighter::ScenarioHighlighter(QTextDocument* document, Headers headers)
    : document_(document)
    , headers_(headers)
{
    comment_.setForeground(QColor(0x6a, 0x8a, 0x6a));
    key_.setForeground(QColor(0x1f, 0x4e, 0x99));
    header_.setForeground(QColor(0x80, 0x20, 0x20));
    header_.setFontWeight(QFont::Bold);
}

bool ScenarioHighlighter::isHighlighted(const QTextBlock& block)
{
    const auto* coloured = static_cast<const ColouredText*>(block.userData());
    return coloured && coloured->text == block.text();
}

void ScenarioHighlighter::showBlocks(const QTextBlock& first, const QTextBlock& last) const
{
    const int lastNumber = last.blockNumber();
    for (QTextBlock block = first; block.isValid() && block.blockNumber() <= lastNumber; block = block.next()) {
        // Colouring a block lays it out again, and so asks for one more paint; that paint
        // finds the block coloured and leaves it alone.
        if (!isHighlighted(block))
            colourBlock(block);
    }
}

void ScenarioHighlighter::colourBlock(QTextBlock block) const
{
    const QString text = block.text();
    block.layout()->setFormats(coloursOfLine(text));
    block.setUserData(new ColouredText(text));
    // The layout's formats are no part of the document: this changes no text and no undo step.
    document_->markContentsDirty(block.position(), block.length());
}

QList<QTextLayout::FormatRange> ScenarioHighlighter::coloursOfLine(const QString& text) const
{
    // One byte per character, so the positions of the bytes are those of the characters.
    const QByteArray bytes = text.toLatin1();
    const LineShape shape = shapeOfLine(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const auto length = static_cast<int>(text.size());
    const int commentFrom = shape.commentFrom == LineShape::kNone ? length : static_cast<int>(shape.commentFrom);
    QList<QTextLayout::FormatRange> colours;
    if (shape.header && headers_ == Headers::Marked)
        colours.append(range(0, commentFrom, header_));
    if (shape.keyLength != LineShape::kNone)
        colours.append(range(0, static_cast<int>(shape.keyLength), key_));
    if (commentFrom < length)
        colours.append(range(commentFrom, length - commentFrom, comment_));
    return colours;
}

} // namespace vexa
