#pragma once

#include <QPlainTextEdit>

namespace vexa {

// A pane's text editor: the plain-text editor with a gutter of line numbers beside it and
// the current line shaded. The gutter counts from 0, so the number beside a line is the
// number a Create dialog gives a line appended there. Only the visible lines are painted.
class PaneTextEdit final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PaneTextEdit(QWidget* parent = nullptr);

    // The numbers the gutter shows, top to bottom, with the height each stands at.
    struct GutterNumber {
        int top = 0;
        int number = 0;
    };
    QList<GutterNumber> gutterNumbers(int top, int bottom) const;
    int gutterWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class LineNumberGutter;
    void paintGutter(QPaintEvent* event);
    void fitGutterWidth();
    void scrollGutter(const QRect& rect, int dy);
    void shadeCurrentLine();

    QWidget* gutter_;
};

} // namespace vexa
