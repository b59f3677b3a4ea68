#include "gui/forms/trigger_chooser.h"

#include "core/placement/trigger_names.h"
#include "gui/document/pane_editor.h"
#include "gui/forms/form_widgets.h"

#include <QComboBox>

namespace vexa {

void rebuildTriggerList(QComboBox& chooser, QPlainTextEdit* triggerPane)
{
    QStringList names;
    {
        const PaneEditor trigs(triggerPane);
        for (const std::string& name : triggerNames(trigs))
            names << widgetText(name);
    }
    chooser.clear();
    chooser.addItems(names);
    resetTrigger(chooser);
}

void resetTrigger(QComboBox& chooser)
{
    setChooserText(&chooser, kNoTriggerText);
}

} // namespace vexa
