#pragma once

#include "form_fixture.h"

#include "gui/app/editor_app.h"
#include "gui/placement/buildings_form.h"
#include "gui/placement/position_calculator.h"

#include <QLineEdit>

namespace vexa::test {

// The editor with its buildings form and position calculator at hand.
class PlacementFixture : public FormFixture {
protected:
    TForm2& buildings() const { return app_->buildingsDialog(); }
    TForm9& calculator() const { return app_->positionCalculator(); }

    // The buildings form's and the calculator's controls by name.
    template <typename T>
    T* form(const char* name) const { return child<T>(buildings(), name); }
    QLineEdit* calculatorEdit(const char* name) const { return child<QLineEdit>(calculator(), name); }

    // Chooses an entry of the buildings form's type menu by its name.
    void chooseType(const char* actionName) const { chooseMenu(buildings(), actionName); }
    std::vector<std::string> paneLines(PaneId pane) const { return EditorFixture::paneLines(pane); }

    // The worked example's fields: Greece, "Power plant", the rest as the opening leaves it.
    void fillPowerPlantRow(const QString& first, const QString& last);
};

} // namespace vexa::test
