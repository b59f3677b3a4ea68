#include "gui/document/go_to_line_bar.h"

#include "gui/document/pane_editor.h"
#include "gui/document/scenario_view.h"
#include "gui/forms/form_widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace vexa {

GoToLineBar::GoToLineBar(ScenarioView& document, QWidget* parent)
    : QWidget(parent)
    , document_(document)
    , line_(makeEdit("GoToLineEdit", this))
    , message_(new QLabel(this))
{
    setObjectName(QStringLiteral("GoToLineBar"));
    message_->setObjectName(QStringLiteral("GoToLineMessage"));
    // A long message is cut short rather than widen the window.
    message_->setMinimumWidth(message_->fontMetrics().horizontalAdvance(QStringLiteral("There is no line 99")));
    auto* go = makeButton("GoToLineButton", QStringLiteral("&Go"), this);
    auto* close = makeButton("GoToLineCloseButton", QStringLiteral("Close"), this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(makeFieldLabel(QStringLiteral("Go to &line:"), line_));
    layout->addWidget(line_);
    layout->addWidget(go);
    layout->addWidget(message_, 1);
    layout->addWidget(close);
    connect(line_, &QLineEdit::returnPressed, this, &GoToLineBar::goToLine);
    connect(go, &QPushButton::clicked, this, &GoToLineBar::goToLine);
    connect(close, &QPushButton::clicked, this, &GoToLineBar::closeBar);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &GoToLineBar::closeBar);
}

// As for the find bar: a window at its smallest would otherwise grow by the bar's height.
QSize GoToLineBar::minimumSizeHint() const
{
    return {QWidget::minimumSizeHint().width(), 0};
}

void GoToLineBar::openFor(QPlainTextEdit* pane)
{
    pane_ = pane;
    message_->clear();
    show();
    line_->setFocus();
    line_->selectAll();
}

void GoToLineBar::closeBar()
{
    hide();
    if (pane_)
        pane_->setFocus();
}

void GoToLineBar::goToLine()
{
    const auto pane = document_.paneOf(pane_);
    if (!pane)
        return;
    const auto line = requestedLine(fieldBytes(line_->text()), editorLineCount(*pane_));
    if (const auto* error = std::get_if<LineRequestError>(&line)) {
        message_->setText(widgetText(error->message));
        return;
    }
    hide();
    document_.showPaneLine(*pane, std::get<std::size_t>(line));
}

} // namespace vexa
