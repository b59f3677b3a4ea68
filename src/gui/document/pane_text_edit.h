#pragma once

#include "gui/document/scenario_highlighter.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <optional>

namespace vexa {

// The text editor of a pane. Every line break that enters it, typed, pasted or dropped,
// becomes a real one (a block of the editor), so its blocks are the pane's lines: Shift+Enter
// and pasted line, paragraph and next-line separators end a line as Save would.
// Beside the text, a gutter of line numbers, and the current line shaded. The gutter counts
// from 0, so the number beside a line is the number a Create dialog gives a line appended
// there. Only the visible lines are painted, and only they are coloured.
class PaneTextEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PaneTextEdit(QWidget* parent = nullptr);

    // Colours the lines on screen, section headers too if `headers` says so.
    void highlightSyntax(ScenarioHighlighter::Headers headers);

    // The numbers the gutter shows, top to bottom, with the height each stands at.
    struct GutterNumber {
        int top = 0;
        int number = 0;
    };
    QList<GutterNumber> gutterNumbers(int top, int bottom) const;
    int gutterWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    friend class LineNumberGutter;
    void paintGutter(QPaintEvent* event);
    void fitGutterWidth();
    void scrollGutter(const QRect& rect, int dy);
    void shadeCurrentLine();

    // The blocks that reach into the band from `top` to `bottom` of the viewport, with the
    // height each starts at.
    struct PlacedBlock {
        int top = 0;
        QTextBlock block;
    };
    QList<PlacedBlock> blocksBetween(int top, int bottom) const;

    QWidget* gutter_;
    std::optional<ScenarioHighlighter> highlighter_;
};

} // namespace vexa
