#include "gui/app/edit_commands.h"

#include "gui/desktop/desktop.h"
#include "gui/app/main_window.h"
#include "gui/document/scenario_view.h"

#include "gui/document/find_bar.h"
#include "gui/document/go_to_line_bar.h"

#include <QAction>
#include <QShortcut>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>

namespace vexa {

bool clipboardHasText()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

EditCommands::EditCommands(TForm1& window, QMenu& menu)
    : QObject(&window)
    , window_(window)
    , menu_(menu)
    , lastChosenFont_(window.font())
{
    connect(&menu_, &QMenu::aboutToShow, this, &EditCommands::Edit1Click);
    connect(entry("Cut1"), &QAction::triggered, this, &EditCommands::Cut1Click);
    connect(entry("Copy1"), &QAction::triggered, this, &EditCommands::Copy1Click);
    connect(entry("Paste1"), &QAction::triggered, this, &EditCommands::Paste1Click);
    connect(entry("Selectall1"), &QAction::triggered, this, &EditCommands::Selectall1Click);
    connect(entry("Setfont1"), &QAction::triggered, this, &EditCommands::Setfont1Click);
    connect(entry("Find1"), &QAction::triggered, this, &EditCommands::Find1Click);
    connect(entry("Findnext1"), &QAction::triggered, this, &EditCommands::Findnext1Click);
    connect(entry("Replace1"), &QAction::triggered, this, &EditCommands::Replace1Click);
    connect(entry("Gotoline1"), &QAction::triggered, this, &EditCommands::Gotoline1Click);
    connect(qApp, &QApplication::focusChanged, this, &EditCommands::noteFocusChange);
    makeBars();
}

void EditCommands::makeBars()
{
    findBar_ = new FindBar(window_.document());
    goToLineBar_ = new GoToLineBar(window_.document());
    for (QWidget* bar : {static_cast<QWidget*>(findBar_), static_cast<QWidget*>(goToLineBar_)}) {
        bar->hide();
        window_.document().addBar(bar);
    }
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), &window_);
    connect(previous, &QShortcut::activated, findBar_, &FindBar::findPrevious);
}

QAction* EditCommands::entry(const char* name) const
{
    return menu_.findChild<QAction*>(QString::fromLatin1(name));
}

void EditCommands::noteFocusChange(QWidget* old, QWidget* now)
{
    if (now && now == window_.menuBar())
        focusBeforeMenuBar_ = old && old->window() == &window_ ? old : nullptr;
}

// The menu bar holding the focus stands in for the widget it took the focus from.
QPlainTextEdit* EditCommands::focusedPane() const
{
    QWidget* focused = window_.focusWidget();
    if (focused && focused == window_.menuBar())
        focused = focusBeforeMenuBar_;
    return window_.document().isPaneEditor(focused) ? static_cast<QPlainTextEdit*>(focused) : nullptr;
}

void EditCommands::Edit1Click()
{
    QPlainTextEdit* pane = focusedPane();
    const bool selection = pane && pane->textCursor().hasSelection();
    entry("Cut1")->setEnabled(selection);
    entry("Copy1")->setEnabled(selection);
    entry("Paste1")->setEnabled(pane && clipboardHasText());
    entry("Selectall1")->setEnabled(pane != nullptr);
    const bool searchable = searchedPane() != nullptr;
    for (const char* name : {"Find1", "Findnext1", "Replace1", "Gotoline1"})
        entry(name)->setEnabled(searchable);
}

QPlainTextEdit* EditCommands::searchedPane() const
{
    if (QPlainTextEdit* pane = focusedPane())
        return pane;
    QWidget* focused = window_.focusWidget();
    if (focused && focused == window_.menuBar())
        focused = focusBeforeMenuBar_;
    const bool inBar = focused && (findBar_->isAncestorOf(focused) || goToLineBar_->isAncestorOf(focused));
    return inBar ? findBar_->pane() : nullptr;
}

void EditCommands::Find1Click()
{
    if (QPlainTextEdit* pane = searchedPane()) {
        goToLineBar_->hide();
        findBar_->openFind(pane);
    }
}

void EditCommands::Findnext1Click()
{
    if (QPlainTextEdit* pane = searchedPane()) {
        findBar_->setPane(pane);
        findBar_->findNext();
    }
}

void EditCommands::Replace1Click()
{
    if (QPlainTextEdit* pane = searchedPane()) {
        goToLineBar_->hide();
        findBar_->openReplace(pane);
    }
}

void EditCommands::Gotoline1Click()
{
    if (QPlainTextEdit* pane = searchedPane()) {
        findBar_->hide();
        goToLineBar_->openFor(pane);
    }
}

void EditCommands::Cut1Click()
{
    if (QPlainTextEdit* pane = focusedPane())
        pane->cut();
}

void EditCommands::Copy1Click()
{
    QPlainTextEdit* pane = focusedPane();
    if (pane && pane->textCursor().hasSelection())
        pane->copy();
}

void EditCommands::Paste1Click()
{
    QPlainTextEdit* pane = focusedPane();
    if (pane && clipboardHasText())
        pane->paste();
}

void EditCommands::Selectall1Click()
{
    if (QPlainTextEdit* pane = focusedPane())
        pane->selectAll();
}

void EditCommands::Setfont1Click()
{
    if (const auto font = window_.desktop().chooseFont(&window_, lastChosenFont_)) {
        lastChosenFont_ = *font;
        window_.setFont(*font);
    }
}

} // namespace vexa
