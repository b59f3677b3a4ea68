#pragma once

#include "core/document/pane_change.h"
#include "gui/map/map_history.h"

#include <QObject>
#include <QString>

#include <vector>

namespace vexa {

class ScenarioView;

// The steps of the script edits that change several panes at once (Delete with
// references, Move up and down): each undoes as one in every pane it changed, and
// refuses, saying why, once one of those panes has changed since. One per document,
// reached through it, so that every window that shows scripts undoes the same steps.
class ScriptEditHistory final : public QObject {
    Q_OBJECT
public:
    static ScriptEditHistory& of(ScenarioView& document);

    // Makes the changes, each one undo step of its pane, as one script edit.
    void apply(const std::vector<PaneChange>& changes);

    // Each undoes (redoes) the last script edit and says so, or says why it did nothing.
    QString undo();
    QString redo();

    // Whether Ctrl+Z (Ctrl+Y) in the pane would undo (redo) the last script edit there.
    bool undoesNextIn(PaneId pane) const { return steps_.undoesNextIn(pane); }
    bool redoesNextIn(PaneId pane) const { return steps_.redoesNextIn(pane); }

private:
    explicit ScriptEditHistory(ScenarioView& document);

    MapHistory steps_;
};

} // namespace vexa
