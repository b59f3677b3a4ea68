#include "gui/scripting/script_reading.h"

#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace vexa {

ScriptReading::ScriptReading(ScenarioView& document, QObject* parent)
    : QObject(parent)
    , document_(document)
{
    for (const PaneId pane : scriptPanes())
        connect(document_.paneEditor(pane)->document(), &QTextDocument::contentsChange, this,
                &ScriptReading::markChanged);
    connect(&document_, &ScenarioView::replaced, this, &ScriptReading::markChanged);
}

ScriptReading::~ScriptReading() = default;

void ScriptReading::markChanged()
{
    if (!index_)
        return;
    index_.reset();
    scenario_.reset();
    Q_EMIT changed();
}

// A character no file can hold reads as '?' here: Save refuses it and says where.
const ScriptIndex& ScriptReading::index()
{
    if (!index_) {
        scenario_ = std::make_unique<Scenario>();
        for (const PaneId pane : scriptPanes())
            scenario_->pane(pane) = MemoryPane(encodeTextReplacing(paneText(*document_.paneEditor(pane)), '?'));
        index_ = std::make_unique<ScriptIndex>(*scenario_);
    }
    return *index_;
}

} // namespace vexa
