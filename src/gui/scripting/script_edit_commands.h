#pragma once

#include "core/document/layout.h"
#include "core/scripting/script_renumbering.h"

#include <QObject>

#include <array>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QContextMenuEvent;
class QKeyEvent;
class QMainWindow;
class QPlainTextEdit;

namespace vexa {

class ScenarioView;
class ScriptEditHistory;
class TForm13;
class TForm14;

// Changing triggers and team types in the main window, on the line under the cursor of
// [Trigs] or [TeamTypes], from the panes' context menu or by key:
//   Edit in composer (`EditInComposer`, Ctrl+E) fills the trigger or team type composer
//     from the line, to write it back with "Replace line N";
//   Delete with references (`DeleteWithReferences`) removes the line;
//   Move up and Move down (`MoveLineUp`, `MoveLineDown`, Alt+Up, Alt+Down) swap it with
//     the trigger or team type before or after it;
// the last two keeping every reference by index, as one step across the panes that
// Ctrl+Z in any of them undoes. The status bar says what was done, or why not.
class ScriptEditCommands final : public QObject {
    Q_OBJECT
public:
    ScriptEditCommands(QMainWindow& window, ScenarioView& document, TForm13& triggers, TForm14& teamTypes);

    void editInComposer();
    void deleteWithReferences();
    void moveLine(MoveDirection direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(const QString& caption, const char* name, const QKeySequence& shortcut);
    // The script pane the commands work on: the one with the focus, or the one shown.
    std::optional<PaneId> scriptPane() const;
    std::optional<PaneId> paneOfEditor(const QObject* editor) const;
    void showContextMenu(QPlainTextEdit& editor, PaneId pane, const QContextMenuEvent& event);
    bool takeUndoKey(PaneId pane, const QKeyEvent& key);
    void undoIn(PaneId pane);
    void edit(const std::function<Planned<ScriptEditPlan>(const ScriptIndex&, PaneId, std::size_t)>& plan);
    void say(const QString& text);

    QMainWindow& window_;
    ScenarioView& document_;
    TForm13& triggers_;
    TForm14& teamTypes_;
    ScriptEditHistory& history_;
    std::vector<QAction*> commands_;
    std::array<QPlainTextEdit*, 2> editors_{};  // of [Trigs] and [TeamTypes]
};

} // namespace vexa
