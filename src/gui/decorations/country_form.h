#pragma once

#include "core/decorations/country_settings.h"
#include "gui/forms/create_runner.h"
#include "gui/forms/form_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vexa {

class Desktop;
class ScenarioView;

// "Create country": writes one country's settings section into the country pane, a line
// for each setting filled in, then empties what it wrote, ready for the next country.
class TForm16 final : public FormWindow {
    Q_OBJECT
public:
    TForm16(ScenarioView& document, Desktop& desktop, QWidget* parent = nullptr);

    void BitBtn1Click();  // "&Done": writes the section
    void BitBtn2Click();  // "&Close": hides the dialog, keeping its contents

protected:
    // A new country: empties the country, credits, edge and the four limits, and keeps
    // TechLevel, IQ, Allies and PlayerControl, which often stay the same from one
    // country to the next.
    void prepare() override;

private:
    void buildLayout();
    CountrySettingsInput readFields() const;
    void showFields(const CountrySettingsInput& fields);

    CreateRunner runner_;
    // Left column, then right column: the tab order.
    QComboBox* ComboBox1;
    QLineEdit* Edit5;
    QComboBox* ComboBox2;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QCheckBox* CheckBox1;
    QLineEdit* Edit2;
    QLineEdit* Edit1;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

} // namespace vexa
