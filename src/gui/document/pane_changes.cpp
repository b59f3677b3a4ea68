#include "gui/document/pane_changes.h"

#include "gui/document/pane_editor.h"
#include "gui/document/text_codec.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace vexa {

namespace {

// One part of a change at one place: an edit, or (without one) the removal of the line.
struct Step {
    std::size_t line = 0;
    std::size_t at = 0;
    const LineEdit* edit = nullptr;
};

// The steps from the end of the text backwards, so that each leaves the places of those
// still to come where they were.
std::vector<Step> stepsFromTheEnd(const PaneChange& change)
{
    std::vector<Step> steps;
    steps.reserve(change.edits.size() + change.removedLines.size());
    for (const LineEdit& edit : change.edits)
        steps.push_back({edit.line, edit.at, &edit});
    for (const std::size_t line : change.removedLines)
        steps.push_back({line, std::numeric_limits<std::size_t>::max(), nullptr});
    std::stable_sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) {
        return a.line != b.line ? a.line > b.line : a.at > b.at;
    });
    return steps;
}

// Takes the line out with the break after it. The last line has none: taking its text
// leaves an empty last block, which the line rule counts as no line.
void removeLine(QTextCursor& cursor, const QTextBlock& block)
{
    cursor.setPosition(block.position());
    if (const QTextBlock next = block.next(); next.isValid())
        cursor.setPosition(next.position(), QTextCursor::KeepAnchor);
    else
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

// An edit that reaches past the end of its line stops there, as applied() has it.
void editLine(QTextCursor& cursor, const QTextBlock& block, const LineEdit& edit)
{
    const auto lineLength = static_cast<std::size_t>(block.length() - 1);
    const std::size_t from = std::min(edit.at, lineLength);
    const std::size_t to = std::min(edit.at + edit.length, lineLength);
    cursor.setPosition(block.position() + static_cast<int>(from));
    cursor.setPosition(block.position() + static_cast<int>(std::max(from, to)), QTextCursor::KeepAnchor);
    cursor.insertText(decodeText(edit.text));
}

} // namespace

void applyPaneChange(QPlainTextEdit& editor, const PaneChange& change)
{
    if (change.isEmpty())
        return;
    QTextDocument& document = *editor.document();
    const std::size_t lineCount = editorLineCount(editor);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    // Appended lines come after every line, so they move no place that an edit names.
    appendLines(cursor, change.appendedLines);
    for (const Step& step : stepsFromTheEnd(change)) {
        if (step.line >= lineCount)
            continue;
        const QTextBlock block = document.findBlockByNumber(static_cast<int>(step.line));
        if (step.edit)
            editLine(cursor, block, *step.edit);
        else
            removeLine(cursor, block);
    }
    cursor.endEditBlock();
}

} // namespace vexa
