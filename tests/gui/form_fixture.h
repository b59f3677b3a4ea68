#pragma once

#include "editor_fixture.h"

#include <QString>
#include <QStringList>

#include <ostream>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

// Failures show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace vexa::test {

// The whole editor, started, with what it takes to drive any of its forms as a user
// would: open it from the Create menu, type into fields, pick from lists, choose menu
// entries, press buttons; then read the panes.
class FormFixture : public EditorFixture {
protected:
    void SetUp() override;

    // A window of the editor by its objectName ("TForm4").
    QWidget& window(const char* name) const;
    // Opens a form from the main window's Create menu ("Units1") and returns it.
    QWidget& openForm(const char* createEntry, const char* formName);

    // Replaces a field's whole text by typing, as a user who selects all and types over it.
    static void typeOver(QLineEdit* edit, const QString& text);
    static void typeOver(QComboBox* chooser, const QString& text);
    // Picks an item from a chooser's drop-down list with the mouse.
    static void pick(QComboBox* chooser, const QString& item);
    // The items of a chooser's list, in order.
    static QStringList itemsOf(const QComboBox* chooser);
    // Chooses an entry of a form's menu bar by the entry's name.
    void chooseMenu(const QWidget& form, const char* actionName) const;
    static void click(QWidget* button);
    // Which compass buttons of a form are set, RadioButton1 first.
    std::vector<int> setCompassButtons(const QWidget& form) const;
    // The names of the count widgets that Tab visits from the given one on, itself first,
    // separated by blanks. A chooser's text field goes by the chooser's name.
    static std::string tabChain(QWidget* from, int count);

    // The names of a form's visible labels, buttons and fields that are too small for
    // their text, separated by blanks; empty when nothing is clipped.
    static std::string clippedWidgets(const QWidget& form);

    void setPane(PaneId pane, const QString& text) { setPaneText(pane, text); }
};

} // namespace vexa::test
