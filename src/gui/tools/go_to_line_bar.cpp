#include "gui/tools/go_to_line_bar.h"

#include "core/document/text_search.h"
#include "gui/forms/form_widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>

namespace vexa {

GoToLineBar::GoToLineBar(QWidget* parent)
    : QWidget(parent)
    , line_(makeEdit("GoToLineEdit", this))
    , message_(new QLabel(this))
{
    setObjectName(QStringLiteral("GoToLineBar"));
    message_->setObjectName(QStringLiteral("GoToLineMessage"));
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

// Any line the gutter numbers can be asked for, the empty one after a final break too.
void GoToLineBar::goToLine()
{
    if (!pane_)
        return;
    const auto lastLine = static_cast<std::size_t>(pane_->blockCount() - 1);
    const auto line = requestedLine(fieldBytes(line_->text()), lastLine);
    if (const auto* error = std::get_if<LineRequestError>(&line)) {
        message_->setText(widgetText(error->message));
        return;
    }
    QTextCursor cursor(pane_->document()->findBlockByNumber(static_cast<int>(std::get<std::size_t>(line))));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    pane_->setTextCursor(cursor);
    pane_->centerCursor();
    closeBar();
}

} // namespace vexa
