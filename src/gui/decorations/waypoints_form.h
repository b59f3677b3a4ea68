#pragma once

#include "gui/forms/create_runner.h"
#include "gui/forms/form_window.h"
#include "gui/forms/position_fields.h"

class QLineEdit;
class QPushButton;

namespace vexa {

class CellAsker;
class Desktop;
class ScenarioView;

// "Create waypoints": one waypoint per "&Done", numbered by the editor from the lines
// the waypoint pane already holds; the user gives the cell and an optional comment.
class TForm15 final : public FormWindow {
    Q_OBJECT
public:
    TForm15(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent = nullptr);

    void BitBtn1Click();  // "&Done": adds the waypoint
    void BitBtn2Click();  // "&Close": hides the dialog

protected:
    // Both fields start empty.
    void prepare() override;

private:
    void buildLayout();
    void clearFields();

    CreateRunner runner_;
    // "Calculate" leaves the calculator's texts as they were, so the user can step on
    // from the last position computed.
    CellField cell_;
    QLineEdit* Edit2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

} // namespace vexa
