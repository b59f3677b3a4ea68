#include "gui/decorations/waypoints_form.h"

#include "core/decorations/waypoints.h"
#include "gui/forms/form_widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace vexa {

TForm15::TForm15(ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent)
    : FormWindow("TForm15", QStringLiteral("Create waypoints"), parent, TitleButtons::CloseAndMinimize)
    , runner_(document, desktop, *this)
    , cell_(calculator, "Edit1", "Button1", false, this)
    , Edit2(makeEdit("Edit2", this))
    , BitBtn1(makeButton("BitBtn1", QStringLiteral("&Done"), this))
    , BitBtn2(makeButton("BitBtn2", QStringLiteral("&Close"), this))
{
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    // "&Close" is no cancel button: Esc leaves this dialog open.
    setDefaultButton(BitBtn1);
    // "Calculate" comes last when tabbing, after the buttons.
    setTabOrder(BitBtn2, cell_.calculate());
    buildLayout();

    connect(BitBtn1, &QPushButton::clicked, this, &TForm15::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm15::BitBtn2Click);
}

void TForm15::buildLayout()
{
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(2, 120);
    cell_.addTo(*grid, 0, QStringLiteral("Cell number:"));
    grid->addWidget(makeFieldLabel(QStringLiteral("Comment:"), Edit2), 1, 0);
    grid->addWidget(Edit2, 1, 1, 1, 2);
    Edit2->setMinimumWidth(260);

    layOutFixedDialog(*this, grid, {BitBtn1, BitBtn2});
}

void TForm15::prepare()
{
    clearFields();
}

void TForm15::clearFields()
{
    cell_.edit()->clear();
    Edit2->clear();
}

void TForm15::BitBtn1Click()
{
    const WaypointInput input{
        .cell = fieldBytes(cell_.edit()->text()),
        .comment = fieldBytes(Edit2->text()),
    };
    runner_.run([&](PaneEditors& panes) { return addWaypoint(input, panes[PaneId::Waypoints]); },
                [this] { clearFields(); });
}

void TForm15::BitBtn2Click()
{
    hide();
}

} // namespace vexa
