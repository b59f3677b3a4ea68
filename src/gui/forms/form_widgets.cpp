#include "gui/forms/form_widgets.h"

#include "gui/document/text_codec.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vexa {

QValidator::State FileTextValidator::validate(QString& input, int& position) const
{
    // A pasted line break becomes a blank: a line break in a field would split a generated line.
    keepOnOneLine(input, position);
    return firstUnencodable(input) < 0 ? Acceptable : Invalid;
}

QLineEdit* makeEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new FileTextValidator(edit));
    return edit;
}

QComboBox* makeChooser(const char* name, const QStringList& items, QWidget* parent)
{
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(QLatin1String(name));
    chooser->setEditable(true);
    chooser->setInsertPolicy(QComboBox::NoInsert);
    chooser->setCompleter(nullptr);
    chooser->setValidator(new FileTextValidator(chooser));
    chooser->setMaxVisibleItems(17);
    chooser->addItems(items);
    setChooserText(chooser, QString());
    return chooser;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QCheckBox* makeCheckBox(const char* name, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QGroupBox* makeRadioGroup(const char* name, const QString& title, const QStringList& captions, int firstNumber,
                          QButtonGroup* buttons, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(0);
    layout->setAlignment(Qt::AlignTop);
    for (int id = 0; id < captions.size(); ++id) {
        auto* button = new QRadioButton(captions[id], box);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(firstNumber + id));
        buttons->addButton(button, id);
        layout->addWidget(button);
    }
    return box;
}

QLabel* makeFieldLabel(const QString& caption, QWidget* field, const QString& name)
{
    auto* label = new QLabel(caption, field->parentWidget());
    label->setObjectName(name.isEmpty() ? field->objectName() + QLatin1String("Label") : name);
    label->setBuddy(field);
    return label;
}

void chainTabOrder(const std::vector<QWidget*>& order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void setChooserText(QComboBox* chooser, const QString& text)
{
    chooser->setCurrentIndex(chooser->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    chooser->setEditText(text);
}

void writeField(QLineEdit* field, const QString& text)
{
    if (field->text() == text)
        Q_EMIT field->textChanged(text);
    else
        field->setText(text);
}

std::string fieldBytes(const QString& text)
{
    // The fields take no character without a byte (FileTextValidator), so nothing is
    // replaced here in practice.
    return encodeTextReplacing(text, '?');
}

QString widgetText(std::string_view bytes)
{
    return decodeText(bytes);
}

void layOutFixedDialog(QDialog& dialog, QLayout* body, std::initializer_list<QPushButton*> buttons, QWidget* menuBar)
{
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (QPushButton* button : buttons)
        buttonRow->addWidget(button);

    auto* layout = new QVBoxLayout(&dialog);
    if (menuBar)
        layout->setMenuBar(menuBar);
    layout->addLayout(body);
    layout->addSpacing(6);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
}

} // namespace vexa
