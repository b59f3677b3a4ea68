#pragma once

#include "core/document/layout.h"
#include "core/forms/menu_table.h"
#include "core/placement/units.h"
#include "gui/forms/create_runner.h"
#include "gui/forms/form_window.h"
#include "gui/forms/health_field.h"
#include "gui/forms/position_fields.h"
#include "gui/forms/run_dialogs.h"
#include "gui/forms/type_menu.h"

#include <span>
#include <string_view>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vexa {

class CellAsker;
class Compass;
class Desktop;
class Pane;
class ScenarioView;
class SubPositionBoxes;

// What tells "Create Units", "Create ships" and "Create infantry" apart, other than the
// core function each calls: names, captions, lists, the pane written and the parts.
struct UnitFormTable {
    const char* name;             // the class name, also the window's objectName
    const char* title;            // the window caption
    const char* kind;             // the label word: "Unit" in "Unit type:"
    const char* object;           // "unit" in "Position of first unit on map:"
    const char* objects;          // "units" in "Space between units:"
    const char* typeCaptionName;  // the type caption label beside "Unit type:"
    const MenuTable& (*typeMenus)();
    std::span<const std::string_view> directions;
    std::span<const std::string_view> orders;
    PaneId pane;
    bool subPositions;            // the infantry form's "Position in square" boxes
    std::int32_t spacingFallback; // the spacing of a spacing text that is no number
};

// The form the units, ships and infantry dialogs share: a row of identical units, ships or
// soldiers from a first to a last cell, one line each (for infantry one per ticked
// sub-position) in the form's pane, with one country, type, health, direction, order and
// trigger for the whole row. The buildings dialog's pattern with an order chooser, a
// spacing that starts at "1", and no "Add to base" or repair box.
class UnitPlacementForm : public FormWindow {
    Q_OBJECT
public:
    // "&Create" and "&Done".
    void Button3Click();
    void Button2Click();

    RunFields runFields() const;

protected:
    UnitPlacementForm(const UnitFormTable& table, ScenarioView& document, Desktop& desktop, CellAsker& calculator,
                      QWidget* parent);

    // The dialog's own core Create over the input, into its pane.
    virtual Outcome place(const UnitsInput& input, Pane& pane) const = 0;

    // Starts the fields afresh (the comment stays), ticks every sub-position box and
    // takes the trigger names from the trigger pane as it is now.
    void prepare() override;

    SubPositionBoxes* subPositions() const { return subPositions_; }

private:
    void buildLayout();
    // What both the opening and a finished Create start afresh.
    void resetRowFields();
    UnitsInput readInput() const;

    const UnitFormTable& table_;
    CreateRunner runner_;
    QComboBox* ComboBox1;
    QLineEdit* Edit2;
    HealthField health_;
    QComboBox* ComboBox2;
    Compass* compass_;
    QComboBox* ComboBox3;
    PositionFields positions_;
    QLineEdit* Edit6;
    QComboBox* ComboBox4;
    SubPositionBoxes* subPositions_;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    TypeMenu typeMenu_;
};

// "Create Units": vehicles into the units pane.
class TForm4 final : public UnitPlacementForm {
    Q_OBJECT
public:
    TForm4(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent = nullptr);

protected:
    Outcome place(const UnitsInput& input, Pane& pane) const override;
};

// "Create ships": ships into the ships pane.
class TForm5 final : public UnitPlacementForm {
    Q_OBJECT
public:
    TForm5(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent = nullptr);

protected:
    Outcome place(const UnitsInput& input, Pane& pane) const override;
};

// "Create infantry": soldiers into the infantry pane, up to five in a cell, one on each
// sub-position whose box is ticked.
class TForm6 final : public UnitPlacementForm {
    Q_OBJECT
public:
    TForm6(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent = nullptr);

protected:
    Outcome place(const UnitsInput& input, Pane& pane) const override;
};

} // namespace vexa
