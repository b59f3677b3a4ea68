#pragma once

#include "core/document/scenario.h"
#include "core/scripting/script_references.h"

#include <QObject>

#include <memory>

namespace vexa {

class ScenarioView;

// The references of the document as it stands, for the status bar's words, F12,
// Shift+F12 and the Scripts window. It reads only the panes an index needs, and only
// once after each change of one of them.
class ScriptReading final : public QObject {
    Q_OBJECT
public:
    explicit ScriptReading(ScenarioView& document, QObject* parent = nullptr);
    ~ScriptReading() override;

    ScenarioView& document() const { return document_; }
    // The index of the document as it stands, read again if a pane it reads changed.
    const ScriptIndex& index();

Q_SIGNALS:
    // A pane the index reads changed, or the document was replaced.
    void changed();

private:
    void markChanged();

    ScenarioView& document_;
    std::unique_ptr<Scenario> scenario_;
    std::unique_ptr<ScriptIndex> index_;
};

} // namespace vexa
