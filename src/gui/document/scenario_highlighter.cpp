#include "gui/document/scenario_highlighter.h"

#include "core/document/body_line.h"

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
    const std::string_view line(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const auto length = static_cast<int>(text.size());
    QList<QTextLayout::FormatRange> colours;
    // The reader takes a header line whole, comment and all.
    if (isSectionHeaderLine(line)) {
        if (headers_ == Headers::Marked)
            colours.append(range(0, length, header_));
        return colours;
    }
    const BodyLine body = readBodyLine(line);
    if (body.isKeyValue())
        colours.append(range(static_cast<int>(body.key.at), static_cast<int>(body.key.text.size()), key_));
    if (body.commentAt != BodyLine::kNoComment) {
        const auto commentFrom = static_cast<int>(body.commentAt);
        colours.append(range(commentFrom, length - commentFrom, comment_));
    }
    return colours;
}

} // namespace vexa
