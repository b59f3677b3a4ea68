#include "gui/decorations/country_form.h"

#include "core/document/countries.h"
#include "gui/forms/form_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace vexa {

TForm16::TForm16(ScenarioView& document, Desktop& desktop, QWidget* parent)
    : FormWindow("TForm16", QStringLiteral("Create country"), parent, TitleButtons::CloseAndMinimize)
    , runner_(document, desktop, *this)
    , ComboBox1(makeChooser("ComboBox1", itemList(kCountries), this))
    , Edit5(makeEdit("Edit5", this))
    , ComboBox2(makeChooser("ComboBox2", itemList(kEdgeItems), this))
    , Edit6(makeEdit("Edit6", this))
    , Edit7(makeEdit("Edit7", this))
    , Edit8(makeEdit("Edit8", this))
    , CheckBox1(makeCheckBox("CheckBox1", QStringLiteral("PlayerControl:"), this))
    , Edit2(makeEdit("Edit2", this))
    , Edit1(makeEdit("Edit1", this))
    , Edit3(makeEdit("Edit3", this))
    , Edit4(makeEdit("Edit4", this))
    , BitBtn1(makeButton("BitBtn1", QStringLiteral("&Done"), this))
    , BitBtn2(makeButton("BitBtn2", QStringLiteral("&Close"), this))
{
    // The caption stands left of the box, like the labels of the fields above it.
    CheckBox1->setLayoutDirection(Qt::RightToLeft);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);
    buildLayout();

    connect(BitBtn1, &QPushButton::clicked, this, &TForm16::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm16::BitBtn2Click);
}

void TForm16::buildLayout()
{
    // Two columns of label and field, with a gap between them; "Allies:" is wide and
    // reaches under the right column.
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(1, 120);
    grid->setColumnMinimumWidth(2, 16);
    const auto addField = [&](QWidget* field, const QString& caption, int row, int column, int span = 1) {
        grid->addWidget(makeFieldLabel(caption, field), row, column);
        grid->addWidget(field, row, column + 1, 1, span);
    };
    addField(ComboBox1, QStringLiteral("Country:"), 0, 0);
    addField(Edit5, QStringLiteral("Credits/100:"), 1, 0);
    addField(ComboBox2, QStringLiteral("Edge:"), 2, 0);
    addField(Edit6, QStringLiteral("TechLevel:"), 3, 0);
    addField(Edit7, QStringLiteral("IQ:"), 4, 0);
    addField(Edit8, QStringLiteral("Allies:"), 5, 0, 4);
    grid->addWidget(CheckBox1, 6, 0, 1, 2, Qt::AlignLeft | Qt::AlignAbsolute);
    addField(Edit2, QStringLiteral("MaxUnits:"), 0, 3);
    addField(Edit1, QStringLiteral("MaxInfantry:"), 1, 3);
    addField(Edit3, QStringLiteral("MaxBuildings:"), 2, 3);
    addField(Edit4, QStringLiteral("MaxVessel:"), 3, 3);

    layOutFixedDialog(*this, grid, {BitBtn1, BitBtn2});
}

CountrySettingsInput TForm16::readFields() const
{
    return {
        .country = fieldBytes(ComboBox1->currentText()),
        .credits = fieldBytes(Edit5->text()),
        .edge = fieldBytes(ComboBox2->currentText()),
        .maxUnits = fieldBytes(Edit2->text()),
        .maxInfantry = fieldBytes(Edit1->text()),
        .maxBuildings = fieldBytes(Edit3->text()),
        .maxVessels = fieldBytes(Edit4->text()),
        .techLevel = fieldBytes(Edit6->text()),
        .iq = fieldBytes(Edit7->text()),
        .allies = fieldBytes(Edit8->text()),
        .playerControl = CheckBox1->isChecked(),
    };
}

void TForm16::showFields(const CountrySettingsInput& fields)
{
    setChooserText(ComboBox1, widgetText(fields.country));
    Edit5->setText(widgetText(fields.credits));
    setChooserText(ComboBox2, widgetText(fields.edge));
    Edit2->setText(widgetText(fields.maxUnits));
    Edit1->setText(widgetText(fields.maxInfantry));
    Edit3->setText(widgetText(fields.maxBuildings));
    Edit4->setText(widgetText(fields.maxVessels));
    Edit6->setText(widgetText(fields.techLevel));
    Edit7->setText(widgetText(fields.iq));
    Edit8->setText(widgetText(fields.allies));
    CheckBox1->setChecked(fields.playerControl);
}

void TForm16::prepare()
{
    CountrySettingsInput fields = readFields();
    for (std::string* text : {&fields.country, &fields.credits, &fields.edge, &fields.maxUnits, &fields.maxInfantry,
                              &fields.maxBuildings, &fields.maxVessels})
        text->clear();
    showFields(fields);
}

void TForm16::BitBtn1Click()
{
    const CountrySettingsInput input = readFields();
    // The fields as writing leaves them: each text that went into the pane emptied.
    CountrySettingsInput fieldsAfter;
    runner_.run(
        [&](PaneEditors& panes) {
            const CountrySectionOutcome result = writeCountrySection(input, panes[PaneId::Country]);
            fieldsAfter = result.fields;
            return result.outcome;
        },
        [&] { showFields(fieldsAfter); });
}

void TForm16::BitBtn2Click()
{
    hide();
}

} // namespace vexa
