#include "gui/document/pane_editor.h"

#include "gui/document/text_codec.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace vexa {

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
    QTextCursor cursor(editor_->document());
    appendLines(cursor, pending_);
    editorLines_ += pending_.size();
    pending_.clear();
}

void appendLines(QTextCursor& cursor, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    std::string bytes;
    // Appending starts a new line unless the text already ends with a line break.
    if (cursor.document()->lastBlock().length() > 1)
        bytes.push_back('\n');
    for (const std::string& line : lines) {
        bytes.append(line);
        bytes.push_back('\n');
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(decodeText(bytes));
}

} // namespace vexa
