#include "gui/decorations/overlay_form.h"

#include "core/decorations/decoration_types.h"

namespace vexa {

namespace {

const DecorationDialog kOverlayDialog{
    .formName = "TForm11",
    .title = "Create overlay",
    .format = DecorationFormat::Overlay,
    .positions = {"Edit1", "Button3", "Edit2", "Button4"},
    .spacingName = "Edit3",
    .kindName = "Edit4",
    .firstCaption = "Position of first overlay:",
    .lastCaption = "Position of last overlay:",
    .spacingCaption = "Space between overlay:",
    .kindCaption = "Kind of overlay:",
};

} // namespace

TForm11::TForm11(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent)
    : DecorationTypeForm(kOverlayDialog, overlayTypeMenus(), MenuSpacing::Kept, document, desktop, calculator, parent)
{
}

} // namespace vexa
