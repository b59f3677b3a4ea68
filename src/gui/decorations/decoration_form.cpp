#include "gui/decorations/decoration_form.h"

#include "gui/forms/form_widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>

#include <vector>

namespace vexa {

namespace {

// Wide enough for a cell number and a type code.
constexpr int kFieldWidth = 120;

} // namespace

DecorationForm::DecorationForm(const DecorationDialog& dialog, ScenarioView& document, Desktop& desktop,
                               CellAsker& calculator, QWidget* parent)
    : FormWindow(dialog.formName, QString::fromLatin1(dialog.title), parent)
    , dialog_(dialog)
    , runner_(document, desktop, *this)
    , positions_(calculator, dialog.positions, this)
    , spacing_(makeEdit(dialog.spacingName, this))
    , Edit5(makeEdit("Edit5", this))
    , BitBtn1(makeButton("BitBtn1", QStringLiteral("&Create"), this))
    , BitBtn2(makeButton("BitBtn2", QStringLiteral("&Done"), this))
{
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    setDefaultButton(BitBtn1);
    setCancelButton(BitBtn2);

    connect(BitBtn1, &QPushButton::clicked, this, &DecorationForm::createRow);
    connect(BitBtn2, &QPushButton::clicked, this, &QWidget::hide);
}

void DecorationForm::finish(QWidget* kindField, QWidget* besideKind, QMenuBar* menuBar, KindTab kindTab)
{
    // Three columns: the label, what stands between label and field ("Calculate", the
    // type caption), the field.
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(2, kFieldWidth);
    positions_.addTo(*grid, 0, QString::fromLatin1(dialog_.firstCaption), QString::fromLatin1(dialog_.lastCaption));
    grid->addWidget(makeFieldLabel(QString::fromLatin1(dialog_.spacingCaption), spacing_), 2, 0);
    grid->addWidget(spacing_, 2, 2);
    grid->addWidget(makeFieldLabel(QString::fromLatin1(dialog_.kindCaption), kindField), 3, 0);
    if (besideKind)
        grid->addWidget(besideKind, 3, 1);
    grid->addWidget(kindField, 3, 2);
    grid->addWidget(makeFieldLabel(QStringLiteral("Comments:"), Edit5), 4, 0);
    grid->addWidget(Edit5, 4, 1, 1, 2);
    layOutFixedDialog(*this, grid, {BitBtn1, BitBtn2}, menuBar);

    // The fields top to bottom, then the buttons; "Calculate" comes after "&Done".
    std::vector<QWidget*> order{positions_.first(), positions_.last(), spacing_};
    if (kindTab == KindTab::AfterSpacing)
        order.push_back(kindField);
    order.insert(order.end(), {Edit5, BitBtn1, BitBtn2, positions_.firstButton(), positions_.lastButton()});
    if (kindTab == KindTab::Last)
        order.push_back(kindField);
    chainTabOrder(order);

    resetRow();
}

void DecorationForm::prepare()
{
    resetRow();
}

void DecorationForm::resetRow()
{
    positions_.clear();
    spacing_->setText(QStringLiteral("1"));
    resetKind();
}

RunFields DecorationForm::runFields() const
{
    return {positions_.first(), positions_.last(), spacing_, kDecorationSpacingFallback};
}

void DecorationForm::createRow()
{
    const DecorationInput input{
        .first = fieldBytes(positions_.first()->text()),
        .last = fieldBytes(positions_.last()->text()),
        .spacing = fieldBytes(spacing_->text()),
        .kind = fieldBytes(kindText()),
        .comment = fieldBytes(Edit5->text()),
    };
    const DecorationFormat format = dialog_.format;
    runner_.run([&](PaneEditors& panes) { return createDecorations(format, input, panes[decorationPane(format)]); },
                [this] {
                    resetRow();
                    Edit5->clear();
                    clearAfterRow();
                });
}

DecorationTypeForm::DecorationTypeForm(const DecorationDialog& dialog, const MenuTable& typeMenus,
                                       MenuSpacing menuSpacing, ScenarioView& document, Desktop& desktop,
                                       CellAsker& calculator, QWidget* parent)
    : DecorationForm(dialog, document, desktop, calculator, parent)
    , kind_(makeEdit(dialog.kindName, this))
    , typeMenu_(typeMenus, *this, kind_, "Label5", menuSpacing == MenuSpacing::Set ? spacingField() : nullptr)
{
    finish(kind_, typeMenu_.caption(), typeMenu_.bar(), KindTab::AfterSpacing);
}

QString DecorationTypeForm::kindText() const
{
    return kind_->text();
}

void DecorationTypeForm::resetKind()
{
    kind_->clear();
}

void DecorationTypeForm::clearAfterRow()
{
    typeMenu_.caption()->clear();
}

} // namespace vexa
