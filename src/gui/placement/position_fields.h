#pragma once

#include <QString>

class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vexa {

class TForm9;

// The first and last position of a placement form, each with its "Calculate" button.
// The form connects the buttons and the first field's changes to its own handlers, which
// call calculateFirst(), calculateLast() and mirrorFirst().
class PositionFields {
public:
    struct Names {
        const char* firstEdit;
        const char* firstButton;
        const char* lastEdit;
        const char* lastButton;
    };

    PositionFields(TForm9& calculator, const Names& names, QWidget* parent);

    QLineEdit* first() const { return first_; }
    QLineEdit* last() const { return last_; }
    QPushButton* firstButton() const { return firstButton_; }
    QPushButton* lastButton() const { return lastButton_; }

    // Every change of the first position, typed or set, is copied into the last one: the
    // user edits the last position afterwards to get a row.
    void mirrorFirst();
    // Asks the calculator for a cell, starting it from "0", into one of the two fields.
    void calculateFirst();
    void calculateLast();
    // Both fields empty.
    void clear();

    // Two rows of a form's grid from the given row on: label, "Calculate", field.
    void addTo(QGridLayout& grid, int row, const QString& firstCaption, const QString& lastCaption) const;

private:
    TForm9& calculator_;
    QLineEdit* first_;
    QLineEdit* last_;
    QPushButton* firstButton_;
    QPushButton* lastButton_;
};

} // namespace vexa
