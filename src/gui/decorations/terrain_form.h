#pragma once

#include "gui/decorations/decoration_form.h"

namespace vexa {

// "Create terrain": rows of trees, boxes, ice floats or the ore mine in the terrain pane, one
// "cell=type" line per cell. Its type menu also sets the spacing.
class TForm8 final : public DecorationTypeForm {
    Q_OBJECT
public:
    TForm8(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent = nullptr);
};

} // namespace vexa
