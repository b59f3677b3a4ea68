#pragma once

#include "core/scripting/team_type_line.h"
#include "core/scripting/team_type_vocabulary.h"
#include "gui/forms/create_runner.h"
#include "gui/forms/form_window.h"

#include <array>
#include <string>

class QButtonGroup;
class QGroupBox;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QString;
class QWidget;

namespace vexa {

class Desktop;
class LineReplacement;
class ScenarioView;

// "Create teamtype": composes one team type at a time from a name, a country, the
// hidden/autocreate number, five further numbers, a list of units, a list of orders and an
// optional comment, and appends the line to the team type pane. The menus write the
// country's number, a unit's type code and an order's number.
class TForm14 final : public FormWindow {
    Q_OBJECT
public:
    TForm14(ScenarioView& document, Desktop& desktop, QWidget* parent = nullptr);

    // Menu handlers, each serving every entry of its menu.
    void Multi81Click(const MenuItem& item);    // Countries: the country's position
    void Lighttank1Click(const MenuItem& item); // Unit type: the type code
    void Attack1Click(const MenuItem& item);    // Orders: the order number

    // "Hidden / Autocreate:" and its "Number:" field show one number: the button the user
    // selects (shared by the eight buttons), and the field after any change of its text.
    void RadioButton1Click(int button);
    void Edit12Change(const QString& text);

    void Button1Click();  // "Add unit"
    void Button2Click();  // "Delete unit"
    void Button3Click();  // "Add order"
    void Button4Click();  // "Delete order"
    void BitBtn1Click();  // "&Done"
    void BitBtn2Click();  // "&Close": hides the dialog

    // Edit in composer: the fields and lists show the team type of [TeamTypes] line
    // `line`, whose text is `text`, and "Replace line N" writes the composed line over it.
    void editLine(std::size_t line, const QString& text, const TeamTypeInput& input);
    void ReplaceLineClick();

protected:
    // Create > "TeamTypes": every field and both lists as a new team type starts, except
    // the comment, which stays.
    void prepare() override;

private:
    // A text field of the dialog and the text of the line it gives.
    struct LineField {
        QLineEdit* edit;
        std::string TeamTypeInput::*text;
    };

    std::array<LineField, 9> lineFields() const;
    QLayout* makeLeftColumn();
    QGroupBox* makeHiddenAutocreateGroup();
    QLayout* makeNumberFields();
    QLayout* makeListColumn(QPushButton* add, QPushButton* remove, QLineEdit* first, const QString& firstCaption,
                            QLineEdit* second, const QString& secondCaption, QListWidget* list);
    QLayout* makeBottomRow();
    void makeMenus();
    void connectHandlers();
    void showHiddenAutocreate(const HiddenAutocreateState& state);
    TeamTypeInput readInput() const;
    void writeInput(const TeamTypeInput& input);

    CreateRunner runner_;
    LineReplacement* replacement_;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QButtonGroup* hiddenAutocreate_;
    QLineEdit* Edit12;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QPushButton* Button1;
    QPushButton* Button2;
    QLineEdit* Edit8;
    QLineEdit* Edit9;
    QPushButton* Button3;
    QPushButton* Button4;
    QLineEdit* Edit10;
    QLineEdit* Edit11;
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QLineEdit* Edit13;
};

} // namespace vexa
