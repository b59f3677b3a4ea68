#pragma once

#include "core/document/pane.h"

#include <QPlainTextEdit>

#include <string>
#include <vector>

namespace vexa {

// The text editor of a pane. Every line break that enters it, typed, pasted or dropped,
// becomes a real one (a block of the editor), so its blocks are the pane's lines: Shift+Enter
// and pasted line, paragraph and next-line separators end a line as Save would.
class PaneTextEdit final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

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

} // namespace vexa
