#include "gui/document/pane_changes.h"

#include "gui/document/pane_editor.h"
#include "gui/document/text_codec.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>
#include <optional>

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

// An edit that reaches past the end of its line stops there: the editor may hold less
// than the snapshot the change was made from.
void editLine(QTextCursor& cursor, const QTextBlock& block, const LineEdit& edit)
{
    const auto lineLength = static_cast<std::size_t>(block.length() - 1);
    const std::size_t from = std::min(edit.at, lineLength);
    const std::size_t to = std::min(edit.at + edit.length, lineLength);
    cursor.setPosition(block.position() + static_cast<int>(from));
    cursor.setPosition(block.position() + static_cast<int>(std::max(from, to)), QTextCursor::KeepAnchor);
    cursor.insertText(decodeText(edit.text));
}

// The steps of side-by-side lines, which are made as one replacement of the lines: the
// editor then lays the lines out once, not once for each (moving a thousand things on the
// map edits a thousand lines).
struct LineRun {
    std::size_t first = 0;
    std::size_t last = 0;
    std::vector<Step> steps;  // from the end backwards
};

std::vector<LineRun> runsOf(const std::vector<Step>& stepsFromTheEnd, std::size_t lineCount)
{
    std::vector<LineRun> runs;
    for (const Step& step : stepsFromTheEnd) {
        if (step.line >= lineCount)
            continue;
        if (runs.empty() || runs.back().first > step.line + 1)
            runs.push_back({step.line, step.line, {}});
        runs.back().first = step.line;
        runs.back().steps.push_back(step);
    }
    return runs;
}

// What a step makes of the text of its line; empty for a removed line.
std::optional<QString> changedLine(QString line, const std::vector<Step>& stepsOfLine)
{
    for (const Step& step : stepsOfLine) {
        if (!step.edit)
            return std::nullopt;
        const auto length = static_cast<std::size_t>(line.size());
        const std::size_t from = std::min(step.edit->at, length);
        const std::size_t to = std::min(step.edit->at + step.edit->length, length);
        line.replace(static_cast<qsizetype>(from), static_cast<qsizetype>(std::max(from, to) - from),
                     decodeText(step.edit->text));
    }
    return line;
}

// The lines of the run replaced by what the steps make of them, as one insertion. The
// lines are read in one piece: a block at a time costs as much again as the insertion.
void replaceRun(QTextCursor& cursor, QTextDocument& document, const LineRun& run)
{
    const QTextBlock first = document.findBlockByNumber(static_cast<int>(run.first));
    const QTextBlock last = document.findBlockByNumber(static_cast<int>(run.last));
    cursor.setPosition(first.position());
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    const QStringList before = cursor.selectedText().split(QChar::ParagraphSeparator);
    QStringList lines;
    auto step = run.steps.rbegin();
    for (std::size_t line = run.first; line <= run.last; ++line) {
        std::vector<Step> stepsOfLine;
        for (; step != run.steps.rend() && step->line == line; ++step)
            stepsOfLine.insert(stepsOfLine.begin(), *step);
        if (const auto changed = changedLine(before[static_cast<qsizetype>(line - run.first)], stepsOfLine))
            lines << *changed;
    }
    if (!lines.isEmpty()) {
        cursor.insertText(lines.join(QLatin1Char('\n')));
        return;
    }
    // Every line of the run goes, with the break after the last one (the last line of
    // the text has none).
    if (const QTextBlock next = last.next(); next.isValid())
        cursor.setPosition(next.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
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
    for (const LineRun& run : runsOf(stepsFromTheEnd(change), lineCount)) {
        if (run.first != run.last) {
            replaceRun(cursor, document, run);
            continue;
        }
        // Within one line each edit is made on its own, so that the cursor of a user
        // working elsewhere in the line stays where it is.
        const QTextBlock block = document.findBlockByNumber(static_cast<int>(run.first));
        for (const Step& step : run.steps) {
            if (step.edit)
                editLine(cursor, block, *step.edit);
            else
                removeLine(cursor, block);
        }
    }
    cursor.endEditBlock();
}

} // namespace vexa
