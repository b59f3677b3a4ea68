#include "gui/placement/buildings_form.h"

#include "core/document/countries.h"
#include "core/placement/building_types.h"
#include "core/placement/buildings.h"
#include "core/placement/integers.h"
#include "core/placement/placement_values.h"
#include "gui/app/desktop.h"
#include "gui/document/pane_editor.h"
#include "gui/document/scenario_view.h"
#include "gui/placement/compass.h"
#include "gui/forms/form_widgets.h"
#include "gui/placement/trigger_chooser.h"
#include "gui/placement/type_menu_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>

namespace vexa {

namespace {

template <typename Texts>
QStringList itemList(const Texts& texts)
{
    QStringList items;
    for (std::string_view text : texts)
        items << widgetText(text);
    return items;
}

} // namespace

TForm2::TForm2(ScenarioView& document, Desktop& desktop, TForm9& calculator, QWidget* parent)
    : QDialog(parent, kCloseBoxDialog)
    , document_(document)
    , desktop_(desktop)
    , ComboBox1(makeChooser("ComboBox1", itemList(kCountries), this))
    , Edit2(makeEdit("Edit2", this))
    , Label9(new QLabel(this))
    , health_("Edit3", "TrackBar1", this)
    , ComboBox2(makeChooser("ComboBox2", itemList(kDirectionItems), this))
    , compass_(new Compass(ComboBox2, this))
    , positions_(calculator, {"Edit4", "Button4", "Edit5", "Button5"}, this)
    , Edit6(makeEdit("Edit6", this))
    , ComboBox3(makeChooser("ComboBox3", {}, this))
    , CheckBox2(makeCheckBox("CheckBox2", QStringLiteral("Repair buildings automatically:"), this))
    , Edit1(makeEdit("Edit1", this))
    , CheckBox1(makeCheckBox("CheckBox1", QStringLiteral("Add to base"), this))
    , BitBtn1(makeButton("BitBtn1", QStringLiteral("&Create"), this))
    , BitBtn2(makeButton("BitBtn2", QStringLiteral("&Done"), this))
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Create buildings"));

    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fitTypeCaption(*Label9, buildingTypeMenus());
    // The caption stands left of the box.
    CheckBox2->setLayoutDirection(Qt::RightToLeft);
    BitBtn1->setDefault(true);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    QMenuBar* typeMenu = createTypeMenuBar(buildingTypeMenus(), this, [this](QAction* entry) { Flameturret1Click(entry); });
    buildLayout(typeMenu);

    // Filled states are not kept: Create reads the texts as they stand.
    connect(health_.edit(), &QLineEdit::textChanged, this, [this] { Edit1Change(health_.edit()); });
    connect(positions_.first(), &QLineEdit::textChanged, this, [this] { Edit1Change(positions_.first()); });
    connect(health_.trackBar(), &QSlider::valueChanged, this, &TForm2::TrackBar1Change);
    connect(ComboBox2, &QComboBox::textActivated, this, &TForm2::ComboBox2Change);
    connect(ComboBox2->lineEdit(), &QLineEdit::textEdited, this, &TForm2::ComboBox2Change);
    for (int i = 0; i < Compass::kButtonCount; ++i)
        connect(compass_->button(i), &QAbstractButton::clicked, this, [this, i] { RadioButton1Click(i); });
    connect(positions_.firstButton(), &QPushButton::clicked, this, &TForm2::Button4Click);
    connect(positions_.lastButton(), &QPushButton::clicked, this, &TForm2::Button5Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm2::Button2Click);

    resetRowFields();
}

void TForm2::buildLayout(QWidget* menuBar)
{
    // Three columns: the label, what stands between label and field (the type caption,
    // the track bar, the compass, "Calculate"), the field.
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(2, 140);
    int row = 0;
    const auto addRow = [&](QWidget* field, const QString& caption, QWidget* between = nullptr) {
        grid->addWidget(makeFieldLabel(caption, field), row, 0);
        if (between)
            grid->addWidget(between, row, 1);
        grid->addWidget(field, row++, 2);
    };
    addRow(ComboBox1, QStringLiteral("Player(Multi1-Multi8):"));
    addRow(Edit2, QStringLiteral("Building type:"), Label9);
    addRow(health_.edit(), QStringLiteral("Building health(1-256):"), health_.trackBar());
    grid->addWidget(makeFieldLabel(QStringLiteral("Building direction:"), ComboBox2), row, 0);
    grid->addWidget(compass_, row, 1, Qt::AlignCenter);
    grid->addWidget(ComboBox2, row++, 2, Qt::AlignVCenter);
    positions_.addTo(*grid, row, QStringLiteral("Position of first building on map:"),
                     QStringLiteral("Position of last building on map:"));
    row += 2;
    addRow(Edit6, QStringLiteral("Space between buildings:"));
    addRow(ComboBox3, QStringLiteral("Trigger:"));
    grid->addWidget(CheckBox2, row++, 0, 1, 2, Qt::AlignLeft | Qt::AlignAbsolute);
    grid->addWidget(makeFieldLabel(QStringLiteral("Comments:"), Edit1), row, 0);
    grid->addWidget(Edit1, row++, 1, 1, 2);
    grid->addWidget(CheckBox1, row++, 0, 1, 2, Qt::AlignLeft);

    layOutFixedDialog(*this, grid, {BitBtn1, BitBtn2}, menuBar);
}

void TForm2::open()
{
    setChooserText(ComboBox1, QString());
    resetRowFields();
    CheckBox2->setChecked(false);
    CheckBox1->setChecked(false);
    rebuildTriggerList(*ComboBox3, document_.paneEditor(PaneId::Trigs));
    show();
    raise();
    activateWindow();
}

void TForm2::resetRowFields()
{
    Edit2->clear();
    Label9->clear();
    health_.reset();
    setChooserText(ComboBox2, QStringLiteral("0"));
    compass_->reset();
    positions_.clear();
    Edit6->clear();
    resetTrigger(*ComboBox3);
}

void TForm2::Flameturret1Click(QAction* entry)
{
    const TypeMenuItem* item = typeEntryOf(buildingTypeMenus(), *entry);
    if (!item)
        return;
    Edit2->setText(widgetText(item->code));
    Label9->setText(widgetText(item->caption));
    if (item->spacing)
        Edit6->setText(widgetText(decimalText(*item->spacing)));
}

void TForm2::Edit1Change(QLineEdit* edit)
{
    if (edit == health_.edit())
        health_.followText();
    else if (edit == positions_.first())
        positions_.mirrorFirst();
}

void TForm2::TrackBar1Change(int position)
{
    health_.takeTrackBar(position);
}

void TForm2::ComboBox2Change()
{
    compass_->clear();
}

void TForm2::RadioButton1Click(int index)
{
    compass_->choose(index);
}

void TForm2::Button4Click()
{
    positions_.calculateFirst();
}

void TForm2::Button5Click()
{
    positions_.calculateLast();
}

void TForm2::Button3Click()
{
    const BuildingsInput input{
        .country = fieldBytes(ComboBox1->currentText()),
        .typeCode = fieldBytes(Edit2->text()),
        .health = fieldBytes(health_.edit()->text()),
        .direction = fieldBytes(ComboBox2->currentText()),
        .first = fieldBytes(positions_.first()->text()),
        .last = fieldBytes(positions_.last()->text()),
        .spacing = fieldBytes(Edit6->text()),
        .trigger = fieldBytes(ComboBox3->currentText()),
        .repair = CheckBox2->isChecked(),
        .comment = fieldBytes(Edit1->text()),
        .addToBase = CheckBox1->isChecked(),
    };
    Outcome outcome = Outcome::Refused;
    {
        // The lines go in when the panes' adapters close, before any message is shown.
        PaneEditor structures(document_.paneEditor(PaneId::Structures));
        PaneEditor base(document_.paneEditor(PaneId::Base));
        outcome = createBuildings(input, structures, base);
    }
    switch (outcome) {
    case Outcome::Refused:
        return;
    case Outcome::Overflow:
        showIntegerOverflow(desktop_, this);
        return;
    case Outcome::Done:
        resetRowFields();
        Edit1->clear();
        return;
    }
}

void TForm2::Button2Click()
{
    hide();
}

} // namespace vexa
