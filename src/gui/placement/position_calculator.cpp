#include "gui/placement/position_calculator.h"

#include "core/placement/cell_position.h"
#include "core/placement/integers.h"
#include "gui/forms/create_runner.h"
#include "gui/forms/form_widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace vexa {

TForm9::TForm9(Desktop& desktop, QWidget* parent)
    : FormWindow("TForm9", QStringLiteral("Calculate position"), parent, TitleButtons::Close,
                 Qt::WindowStaysOnTopHint)
    , desktop_(desktop)
{
    Edit1 = makeEdit("Edit1", this);
    Edit2 = makeEdit("Edit2", this);
    Edit3 = makeEdit("Edit3", this);
    BitBtn1 = makeButton("BitBtn1", QStringLiteral("&Ok"), this);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn2 = makeButton("BitBtn2", QStringLiteral("&Cancel"), this);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    PickOnMap = makeButton("PickOnMap", QStringLiteral("Pick on map"), this);
    PickOnMap->setEnabled(false);
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);

    auto* fields = new QGridLayout;
    const std::pair<QLineEdit*, QString> rows[] = {
        {Edit1, QStringLiteral("Offset:")},
        {Edit2, QStringLiteral("Cells to the right:")},
        {Edit3, QStringLiteral("Cells down:")},
    };
    int row = 0;
    for (const auto& [edit, caption] : rows) {
        edit->setText(QStringLiteral("0"));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")) + 16);
        fields->addWidget(makeFieldLabel(caption, edit), row, 0);
        fields->addWidget(edit, row++, 1);
    }
    fields->addWidget(PickOnMap, row, 1);
    layOutFixedDialog(*this, fields, {BitBtn1, BitBtn2});

    connect(BitBtn1, &QPushButton::clicked, this, &TForm9::Button1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm9::Button2Click);
    connect(PickOnMap, &QPushButton::clicked, this, &TForm9::PickOnMapClick);
}

void TForm9::askForCell(QLineEdit* target, bool reset)
{
    if (reset) {
        for (QLineEdit* edit : {Edit1, Edit2, Edit3})
            edit->setText(QStringLiteral("0"));
    }
    target_ = target;
    show();
    raise();
    activateWindow();
    // Ready for the offset to be typed, and Enter to mean "&Ok" rather than the button
    // pressed last time.
    Edit1->setFocus();
    Edit1->selectAll();
}

QLineEdit* TForm9::target() const
{
    return target_;
}

void TForm9::Button1Click()
{
    const CellCalculation result =
        calculateCell(fieldBytes(Edit1->text()), fieldBytes(Edit2->text()), fieldBytes(Edit3->text()));
    reportOutcome(desktop_, this, result.outcome);
    if (result.outcome == Outcome::Done)
        deliverCell(result.cell);
}

void TForm9::deliverCell(std::int32_t cell)
{
    // Written as typing would: the owning form reacts even when the number is the same.
    if (target_)
        writeField(target_, widgetText(decimalText(cell)));
    hide();
}

void TForm9::setMapPicker(MapPicker picker)
{
    mapPicker_ = std::move(picker);
    PickOnMap->setEnabled(static_cast<bool>(mapPicker_));
}

void TForm9::PickOnMapClick()
{
    if (mapPicker_)
        mapPicker_([this](std::int32_t cell) { deliverCell(cell); });
}

void TForm9::Button2Click()
{
    hide();
}

} // namespace vexa
