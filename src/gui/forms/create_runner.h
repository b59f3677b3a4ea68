#pragma once

#include "core/document/layout.h"
#include "core/placement/outcome.h"

#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace vexa {

class Desktop;
class Pane;
class PaneEditor;
class ScenarioView;

// The panes one command writes through, each adapter made on first use. The adapters
// close together when the set goes out of scope: that is when the appended lines go in.
class PaneEditors {
public:
    explicit PaneEditors(ScenarioView& document);
    ~PaneEditors();
    PaneEditors(const PaneEditors&) = delete;
    PaneEditors& operator=(const PaneEditors&) = delete;

    Pane& operator[](PaneId pane);

private:
    ScenarioView& document_;
    std::map<PaneId, std::unique_ptr<PaneEditor>> editors_;
};

// Shows an outcome that is an error in the error box; Refused and Done show nothing.
void reportOutcome(Desktop& desktop, QWidget* parent, const Outcome& outcome);

// What every Create (and Done) of a form does, in one place: the form has read its input;
// create calls the one core function with the panes; the panes close (the lines go in)
// before any message; an error is reported; a finished command resets the form.
class CreateRunner {
public:
    CreateRunner(ScenarioView& document, Desktop& desktop, QWidget& form);

    ScenarioView& document() const { return document_; }

    // Returns the outcome, after reset has run when it was Done.
    Outcome run(const std::function<Outcome(PaneEditors& panes)>& create, const std::function<void()>& reset) const;

private:
    ScenarioView& document_;
    Desktop& desktop_;
    QWidget& form_;
};

} // namespace vexa
