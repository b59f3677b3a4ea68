#include "gui/document/pane_editor.h"

#include "gui/document/text_codec.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace vexa {

namespace {

QString withLineFeeds(const QString& text)
{
    return replaceLineBreaks(text, QLatin1Char('\n'));
}

} // namespace

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

std::size_t editorLineCount(const QPlainTextEdit& editor)
{
    const QTextDocument& document = *editor.document();
    return lineCountOfBlocks(static_cast<std::size_t>(document.blockCount()), document.lastBlock().length() <= 1);
}

PaneEditor::PaneEditor(QPlainTextEdit* editor)
    : editor_(editor)
    , editorLines_(editorLineCount(*editor))
{
}

PaneEditor::~PaneEditor()
{
    flush();
}

std::size_t PaneEditor::lineCount() const
{
    return editorLines_ + pending_.size();
}

std::string PaneEditor::line(std::size_t index) const
{
    if (index >= editorLines_)
        return index < lineCount() ? pending_[index - editorLines_] : std::string();
    // A character no file can hold reads as "?"; Save refuses such a pane anyway.
    return encodeTextReplacing(editor_->document()->findBlockByNumber(static_cast<int>(index)).text(), '?');
}

void PaneEditor::append(std::string_view line)
{
    pending_.emplace_back(line);
}

void PaneEditor::replace(std::size_t index, std::string_view line)
{
    if (index >= lineCount())
        return;
    if (index >= editorLines_) {
        pending_[index - editorLines_] = line;
        return;
    }
    QTextCursor cursor(editor_->document()->findBlockByNumber(static_cast<int>(index)));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(decodeText(line));
}

void PaneEditor::flush()
{
    if (pending_.empty())
        return;
    std::string bytes;
    // Appending starts a new line unless the text already ends with a line break.
    if (editor_->document()->lastBlock().length() > 1)
        bytes.push_back('\n');
    for (const std::string& line : pending_) {
        bytes.append(line);
        bytes.push_back('\n');
    }
    QTextCursor cursor(editor_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(decodeText(bytes));
    editorLines_ += pending_.size();
    pending_.clear();
}

} // namespace vexa
