#include "gui/placement/position_fields.h"

#include "gui/forms/form_widgets.h"
#include "gui/placement/position_calculator.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vexa {

PositionFields::PositionFields(TForm9& calculator, const Names& names, QWidget* parent)
    : calculator_(calculator)
    , first_(makeEdit(names.firstEdit, parent))
    , last_(makeEdit(names.lastEdit, parent))
    , firstButton_(makeButton(names.firstButton, QStringLiteral("Calculate"), parent))
    , lastButton_(makeButton(names.lastButton, QStringLiteral("Calculate"), parent))
{
}

void PositionFields::mirrorFirst()
{
    last_->setText(first_->text());
}

void PositionFields::calculateFirst()
{
    calculator_.askForCell(first_, true);
}

void PositionFields::calculateLast()
{
    calculator_.askForCell(last_, true);
}

void PositionFields::clear()
{
    first_->clear();
    last_->clear();
}

void PositionFields::addTo(QGridLayout& grid, int row, const QString& firstCaption, const QString& lastCaption) const
{
    grid.addWidget(makeFieldLabel(firstCaption, first_), row, 0);
    grid.addWidget(firstButton_, row, 1, Qt::AlignRight);
    grid.addWidget(first_, row, 2);
    grid.addWidget(makeFieldLabel(lastCaption, last_), row + 1, 0);
    grid.addWidget(lastButton_, row + 1, 1, Qt::AlignRight);
    grid.addWidget(last_, row + 1, 2);
}

} // namespace vexa
