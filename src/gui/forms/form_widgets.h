#pragma once

#include <QString>
#include <QStringList>
#include <QValidator>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vexa {

// The widgets the Create dialogs are made of, each with its form name as objectName.
// Every text field takes only characters a scenario file can hold, as the game's 8-bit
// fields do, so what a form writes into a pane is exactly what the user typed.

// Accepts a text when every character of it has a byte in the file's code page.
class FileTextValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

QLineEdit* makeEdit(const char* name, QWidget* parent);

// An editable drop-down whose text is what the user typed or picked: no completion that
// would change a typed text, and Enter never adds the text to the list.
QComboBox* makeChooser(const char* name, const QStringList& items, QWidget* parent);

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent);
QCheckBox* makeCheckBox(const char* name, const QString& caption, QWidget* parent);

// A titled radio group with one button per caption, top to bottom, named
// RadioButton<firstNumber>, RadioButton<firstNumber + 1>, ...; each button joins buttons
// with its position in captions as id. The box's layout is a QVBoxLayout packed at the
// top, so a form may add further rows below the buttons.
QGroupBox* makeRadioGroup(const char* name, const QString& title, const QStringList& captions, int firstNumber,
                          QButtonGroup* buttons, QWidget* parent);

// A field's label, named after the field it labels ("Edit4Label"), with the field as buddy
// so that an access key in the caption reaches it.
QLabel* makeFieldLabel(const QString& caption, QWidget* field);

// Sets the tab order: each widget is followed by the next one in order.
void chainTabOrder(const std::vector<QWidget*>& order);

// Sets a chooser's text the way the program does (not a user's change), keeping its list
// position on the same item when the text is one of them.
void setChooserText(QComboBox* chooser, const QString& text);

// Writes a field's text the way the program does (the calculator, a menu, a reset). It
// counts as a change even when the text stays the same, so the field's reactions (the
// first position copied into the last, the health track bar) run as if it were typed;
// Qt itself sends nothing for an unchanged text.
void writeField(QLineEdit* field, const QString& text);

// A field's text as the core takes it: one byte per character.
std::string fieldBytes(const QString& text);

// Lays out a fixed-size dialog: an optional menu bar, the body, and the buttons in a row
// on the right below it.
void layOutFixedDialog(QDialog& dialog, QLayout* body, std::initializer_list<QPushButton*> buttons,
                       QWidget* menuBar = nullptr);

// Texts of the core (type codes, captions, messages) as the widgets show them.
QString widgetText(std::string_view bytes);

// A list of the core's texts, for a chooser's items.
template <typename Texts>
QStringList itemList(const Texts& texts)
{
    QStringList items;
    for (std::string_view text : texts)
        items << widgetText(text);
    return items;
}

} // namespace vexa
