#include "gui/scripting/script_edit_commands.h"

#include "core/document/scenario.h"
#include "core/scripting/composer_reading.h"
#include "core/scripting/script_references.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/scripting/script_edit_history.h"
#include "gui/scripting/team_type_form.h"
#include "gui/scripting/trigger_form.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>

#include <memory>

namespace vexa {

namespace {

constexpr PaneId kScriptPanes[] = {PaneId::Trigs, PaneId::TeamType};

// The document as an index of scripts reads it. Offsets stay those of the editor: the
// codec makes each character one byte, a character no byte holds one replacement byte.
Scenario scriptScenario(const ScenarioView& document)
{
    Scenario scenario;
    for (std::size_t i = 0; i < kPaneCount; ++i) {
        const auto pane = static_cast<PaneId>(i);
        scenario.pane(pane) = MemoryPane(encodeTextReplacing(paneText(*document.paneEditor(pane)), '?'));
    }
    return scenario;
}

QString lineName(PaneId pane, int line)
{
    return QStringLiteral("line %1 of %2").arg(line).arg(decodeText(paneHeader(pane)));
}

} // namespace

ScriptEditCommands::ScriptEditCommands(QMainWindow& window, ScenarioView& document, TForm13& triggers,
                                       TForm14& teamTypes)
    : QObject(&window)
    , window_(window)
    , document_(document)
    , triggers_(triggers)
    , teamTypes_(teamTypes)
    , history_(ScriptEditHistory::of(document))
{
    connect(addCommand(QStringLiteral("Edit in composer"), "EditInComposer", QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &ScriptEditCommands::editInComposer);
    connect(addCommand(QStringLiteral("Delete with references"), "DeleteWithReferences", {}), &QAction::triggered,
            this, &ScriptEditCommands::deleteWithReferences);
    connect(addCommand(QStringLiteral("Move up"), "MoveLineUp", QKeySequence(Qt::ALT | Qt::Key_Up)),
            &QAction::triggered, this, [this] { moveLine(MoveDirection::Up); });
    connect(addCommand(QStringLiteral("Move down"), "MoveLineDown", QKeySequence(Qt::ALT | Qt::Key_Down)),
            &QAction::triggered, this, [this] { moveLine(MoveDirection::Down); });
    for (std::size_t i = 0; i < editors_.size(); ++i) {
        QPlainTextEdit* editor = editors_[i] = document_.paneEditor(kScriptPanes[i]);
        // The keys act in the script panes only; elsewhere text editing stays plain.
        editor->addActions(QList<QAction*>(commands_.begin(), commands_.end()));
        editor->installEventFilter(this);
        editor->viewport()->installEventFilter(this);
    }
}

QAction* ScriptEditCommands::addCommand(const QString& caption, const char* name, const QKeySequence& shortcut)
{
    auto* command = new QAction(caption, this);
    command->setObjectName(QString::fromLatin1(name));
    command->setShortcut(shortcut);
    command->setShortcutContext(Qt::WidgetShortcut);
    commands_.push_back(command);
    return command;
}

std::optional<PaneId> ScriptEditCommands::paneOfEditor(const QObject* watched) const
{
    for (std::size_t i = 0; i < editors_.size(); ++i) {
        const QPlainTextEdit* editor = editors_[i];
        if ((watched == editor || watched == editor->viewport()))
            return kScriptPanes[i];
    }
    return std::nullopt;
}

std::optional<PaneId> ScriptEditCommands::scriptPane() const
{
    if (const std::optional<PaneId> focused = paneOfEditor(QApplication::focusWidget()))
        return focused;
    return paneOfEditor(document_.currentWidget() ? document_.currentWidget()->findChild<QPlainTextEdit*>() : nullptr);
}

void ScriptEditCommands::say(const QString& text)
{
    window_.statusBar()->showMessage(text);
}

void ScriptEditCommands::editInComposer()
{
    const std::optional<PaneId> pane = scriptPane();
    if (!pane)
        return say(QStringLiteral("Edit in composer works on a line of [Trigs] or [TeamTypes]."));
    const QPlainTextEdit& editor = *document_.paneEditor(*pane);
    const QTextBlock block = editor.textCursor().block();
    const QString text = block.text();
    const std::optional<std::string> bytes = encodeText(text);
    const auto refuse = [&](const std::string& reason) {
        say(QStringLiteral("Cannot show %1 in the composer. %2").arg(lineName(*pane, block.blockNumber()),
                                                                    decodeText(reason)));
    };
    if (!bytes)
        return refuse("It holds a character a scenario file cannot hold.");
    const auto line = static_cast<std::size_t>(block.blockNumber());
    if (*pane == PaneId::Trigs) {
        const ComposerReading<TriggerInput> reading = readTriggerLine(*bytes);
        if (!reading.input)
            return refuse(reading.refusal);
        triggers_.editLine(line, text, *reading.input);
    } else {
        const ComposerReading<TeamTypeInput> reading = readTeamTypeLine(*bytes);
        if (!reading.input)
            return refuse(reading.refusal);
        teamTypes_.editLine(line, text, *reading.input);
    }
    say({});
}

void ScriptEditCommands::deleteWithReferences()
{
    edit(planDeleteWithReferences);
}

void ScriptEditCommands::moveLine(MoveDirection direction)
{
    edit([direction](const ScriptIndex& index, PaneId pane, std::size_t line) {
        return planMove(index, pane, line, direction);
    });
}

// Plans an edit on the line under the cursor with the references as they stand, and makes
// it one step across the panes.
void ScriptEditCommands::edit(
    const std::function<Planned<ScriptEditPlan>(const ScriptIndex&, PaneId, std::size_t)>& plan)
{
    const std::optional<PaneId> pane = scriptPane();
    if (!pane)
        return say(QStringLiteral("This command works on a line of [Trigs] or [TeamTypes]."));
    QPlainTextEdit& editor = *document_.paneEditor(*pane);
    const QTextCursor cursor = editor.textCursor();
    const Scenario scenario = scriptScenario(document_);
    const ScriptIndex index(scenario);
    const Planned<ScriptEditPlan> planned = plan(index, *pane, static_cast<std::size_t>(cursor.blockNumber()));
    if (!planned.plan)
        return say(decodeText(planned.refusal));
    history_.apply(planned.plan->changes);
    if (const std::optional<PaneLine> movedTo = planned.plan->movedTo) {
        // The cursor goes with the line, so that the next move takes it on.
        QTextCursor moved(editor.document()->findBlockByNumber(static_cast<int>(movedTo->line)));
        moved.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                           std::min(cursor.positionInBlock(), moved.block().length() - 1));
        editor.setTextCursor(moved);
    }
    say(decodeText(describePlan(*planned.plan)));
}

void ScriptEditCommands::undoIn(PaneId pane)
{
    if (!history_.undoesNextIn(pane)) {
        document_.paneEditor(pane)->undo();
        return;
    }
    say(history_.undo());
}

bool ScriptEditCommands::takeUndoKey(PaneId pane, const QKeyEvent& key)
{
    if (key.matches(QKeySequence::Undo) && history_.undoesNextIn(pane)) {
        undoIn(pane);
        return true;
    }
    if (key.matches(QKeySequence::Redo) && history_.redoesNextIn(pane)) {
        say(history_.redo());
        return true;
    }
    return false;
}

void ScriptEditCommands::showContextMenu(QPlainTextEdit& editor, PaneId pane, const QContextMenuEvent& event)
{
    // The commands work on the line clicked, unless the click keeps a selection.
    if (!editor.textCursor().hasSelection())
        editor.setTextCursor(editor.cursorForPosition(event.pos()));
    const std::unique_ptr<QMenu> menu(editor.createStandardContextMenu(event.pos()));
    // Undo there undoes a script edit whole, as Ctrl+Z does.
    if (auto* undo = menu->findChild<QAction*>(QStringLiteral("edit-undo"))) {
        disconnect(undo, &QAction::triggered, nullptr, nullptr);
        connect(undo, &QAction::triggered, this, [this, pane] { undoIn(pane); });
    }
    menu->addSeparator();
    for (QAction* command : commands_)
        menu->addAction(command);
    menu->exec(event.globalPos());
}

bool ScriptEditCommands::eventFilter(QObject* watched, QEvent* event)
{
    // Other events reach the editors while the document is taken down, too.
    if (event->type() != QEvent::ContextMenu && event->type() != QEvent::KeyPress)
        return false;
    const std::optional<PaneId> pane = paneOfEditor(watched);
    if (!pane)
        return false;
    QPlainTextEdit& editor = *editors_[*pane == kScriptPanes[0] ? 0 : 1];
    if (event->type() == QEvent::ContextMenu && watched == editor.viewport()) {
        showContextMenu(editor, *pane, static_cast<const QContextMenuEvent&>(*event));
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == &editor)
        return takeUndoKey(*pane, static_cast<const QKeyEvent&>(*event));
    return false;
}

} // namespace vexa
