#include "gui/document/pane_status.h"

#include "gui/desktop/busy_work.h"
#include "gui/document/pane_editor.h"
#include "gui/document/scenario_view.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>

namespace vexa {

PaneStatus::PaneStatus(QMainWindow& window, ScenarioView& document)
    : QObject(&window)
    , document_(document)
    , label_(new QLabel(&window))
{
    label_->setObjectName(QStringLiteral("PanePosition"));
    window.statusBar()->addPermanentWidget(label_);
    connect(qApp, &QApplication::focusChanged, this, &PaneStatus::follow);
}

QString PaneStatus::text() const
{
    return label_->text();
}

// Only a pane taking the focus changes what is shown: the find bar works on the pane
// shown here.
void PaneStatus::follow(QWidget*, QWidget* now)
{
    if (!document_.isPaneEditor(now) || now == pane_)
        return;
    disconnect(cursorMoved_);
    disconnect(linesChanged_);
    pane_ = static_cast<QPlainTextEdit*>(now);
    cursorMoved_ = connect(pane_, &QPlainTextEdit::cursorPositionChanged, this, &PaneStatus::showPosition);
    linesChanged_ = connect(pane_, &QPlainTextEdit::blockCountChanged, this, &PaneStatus::showPosition);
    showPosition();
}

void PaneStatus::showPosition()
{
    const QTextCursor cursor = pane_->textCursor();
    label_->setText(QStringLiteral("Line %1, column %2   %3 lines")
                        .arg(cursor.blockNumber())
                        .arg(cursor.positionInBlock() + 1)
                        .arg(countText(static_cast<qint64>(editorLineCount(*pane_)))));
}

} // namespace vexa
