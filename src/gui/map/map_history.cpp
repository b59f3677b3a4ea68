#include "gui/map/map_history.h"

#include "gui/document/pane_changes.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QHash>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <utility>

namespace vexa {

MapHistory::MapHistory(ScenarioView& document, QString editName)
    : document_(document)
    , editName_(std::move(editName))
{
}

MapHistory::PaneMark MapHistory::markOf(PaneId pane) const
{
    const QPlainTextEdit& editor = *document_.paneEditor(pane);
    return {pane, editor.document()->availableUndoSteps(), qHash(editor.toPlainText())};
}

// What the step's panes hold now; its fields swap before and after, for the way back.
MapHistory::Step MapHistory::marksOf(const Step& step) const
{
    Step marks;
    for (const PaneMark& mark : step.panes)
        marks.panes.push_back(markOf(mark.pane));
    for (const FieldChange& change : step.fields)
        marks.fields.push_back({change.field, change.after, change.before});
    return marks;
}

void MapHistory::push(Step step)
{
    undoable_.push_back(std::move(step));
    redoable_.clear();
}

void MapHistory::apply(const std::vector<PaneChange>& changes)
{
    Step step;
    for (const PaneChange& change : changes) {
        if (change.isEmpty())
            continue;
        applyPaneChange(*document_.paneEditor(change.pane), change);
        step.panes.push_back(markOf(change.pane));
    }
    if (!step.panes.empty())
        push(std::move(step));
}

void MapHistory::applyFields(const std::vector<FieldChange>& changes)
{
    for (const FieldChange& change : changes)
        document_.setFieldText(change.field, change.after);
    if (!changes.empty())
        push({{}, changes});
}

QString MapHistory::changedSince(const Step& step) const
{
    for (const PaneMark& mark : step.panes) {
        const PaneMark now = markOf(mark.pane);
        if (now.undoSteps != mark.undoSteps || now.fingerprint != mark.fingerprint)
            return decodeText(tabOf(mark.pane).caption) + QStringLiteral(" has changed since");
    }
    for (const FieldChange& change : step.fields) {
        if (document_.fieldText(change.field) != change.after)
            return QStringLiteral("the Map page's %1 has changed since").arg(decodeText(infoOf(change.field).key));
    }
    return {};
}

void MapHistory::clear()
{
    undoable_.clear();
    redoable_.clear();
}

QString MapHistory::undo()
{
    if (undoable_.empty())
        return QStringLiteral("No %1 to undo").arg(editName_);
    if (const QString changed = replay(undoable_, redoable_, &QPlainTextEdit::undo); !changed.isEmpty())
        return QStringLiteral("Cannot undo the last %1: ").arg(editName_) + changed
               + QStringLiteral("; undo there with Ctrl+Z");
    return {};
}

QString MapHistory::redo()
{
    if (redoable_.empty())
        return QStringLiteral("No %1 to redo").arg(editName_);
    if (const QString changed = replay(redoable_, undoable_, &QPlainTextEdit::redo); !changed.isEmpty())
        return QStringLiteral("Cannot redo the %1: ").arg(editName_) + changed;
    return {};
}

bool MapHistory::isNextIn(const std::vector<Step>& steps, const PaneMark& now)
{
    if (steps.empty())
        return false;
    for (const PaneMark& mark : steps.back().panes) {
        if (mark.pane == now.pane)
            return mark.undoSteps == now.undoSteps && mark.fingerprint == now.fingerprint;
    }
    return false;
}

bool MapHistory::undoesNextIn(PaneId pane) const
{
    return !undoable_.empty() && isNextIn(undoable_, markOf(pane));
}

bool MapHistory::redoesNextIn(PaneId pane) const
{
    return !redoable_.empty() && isNextIn(redoable_, markOf(pane));
}

// Undoes or redoes the last step of `from` in each of its panes and keeps what they then
// hold in `to`; or, when a pane has changed since the step, says which and does nothing.
QString MapHistory::replay(std::vector<Step>& from, std::vector<Step>& to, void (QPlainTextEdit::*action)())
{
    if (const QString changed = changedSince(from.back()); !changed.isEmpty())
        return changed;
    const Step step = std::move(from.back());
    from.pop_back();
    for (const PaneMark& mark : step.panes)
        (document_.paneEditor(mark.pane)->*action)();
    for (const FieldChange& change : step.fields)
        document_.setFieldText(change.field, change.before);
    to.push_back(marksOf(step));
    return {};
}

} // namespace vexa
