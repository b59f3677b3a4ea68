#pragma once

#include "core/document/layout.h"
#include "gui/app/scripted_desktop.h"
#include "gui/document/scenario_view.h"
#include "gui/placement/buildings_form.h"
#include "gui/placement/position_calculator.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace vexa::test {

// A document, a scripted desktop, the position calculator and the buildings form, made
// the way the editor makes them, driven through their widgets.
class PlacementFixture : public ::testing::Test {
protected:
    template <typename T>
    static T* child(const QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The buildings form's and the calculator's controls by name.
    template <typename T>
    T* form(const char* name) const { return child<T>(buildings_, name); }
    QLineEdit* calculatorEdit(const char* name) const;

    // Replaces a field's whole text by typing, as a user who selects all and types over it.
    static void typeOver(QLineEdit* edit, const QString& text);
    static void typeOver(QComboBox* chooser, const QString& text);
    // Picks an item from a chooser's drop-down list with the mouse.
    static void pick(QComboBox* chooser, const QString& item);
    // Chooses an entry of the buildings form's type menu by its name.
    void chooseType(const char* actionName) const;
    static void click(QWidget* button);

    void setPane(PaneId pane, const QString& text) const;
    std::vector<std::string> paneLines(PaneId pane) const;

    // The worked example's fields: Greece, "Power plant", the rest as the opening leaves it.
    void fillPowerPlantRow(const QString& first, const QString& last);

    ScriptedDesktop desktop_;
    ScenarioView document_;
    TForm9 calculator_{desktop_};
    TForm2 buildings_{document_, desktop_, calculator_};
};

} // namespace vexa::test
