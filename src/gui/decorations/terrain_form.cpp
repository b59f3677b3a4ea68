#include "gui/decorations/terrain_form.h"

#include "core/decorations/decoration_types.h"

namespace vexa {

namespace {

const DecorationDialog kTerrainDialog{
    .formName = "TForm8",
    .title = "Create terrain",
    .format = DecorationFormat::Terrain,
    .positions = {"Edit1", "Button4", "Edit2", "Button5"},
    .spacingName = "Edit3",
    .kindName = "Edit4",
    .firstCaption = "Position of first terrain:",
    .lastCaption = "Position of last terrain:",
    .spacingCaption = "Space between terrain:",
    .kindCaption = "Terrain type:",
};

} // namespace

TForm8::TForm8(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent)
    : DecorationTypeForm(kTerrainDialog, terrainTypeMenus(), MenuSpacing::Set, document, desktop, calculator, parent)
{
}

} // namespace vexa
