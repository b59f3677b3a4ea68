#pragma once

#include "gui/decorations/decoration_form.h"

namespace vexa {

// "Create overlay": rows of walls, ore, gems or crates in the overlay pane, one "cell=type"
// line per cell.
class TForm11 final : public DecorationTypeForm {
    Q_OBJECT
public:
    TForm11(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent = nullptr);
};

} // namespace vexa
