#include "gui/placement/unit_forms.h"

#include "core/document/countries.h"
#include "core/placement/placement_values.h"
#include "core/placement/unit_types.h"
#include "gui/document/scenario_view.h"
#include "gui/forms/compass.h"
#include "gui/forms/form_widgets.h"
#include "gui/forms/trigger_chooser.h"
#include "gui/placement/sub_position_boxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>

namespace vexa {

namespace {

const UnitFormTable kUnitsForm{
    .name = "TForm4",
    .title = "Create Units",
    .kind = "Unit",
    .object = "unit",
    .objects = "units",
    .typeCaptionName = "Label10",
    .typeMenus = unitTypeMenus,
    .directions = kDirectionItems,
    .orders = kUnitOrderItems,
    .pane = PaneId::Units,
    .subPositions = false,
    .spacingFallback = kUnitsSpacingFallback,
};

const UnitFormTable kShipsForm{
    .name = "TForm5",
    .title = "Create ships",
    .kind = "Ship",
    .object = "ship",
    .objects = "ships",
    .typeCaptionName = "Label10",
    .typeMenus = shipTypeMenus,
    .directions = kDirectionItems,
    .orders = kShipOrderItems,
    .pane = PaneId::Ships,
    .subPositions = false,
    .spacingFallback = kShipsSpacingFallback,
};

const UnitFormTable kInfantryForm{
    .name = "TForm6",
    .title = "Create infantry",
    .kind = "Infantry",
    .object = "infantry",
    .objects = "infantry",
    .typeCaptionName = "Label11",
    .typeMenus = infantryTypeMenus,
    .directions = kInfantryDirectionItems,
    .orders = kInfantryOrderItems,
    .pane = PaneId::Infantry,
    .subPositions = true,
    .spacingFallback = kInfantrySpacingFallback,
};

// The spacing a row starts with: one object per cell.
const QString kStartSpacing = QStringLiteral("1");

QString caption(const char* pattern, const char* word)
{
    return QString::fromLatin1(pattern).arg(QLatin1String(word));
}

} // namespace

UnitPlacementForm::UnitPlacementForm(const UnitFormTable& table, ScenarioView& document, Desktop& desktop,
                                     CellAsker& calculator, QWidget* parent)
    : FormWindow(table.name, QString::fromLatin1(table.title), parent)
    , table_(table)
    , runner_(document, desktop, *this)
    , ComboBox1(makeChooser("ComboBox1", itemList(kCountries), this))
    , Edit2(makeEdit("Edit2", this))
    , health_("Edit3", "TrackBar1", this)
    , ComboBox2(makeChooser("ComboBox2", itemList(table.directions), this))
    , compass_(new Compass(ComboBox2, this))
    , ComboBox3(makeChooser("ComboBox3", itemList(table.orders), this))
    , positions_(calculator, {"Edit4", "Button4", "Edit5", "Button5"}, this)
    , Edit6(makeEdit("Edit6", this))
    , ComboBox4(makeChooser("ComboBox4", {}, this))
    , subPositions_(table.subPositions ? new SubPositionBoxes(this) : nullptr)
    , Edit1(makeEdit("Edit1", this))
    , BitBtn1(makeButton("BitBtn1", QStringLiteral("&Create"), this))
    , BitBtn2(makeButton("BitBtn2", QStringLiteral("&Done"), this))
    , typeMenu_(table.typeMenus(), *this, Edit2, table.typeCaptionName)
{
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);
    buildLayout();

    connect(BitBtn1, &QPushButton::clicked, this, &UnitPlacementForm::Button3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &UnitPlacementForm::Button2Click);
    resetRowFields();
}

void UnitPlacementForm::buildLayout()
{
    // Three columns, as in the buildings form: the label, what stands between label and
    // field (the type caption, the track bar, the compass, "Calculate", the square of
    // sub-positions), the field.
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(2, 140);
    int row = 0;
    const auto addRow = [&](QWidget* field, const QString& label, QWidget* between = nullptr) {
        grid->addWidget(makeFieldLabel(label, field), row, 0);
        if (between)
            grid->addWidget(between, row, 1);
        grid->addWidget(field, row++, 2);
    };
    const char* kind = table_.kind;
    addRow(ComboBox1, QStringLiteral("Player(Multi1-Multi8):"));
    addRow(Edit2, caption("%1 type:", kind), typeMenu_.caption());
    addRow(health_.edit(), caption("%1 health(1-256):", kind), health_.trackBar());
    grid->addWidget(makeFieldLabel(caption("%1 direction:", kind), ComboBox2), row, 0);
    grid->addWidget(compass_, row, 1, Qt::AlignCenter);
    grid->addWidget(ComboBox2, row++, 2, Qt::AlignVCenter);
    addRow(ComboBox3, caption("%1 order:", kind));
    positions_.addTo(*grid, row, caption("Position of first %1 on map:", table_.object),
                     caption("Position of last %1 on map:", table_.object));
    row += 2;
    addRow(Edit6, caption("Space between %1:", table_.objects));
    addRow(ComboBox4, QStringLiteral("Trigger:"));
    if (subPositions_) {
        auto* label = new QLabel(QStringLiteral("Position in square"), this);
        label->setObjectName(QStringLiteral("SubPositionsLabel"));
        grid->addWidget(label, row, 0);
        grid->addWidget(subPositions_, row++, 1, Qt::AlignCenter);
    }
    grid->addWidget(makeFieldLabel(QStringLiteral("Comments:"), Edit1), row, 0);
    grid->addWidget(Edit1, row++, 1, 1, 2);

    layOutFixedDialog(*this, grid, {BitBtn1, BitBtn2}, typeMenu_.bar());
}

void UnitPlacementForm::prepare()
{
    setChooserText(ComboBox1, QString());
    resetRowFields();
    if (subPositions_)
        subPositions_->tickAll();
    rebuildTriggerList(*ComboBox4, runner_.document().paneEditor(PaneId::Trigs));
}

void UnitPlacementForm::resetRowFields()
{
    writeField(Edit2, QString());
    typeMenu_.caption()->clear();
    health_.reset();
    setChooserText(ComboBox2, QStringLiteral("0"));
    compass_->reset();
    setChooserText(ComboBox3, widgetText(kOrderChooserStart));
    positions_.clear();
    writeField(Edit6, kStartSpacing);
    resetTrigger(*ComboBox4);
}

UnitsInput UnitPlacementForm::readInput() const
{
    return {
        .country = fieldBytes(ComboBox1->currentText()),
        .typeCode = fieldBytes(Edit2->text()),
        .health = fieldBytes(health_.edit()->text()),
        .direction = fieldBytes(ComboBox2->currentText()),
        .order = fieldBytes(ComboBox3->currentText()),
        .first = fieldBytes(positions_.first()->text()),
        .last = fieldBytes(positions_.last()->text()),
        .spacing = fieldBytes(Edit6->text()),
        .trigger = fieldBytes(ComboBox4->currentText()),
        .comment = fieldBytes(Edit1->text()),
    };
}

void UnitPlacementForm::Button3Click()
{
    const UnitsInput input = readInput();
    runner_.run([&](PaneEditors& panes) { return place(input, panes[table_.pane]); },
                [this] {
                    resetRowFields();
                    Edit1->clear();
                });
}

void UnitPlacementForm::Button2Click()
{
    hide();
}

RunFields UnitPlacementForm::runFields() const
{
    return {positions_.first(), positions_.last(), Edit6, table_.spacingFallback};
}

TForm4::TForm4(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent)
    : UnitPlacementForm(kUnitsForm, document, desktop, calculator, parent)
{
}

Outcome TForm4::place(const UnitsInput& input, Pane& pane) const
{
    return createUnits(input, pane);
}

TForm5::TForm5(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent)
    : UnitPlacementForm(kShipsForm, document, desktop, calculator, parent)
{
}

Outcome TForm5::place(const UnitsInput& input, Pane& pane) const
{
    return createShips(input, pane);
}

TForm6::TForm6(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent)
    : UnitPlacementForm(kInfantryForm, document, desktop, calculator, parent)
{
}

Outcome TForm6::place(const UnitsInput& input, Pane& pane) const
{
    return createInfantry({input, subPositions()->ticked()}, pane);
}

} // namespace vexa
