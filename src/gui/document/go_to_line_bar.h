#pragma once

#include "core/document/text_search.h"

#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <string_view>
#include <variant>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace vexa {

class ScenarioView;

// The go-to-line bar below the tabs: a line number as the gutter counts it; the pane
// scrolls to that line and selects it, or the bar says why it cannot.
class GoToLineBar final : public QWidget {
    Q_OBJECT
public:
    explicit GoToLineBar(ScenarioView& document, QWidget* parent = nullptr);

    void openFor(QPlainTextEdit* pane);
    void closeBar();
    void goToLine();

    // The bar's height comes out of the panes above it, never out of the window's.
    QSize minimumSizeHint() const override;

private:
    ScenarioView& document_;
    QPointer<QPlainTextEdit> pane_;
    QLineEdit* line_;
    QLabel* message_;
};

} // namespace vexa
