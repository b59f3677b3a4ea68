#pragma once

#include "gui/forms/create_runner.h"
#include "gui/forms/form_window.h"
#include "gui/forms/health_field.h"
#include "gui/forms/position_fields.h"
#include "gui/forms/run_dialogs.h"
#include "gui/forms/type_menu.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vexa {

class CellAsker;
class Compass;
class Desktop;
class ScenarioView;

// "Create buildings": a row of identical buildings from a first to a last cell, one line
// each in the structures pane and, with "Add to base", one entry each in the base pane.
class TForm2 final : public FormWindow {
    Q_OBJECT
public:
    TForm2(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent = nullptr);

    // "&Create" and "&Done".
    void Button3Click();
    void Button2Click();

    RunFields runFields() const;

protected:
    // Starts the fields afresh (the comment stays) and takes the trigger names from the
    // trigger pane as it is now.
    void prepare() override;

private:
    void buildLayout();
    // What both the opening and a finished Create start afresh.
    void resetRowFields();

    CreateRunner runner_;
    QComboBox* ComboBox1;
    QLineEdit* Edit2;
    HealthField health_;
    QComboBox* ComboBox2;
    Compass* compass_;
    PositionFields positions_;
    QLineEdit* Edit6;
    QComboBox* ComboBox3;
    QCheckBox* CheckBox2;
    QLineEdit* Edit1;
    QCheckBox* CheckBox1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    TypeMenu typeMenu_;
};

} // namespace vexa
