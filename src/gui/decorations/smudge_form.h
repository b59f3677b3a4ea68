#pragma once

#include "gui/decorations/decoration_form.h"

namespace vexa {

// "Create smudge": rows of craters, scorch marks or dirt patches in the smudge pane, one
// "cell=type,cell,0" line per cell.
class TForm10 final : public DecorationTypeForm {
    Q_OBJECT
public:
    TForm10(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent = nullptr);
};

} // namespace vexa
