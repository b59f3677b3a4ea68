#include "gui/app/edit_commands.h"

#include "gui/desktop/desktop.h"
#include "gui/app/main_window.h"
#include "gui/document/scenario_view.h"

#include <QAction>
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
    connect(qApp, &QApplication::focusChanged, this, &EditCommands::noteFocusChange);
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
