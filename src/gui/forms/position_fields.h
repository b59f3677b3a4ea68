#pragma once

#include <QString>

class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vexa {

class CellAsker;

// A cell number field with its "Calculate" button, which asks the position calculator for
// a cell to write into the field.
class CellField {
public:
    CellField(CellAsker& calculator, const char* editName, const char* buttonName, bool resetCalculator,
              QWidget* parent);

    QLineEdit* edit() const { return edit_; }
    QPushButton* calculate() const { return calculate_; }

    // One row of a form's grid: label, "Calculate", field.
    void addTo(QGridLayout& grid, int row, const QString& caption) const;

private:
    QLineEdit* edit_;
    QPushButton* calculate_;
};

// The first and last position of a placement form, each with its "Calculate" button,
// which starts the calculator from "0". Every change of the first position, typed or
// written by the program, is copied into the last one: the user edits the last position
// afterwards to get a row.
class PositionFields {
public:
    struct Names {
        const char* firstEdit;
        const char* firstButton;
        const char* lastEdit;
        const char* lastButton;
    };

    PositionFields(CellAsker& calculator, const Names& names, QWidget* parent);

    QLineEdit* first() const { return first_.edit(); }
    QLineEdit* last() const { return last_.edit(); }
    QPushButton* firstButton() const { return first_.calculate(); }
    QPushButton* lastButton() const { return last_.calculate(); }

    // Both fields empty.
    void clear();

    // Two rows of a form's grid from the given row on: label, "Calculate", field.
    void addTo(QGridLayout& grid, int row, const QString& firstCaption, const QString& lastCaption) const;

private:
    CellField first_;
    CellField last_;
};

} // namespace vexa
