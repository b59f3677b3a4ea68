#include "gui/forms/position_fields.h"

#include "gui/forms/cell_asker.h"
#include "gui/forms/form_widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vexa {

CellField::CellField(CellAsker& calculator, const char* editName, const char* buttonName, bool resetCalculator,
                     QWidget* parent)
    : edit_(makeEdit(editName, parent))
    , calculate_(makeButton(buttonName, QStringLiteral("Calculate"), parent))
{
    QObject::connect(calculate_, &QPushButton::clicked, edit_,
                     [&calculator, edit = edit_, resetCalculator] { calculator.askForCell(edit, resetCalculator); });
}

void CellField::addTo(QGridLayout& grid, int row, const QString& caption) const
{
    grid.addWidget(makeFieldLabel(caption, edit_), row, 0);
    grid.addWidget(calculate_, row, 1, Qt::AlignRight);
    grid.addWidget(edit_, row, 2);
}

PositionFields::PositionFields(CellAsker& calculator, const Names& names, QWidget* parent)
    : first_(calculator, names.firstEdit, names.firstButton, true, parent)
    , last_(calculator, names.lastEdit, names.lastButton, true, parent)
{
    QObject::connect(first(), &QLineEdit::textChanged, last(), &QLineEdit::setText);
}

void PositionFields::clear()
{
    writeField(first(), QString());
    last()->clear();
}

void PositionFields::addTo(QGridLayout& grid, int row, const QString& firstCaption, const QString& lastCaption) const
{
    first_.addTo(grid, row, firstCaption);
    last_.addTo(grid, row + 1, lastCaption);
}

} // namespace vexa
