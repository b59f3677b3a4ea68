#include "gui/scripting/script_edit_history.h"

#include "gui/document/scenario_view.h"

namespace vexa {

namespace {

const QString kHistoryName = QStringLiteral("ScriptEditHistory");

} // namespace

ScriptEditHistory::ScriptEditHistory(ScenarioView& document)
    : QObject(&document)
    , steps_(document, QStringLiteral("script edit"))
{
    setObjectName(kHistoryName);
    // Another document is open: its panes hold none of these steps.
    connect(&document, &ScenarioView::replaced, this, [this] { steps_.clear(); });
}

ScriptEditHistory& ScriptEditHistory::of(ScenarioView& document)
{
    if (auto* found = document.findChild<ScriptEditHistory*>(kHistoryName, Qt::FindDirectChildrenOnly))
        return *found;
    return *new ScriptEditHistory(document);
}

void ScriptEditHistory::apply(const std::vector<PaneChange>& changes)
{
    steps_.apply(changes);
}

QString ScriptEditHistory::undo()
{
    const QString refusal = steps_.undo();
    return refusal.isEmpty() ? QStringLiteral("Undid the last script edit in every pane it changed.") : refusal + '.';
}

QString ScriptEditHistory::redo()
{
    const QString refusal = steps_.redo();
    return refusal.isEmpty() ? QStringLiteral("Redid the script edit in every pane it changed.") : refusal + '.';
}

} // namespace vexa
