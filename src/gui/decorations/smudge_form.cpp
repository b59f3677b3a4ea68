#include "gui/decorations/smudge_form.h"

#include "core/decorations/decoration_types.h"

namespace vexa {

namespace {

// The spacing is Edit4 and the kind Edit3 here, the other way round from terrain and
// overlay; on screen and in the tab order they stand as in those.
const DecorationDialog kSmudgeDialog{
    .formName = "TForm10",
    .title = "Create smudge",
    .format = DecorationFormat::Smudge,
    .positions = {"Edit1", "Button1", "Edit2", "Button2"},
    .spacingName = "Edit4",
    .kindName = "Edit3",
    .firstCaption = "Position of first smudge:",
    .lastCaption = "Position of last smudge:",
    .spacingCaption = "Space between smudges:",
    .kindCaption = "Kind of smudge:",
};

} // namespace

TForm10::TForm10(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent)
    : DecorationTypeForm(kSmudgeDialog, smudgeTypeMenus(), MenuSpacing::Kept, document, desktop, calculator, parent)
{
}

} // namespace vexa
