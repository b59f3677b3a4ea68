#pragma once

#include "core/document/layout.h"

#include <QObject>

#include <optional>

class QLabel;
class QMainWindow;
class QMenu;
class QPlainTextEdit;

namespace vexa {

class ScenarioView;
class ScriptReading;
class ScriptsWindow;

// Reading and following triggers and team types in the main window: the line under the
// cursor of [Trigs] and [TeamTypes] in words in the status bar and as the line's
// tooltip; Tools > Scripts; F12 shows the line a reference names; Shift+F12 lists every
// line that names the trigger, team type or waypoint under the cursor.
class ScriptTools final : public QObject {
    Q_OBJECT
public:
    // Adds its entries to the menu.
    ScriptTools(QMainWindow& window, ScenarioView& document, QMenu& menu);

    ScriptsWindow& window() const { return *scriptsWindow_; }
    QString words() const;

    void goToDefinition();
    void findUses();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The pane the commands work on: the pane with the focus, or the one whose tab is shown.
    std::optional<PaneId> currentPane() const;
    // The words for a line of [Trigs] or [TeamTypes]; empty for a line that is no entry.
    QString wordsFor(PaneId pane, int line);
    void showWords();
    void say(const QString& text);

    QMainWindow& mainWindow_;
    ScenarioView& document_;
    ScriptReading* reading_;
    ScriptsWindow* scriptsWindow_;
    QLabel* words_;
};

} // namespace vexa
