#include "gui/scripting/script_tools.h"

#include "core/scripting/script_words.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/scripting/script_reading.h"
#include "gui/scripting/scripts_window.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolTip>

namespace vexa {

namespace {

constexpr PaneId kScriptPanes[] = {PaneId::Trigs, PaneId::TeamType};

QAction* addCommand(QMenu& menu, const QString& caption, const char* name, QKeySequence shortcut)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

ScriptTools::ScriptTools(QMainWindow& window, ScenarioView& document, QMenu& menu)
    : QObject(&window)
    , mainWindow_(window)
    , document_(document)
    , reading_(new ScriptReading(document, this))
    , scriptsWindow_(new ScriptsWindow(*reading_, &window))
    , words_(new QLabel(&window))
{
    words_->setObjectName(QStringLiteral("ScriptWords"));
    words_->setTextFormat(Qt::PlainText);
    window.statusBar()->addWidget(words_, 1);

    connect(addCommand(menu, QStringLiteral("Scripts"), "Scripts1", {}), &QAction::triggered, scriptsWindow_, [this] {
        scriptsWindow_->show();
        scriptsWindow_->raise();
        scriptsWindow_->activateWindow();
    });
    connect(addCommand(menu, QStringLiteral("Go to definition"), "GoToDefinition", QKeySequence(Qt::Key_F12)),
            &QAction::triggered, this, &ScriptTools::goToDefinition);
    connect(addCommand(menu, QStringLiteral("Find uses"), "FindUses", QKeySequence(Qt::SHIFT | Qt::Key_F12)),
            &QAction::triggered, this, &ScriptTools::findUses);

    for (const PaneId pane : kScriptPanes) {
        QPlainTextEdit* editor = document_.paneEditor(pane);
        connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &ScriptTools::showWords);
        editor->viewport()->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (document_.isPaneEditor(now))
            showWords();
    });
}

QString ScriptTools::words() const
{
    return words_->text();
}

std::optional<PaneId> ScriptTools::currentPane() const
{
    if (const std::optional<PaneId> focused = document_.paneOf(QApplication::focusWidget()))
        return focused;
    const int tab = document_.currentIndex();
    if (tab < 0 || static_cast<std::size_t>(tab) >= kTabs.size() || kTabs[static_cast<std::size_t>(tab)].content != TabContent::Pane)
        return std::nullopt;
    return kTabs[static_cast<std::size_t>(tab)].pane;
}

QString ScriptTools::wordsFor(PaneId pane, int line)
{
    const ScriptIndex& index = reading_->index();
    const ScriptEntry* entry = index.entryOnLine(pane, static_cast<std::size_t>(line));
    return entry ? decodeText(explainEntry(index, *entry)) : QString();
}

// The words follow the cursor in [Trigs] and [TeamTypes]; in another pane there are none.
void ScriptTools::showWords()
{
    const std::optional<PaneId> pane = currentPane();
    if (!pane || (pane != PaneId::Trigs && pane != PaneId::TeamType)) {
        words_->clear();
        return;
    }
    const QString text = wordsFor(*pane, document_.paneEditor(*pane)->textCursor().blockNumber());
    words_->setText(text);
    words_->setToolTip(text);
}

bool ScriptTools::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    for (const PaneId pane : kScriptPanes) {
        QPlainTextEdit* editor = document_.paneEditor(pane);
        if (watched != editor->viewport())
            continue;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QTextCursor under = editor->cursorForPosition(help->pos());
        const QString text = wordsFor(pane, under.blockNumber());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, editor->viewport());
        return true;
    }
    return false;
}

void ScriptTools::say(const QString& text)
{
    mainWindow_.statusBar()->showMessage(text);
}

void ScriptTools::goToDefinition()
{
    const std::optional<PaneId> pane = currentPane();
    if (!pane)
        return say(QStringLiteral("Go to definition works in a pane."));
    const QTextCursor cursor = document_.paneEditor(*pane)->textCursor();
    const ScriptIndex& index = reading_->index();
    const std::optional<ScriptTarget> target = index.targetAt(*pane, static_cast<std::size_t>(cursor.blockNumber()),
                                                              static_cast<std::size_t>(cursor.positionInBlock()));
    if (!target)
        return say(QStringLiteral("No team type, trigger or waypoint is named under the cursor."));
    const std::optional<std::size_t> line = index.definition(*target);
    const PaneId named = paneOf(target->kind);
    if (!line)
        return say(QStringLiteral("%1 %2 is not in %3.")
                       .arg(decodeText(kindName(target->kind)))
                       .arg(target->number)
                       .arg(decodeText(paneHeader(named))));
    document_.showPaneLine(named, *line);
}

void ScriptTools::findUses()
{
    const std::optional<PaneId> pane = currentPane();
    if (!pane)
        return say(QStringLiteral("Find uses works in a pane."));
    const QTextCursor cursor = document_.paneEditor(*pane)->textCursor();
    const std::optional<ScriptTarget> target = reading_->index().targetAt(
        *pane, static_cast<std::size_t>(cursor.blockNumber()), static_cast<std::size_t>(cursor.positionInBlock()));
    if (!target)
        return say(QStringLiteral("No team type, trigger or waypoint is under the cursor."));
    scriptsWindow_->showUses(*target);
}

} // namespace vexa
