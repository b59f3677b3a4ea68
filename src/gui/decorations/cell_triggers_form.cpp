#include "gui/decorations/cell_triggers_form.h"

#include "gui/document/scenario_view.h"
#include "gui/forms/form_widgets.h"
#include "gui/forms/trigger_chooser.h"

#include <QComboBox>

namespace vexa {

namespace {

const DecorationDialog kCellTriggersDialog{
    .formName = "TForm12",
    .title = "Create celltriggers",
    .format = DecorationFormat::CellTriggers,
    .positions = {"Edit1", "Button1", "Edit2", "Button2"},
    .spacingName = "Edit3",
    .kindName = "ComboBox1",
    .firstCaption = "Position of first celltrigger:",
    .lastCaption = "Position of last celltrigger:",
    .spacingCaption = "Space between celltriggers:",
    .kindCaption = "Trigger name:",
};

} // namespace

TForm12::TForm12(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent)
    : DecorationForm(kCellTriggersDialog, document, desktop, calculator, parent)
    , ComboBox1(makeChooser(kCellTriggersDialog.kindName, {}, this))
{
    finish(ComboBox1, nullptr, nullptr, KindTab::Last);
}

void TForm12::prepare()
{
    DecorationForm::prepare();
    rebuildTriggerList(*ComboBox1, document().paneEditor(PaneId::Trigs));
}

QString TForm12::kindText() const
{
    return ComboBox1->currentText();
}

void TForm12::resetKind()
{
    resetTrigger(*ComboBox1);
}

} // namespace vexa
