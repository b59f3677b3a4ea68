#include "gui/document/pane_text_edit.h"

#include "gui/document/text_codec.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>

namespace vexa {

class LineNumberGutter final : public QWidget {
public:
    explicit LineNumberGutter(PaneTextEdit* editor)
        : QWidget(editor)
        , editor_(editor)
    {
        setObjectName(QStringLiteral("LineNumberGutter"));
    }
    QSize sizeHint() const override { return {editor_->gutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_->paintGutter(event); }

private:
    PaneTextEdit* editor_;
};

namespace {

constexpr int kGutterPadding = 4;

int digitCount(int number)
{
    int digits = 1;
    for (; number >= 10; number /= 10)
        ++digits;
    return digits;
}

QString withLineFeeds(const QString& text)
{
    return replaceLineBreaks(text, QLatin1Char('\n'));
}

} // namespace

PaneTextEdit::PaneTextEdit(QWidget* parent)
    : QPlainTextEdit(parent)
    , gutter_(new LineNumberGutter(this))
{
    connect(this, &QPlainTextEdit::blockCountChanged, this, &PaneTextEdit::fitGutterWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &PaneTextEdit::scrollGutter);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &PaneTextEdit::shadeCurrentLine);
    fitGutterWidth();
    shadeCurrentLine();
}

// Wide enough for the highest number, the last block's.
int PaneTextEdit::gutterWidth() const
{
    const int digits = digitCount(std::max(0, blockCount() - 1));
    return 2 * kGutterPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void PaneTextEdit::fitGutterWidth()
{
    setViewportMargins(gutterWidth(), 0, 0, 0);
}

void PaneTextEdit::scrollGutter(const QRect& rect, int dy)
{
    if (dy != 0)
        gutter_->scroll(0, dy);
    else
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    if (rect.contains(viewport()->rect()))
        fitGutterWidth();
}

void PaneTextEdit::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect contents = contentsRect();
    gutter_->setGeometry(QRect(contents.left(), contents.top(), gutterWidth(), contents.height()));
}

QList<PaneTextEdit::PlacedBlock> PaneTextEdit::blocksBetween(int top, int bottom) const
{
    QList<PlacedBlock> blocks;
    QTextBlock block = firstVisibleBlock();
    int blockTop = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && blockTop <= bottom) {
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && blockTop + height >= top)
            blocks.append({blockTop, block});
        blockTop += height;
        block = block.next();
    }
    return blocks;
}

QList<PaneTextEdit::GutterNumber> PaneTextEdit::gutterNumbers(int top, int bottom) const
{
    QList<GutterNumber> numbers;
    for (const PlacedBlock& placed : blocksBetween(top, bottom))
        numbers.append({placed.top, placed.block.blockNumber()});
    return numbers;
}

void PaneTextEdit::highlightSyntax(ScenarioHighlighter::Headers headers)
{
    highlighter_.emplace(document(), headers);
}

void PaneTextEdit::paintEvent(QPaintEvent* event)
{
    // Whatever brought the lines on screen (loading, appending, scrolling, resizing, an
    // edit), they are coloured before they are drawn.
    if (highlighter_) {
        const QList<PlacedBlock> shown = blocksBetween(0, viewport()->height());
        if (!shown.isEmpty())
            highlighter_->showBlocks(shown.front().block, shown.back().block);
    }
    QPlainTextEdit::paintEvent(event);
}

void PaneTextEdit::paintGutter(QPaintEvent* event)
{
    QPainter painter(gutter_);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    const int current = textCursor().blockNumber();
    QFont bold = font();
    bold.setBold(true);
    for (const GutterNumber& line : gutterNumbers(event->rect().top(), event->rect().bottom())) {
        const bool isCurrent = line.number == current;
        painter.setFont(isCurrent ? bold : font());
        painter.setPen(palette().color(isCurrent ? QPalette::Text : QPalette::PlaceholderText));
        painter.drawText(0, line.top, gutter_->width() - kGutterPadding, fontMetrics().height(), Qt::AlignRight,
                         QString::number(line.number));
    }
}

void PaneTextEdit::shadeCurrentLine()
{
    QTextEdit::ExtraSelection line;
    line.format.setBackground(palette().color(QPalette::AlternateBase));
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    setExtraSelections({line});
    gutter_->update();
}

void PaneTextEdit::keyPressEvent(QKeyEvent* event)
{
    // The editor would put a line separator inside the line.
    if (event->matches(QKeySequence::InsertLineSeparator) && !isReadOnly()) {
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void PaneTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    event->setCommitString(withLineFeeds(event->commitString()), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(event);
}

void PaneTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData text;
    text.setText(withLineFeeds(source->text()));
    QPlainTextEdit::insertFromMimeData(&text);
}

} // namespace vexa
