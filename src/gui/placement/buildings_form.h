#pragma once

#include "gui/placement/health_field.h"
#include "gui/placement/position_fields.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexa {

class Compass;
class Desktop;
class ScenarioView;
class TForm9;

// "Create buildings": a row of identical buildings from a first to a last cell, one line
// each in the structures pane and, with "Add to base", one entry each in the base pane.
// Made once and kept; the Create menu opens it without blocking the main window, and
// "&Done", Esc and the close box hide it.
class TForm2 final : public QDialog {
    Q_OBJECT
public:
    TForm2(ScenarioView& document, Desktop& desktop, TForm9& calculator, QWidget* parent = nullptr);

    // The Create menu's "Buildings": starts the fields afresh (the comment stays), takes
    // the trigger names from the trigger pane as it is now, and shows the form. Never
    // modal, unlike QDialog's own open().
    void open() override;

    // A type menu entry: its type code, its caption and its default spacing.
    void Flameturret1Click(QAction* entry);
    // The health or the first position changed, typed or set.
    void Edit1Change(QLineEdit* edit);
    // The user moved the health track bar.
    void TrackBar1Change(int position);
    // The user typed or picked a direction.
    void ComboBox2Change();
    // A compass button (0 for RadioButton1).
    void RadioButton1Click(int index);
    // "Calculate" beside the first and the last position.
    void Button4Click();
    void Button5Click();
    // "&Create" and "&Done".
    void Button3Click();
    void Button2Click();

private:
    void buildLayout(QWidget* menuBar);
    // What both the opening and a finished Create start afresh.
    void resetRowFields();

    ScenarioView& document_;
    Desktop& desktop_;
    QComboBox* ComboBox1;
    QLineEdit* Edit2;
    QLabel* Label9;
    HealthField health_;
    QComboBox* ComboBox2;
    Compass* compass_;
    PositionFields positions_;
    QLineEdit* Edit6;
    QComboBox* ComboBox3;
    QCheckBox* CheckBox2;
    QLineEdit* Edit1;
    QCheckBox* CheckBox1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

} // namespace vexa
