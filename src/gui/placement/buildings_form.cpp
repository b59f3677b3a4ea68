#include "gui/placement/buildings_form.h"

#include "core/document/countries.h"
#include "core/placement/building_types.h"
#include "core/placement/buildings.h"
#include "core/placement/placement_values.h"
#include "gui/document/scenario_view.h"
#include "gui/forms/compass.h"
#include "gui/forms/form_widgets.h"
#include "gui/forms/trigger_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>

namespace vexa {

TForm2::TForm2(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent)
    : FormWindow("TForm2", QStringLiteral("Create buildings"), parent)
    , runner_(document, desktop, *this)
    , ComboBox1(makeChooser("ComboBox1", itemList(kCountries), this))
    , Edit2(makeEdit("Edit2", this))
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
    , typeMenu_(buildingTypeMenus(), *this, Edit2, "Label9", Edit6)
{
    // The caption stands left of the box.
    CheckBox2->setLayoutDirection(Qt::RightToLeft);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);
    buildLayout();

    connect(BitBtn1, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm2::Button2Click);
    resetRowFields();
}

void TForm2::buildLayout()
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
    addRow(Edit2, QStringLiteral("Building type:"), typeMenu_.caption());
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

    layOutFixedDialog(*this, grid, {BitBtn1, BitBtn2}, typeMenu_.bar());
}

void TForm2::prepare()
{
    setChooserText(ComboBox1, QString());
    resetRowFields();
    CheckBox2->setChecked(false);
    CheckBox1->setChecked(false);
    rebuildTriggerList(*ComboBox3, runner_.document().paneEditor(PaneId::Trigs));
}

void TForm2::resetRowFields()
{
    writeField(Edit2, QString());
    typeMenu_.caption()->clear();
    health_.reset();
    setChooserText(ComboBox2, QStringLiteral("0"));
    compass_->reset();
    positions_.clear();
    writeField(Edit6, QString());
    resetTrigger(*ComboBox3);
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
    runner_.run(
        [&](PaneEditors& panes) { return createBuildings(input, panes[PaneId::Structures], panes[PaneId::Base]); },
        [this] {
            resetRowFields();
            Edit1->clear();
        });
}

void TForm2::Button2Click()
{
    hide();
}

RunFields TForm2::runFields() const
{
    return {positions_.first(), positions_.last(), Edit6, kBuildingsSpacingFallback};
}

} // namespace vexa
