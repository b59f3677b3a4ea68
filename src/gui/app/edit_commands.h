#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

namespace vexa {

class FindBar;
class GoToLineBar;
class TForm1;

// The Edit menu: clipboard commands on the pane that has the keyboard focus, the window
// font, and find, replace and go to line in the bars below the tabs. Each command checks its own condition again when it runs, so a shortcut
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
    void Find1Click();
    void Findnext1Click();
    void Replace1Click();
    void Gotoline1Click();

    FindBar& findBar() const { return *findBar_; }
    GoToLineBar& goToLineBar() const { return *goToLineBar_; }

    QFont lastChosenFont() const { return lastChosenFont_; }

private:
    QPlainTextEdit* focusedPane() const;
    // The focused pane, or the pane the find bar works on while the focus is in the bar.
    QPlainTextEdit* searchedPane() const;
    void makeBars();
    void noteFocusChange(QWidget* old, QWidget* now);
    QAction* entry(const char* name) const;

    TForm1& window_;
    QMenu& menu_;
    QFont lastChosenFont_;
    FindBar* findBar_ = nullptr;
    GoToLineBar* goToLineBar_ = nullptr;
    // What had the focus when the menu bar took it (closing a menu with Esc leaves the
    // focus on the menu bar).
    QPointer<QWidget> focusBeforeMenuBar_;
};

// Whether the clipboard offers plain text.
bool clipboardHasText();

} // namespace vexa
