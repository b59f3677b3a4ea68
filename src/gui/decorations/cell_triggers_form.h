#pragma once

#include "gui/decorations/decoration_form.h"

class QComboBox;

namespace vexa {

// "Create celltriggers": attaches a trigger to a row of cells, one "cell=trigger" line per
// cell in the cell trigger pane. The trigger is chosen from the triggers of the trigger
// pane as they were when the dialog was opened, or typed; it starts as "None".
class TForm12 final : public DecorationForm {
    Q_OBJECT
public:
    TForm12(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent = nullptr);

protected:
    // Also takes the trigger names from the trigger pane as it is now.
    void prepare() override;

    QString kindText() const override;
    void resetKind() override;

private:
    QComboBox* ComboBox1;
};

} // namespace vexa
