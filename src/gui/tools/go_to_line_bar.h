#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace vexa {

// The go-to-line bar below the tabs: a line number as the gutter counts it; the pane
// scrolls to that line and selects it, or the bar says why it cannot.
class GoToLineBar final : public QWidget {
    Q_OBJECT
public:
    explicit GoToLineBar(QWidget* parent = nullptr);

    void openFor(QPlainTextEdit* pane);
    void closeBar();
    void goToLine();

private:
    QPointer<QPlainTextEdit> pane_;
    QLineEdit* line_;
    QLabel* message_;
};

} // namespace vexa
