#pragma once

#include "core/document/pane.h"

#include <string>
#include <vector>

class QPlainTextEdit;
class QTextCursor;

namespace vexa {

// A pane of the main window, seen through the core's Pane interface: its lines are the
// editor's blocks, as PaneTextEdit keeps them. Appended lines are collected and inserted
// in one edit when the adapter goes out of scope (or on flush()), so a command that
// appends thousands of lines costs one edit, one undo step and one layout pass, however
// full the pane already is. Use one adapter per command.
class PaneEditor final : public Pane {
public:
    explicit PaneEditor(QPlainTextEdit* editor);
    ~PaneEditor() override;
    PaneEditor(const PaneEditor&) = delete;
    PaneEditor& operator=(const PaneEditor&) = delete;

    std::size_t lineCount() const override;
    std::string line(std::size_t index) const override;
    void append(std::string_view line) override;
    void replace(std::size_t index, std::string_view line) override;

    void flush();

private:
    QPlainTextEdit* editor_;
    std::size_t editorLines_;  // lines in the editor, without those still pending
    std::vector<std::string> pending_;
};

// The lines of a text editor under the line rule.
std::size_t editorLineCount(const QPlainTextEdit& editor);

// Appends lines after the last line of the cursor's document, in one insertion: a text
// that does not end with a line break gets one first, and each line ends with one.
void appendLines(QTextCursor& cursor, const std::vector<std::string>& lines);

} // namespace vexa
