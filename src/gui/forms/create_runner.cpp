#include "gui/forms/create_runner.h"

#include "gui/desktop/desktop.h"
#include "gui/document/pane_editor.h"
#include "gui/document/scenario_view.h"
#include "gui/forms/form_widgets.h"

namespace vexa {

PaneEditors::PaneEditors(ScenarioView& document)
    : document_(document)
{
}

PaneEditors::~PaneEditors() = default;

Pane& PaneEditors::operator[](PaneId pane)
{
    std::unique_ptr<PaneEditor>& editor = editors_[pane];
    if (!editor)
        editor = std::make_unique<PaneEditor>(document_.paneEditor(pane));
    return *editor;
}

void reportOutcome(Desktop& desktop, QWidget* parent, const Outcome& outcome)
{
    const std::string text = errorText(outcome);
    if (!text.empty())
        desktop.showError(parent, widgetText(text));
}

CreateRunner::CreateRunner(ScenarioView& document, Desktop& desktop, QWidget& form)
    : document_(document)
    , desktop_(desktop)
    , form_(form)
{
}

Outcome CreateRunner::run(const std::function<Outcome(PaneEditors& panes)>& create,
                          const std::function<void()>& reset) const
{
    Outcome outcome;
    {
        PaneEditors panes(document_);
        outcome = create(panes);
    }
    reportOutcome(desktop_, &form_, outcome);
    if (outcome.kind == Outcome::Done)
        reset();
    return outcome;
}

} // namespace vexa
