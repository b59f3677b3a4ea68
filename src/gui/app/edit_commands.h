#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

namespace vexa {

class TForm1;

// The Edit menu: clipboard commands on the pane that has the keyboard focus, and the
// window font. Each command checks its own condition again when it runs, so a shortcut
// does nothing where the menu entry would be disabled.
class EditCommands final : public QObject {
    Q_OBJECT
public:
    EditCommands(TForm1& window, QMenu& menu);

    // Run each time the menu drops down.
    void Edit1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Selectall1Click();
    void Setfont1Click();

    QFont lastChosenFont() const { return lastChosenFont_; }

private:
    QPlainTextEdit* focusedPane() const;
    void noteFocusChange(QWidget* old, QWidget* now);
    QAction* entry(const char* name) const;

    TForm1& window_;
    QMenu& menu_;
    QFont lastChosenFont_;
    // What had the focus when the menu bar took it (closing a menu with Esc leaves the
    // focus on the menu bar).
    QPointer<QWidget> focusBeforeMenuBar_;
};

// Whether the clipboard offers plain text.
bool clipboardHasText();

} // namespace vexa
