#pragma once

#include "core/decorations/decorations.h"
#include "core/forms/menu_table.h"
#include "gui/forms/create_runner.h"
#include "gui/forms/form_window.h"
#include "gui/forms/position_fields.h"
#include "gui/forms/run_dialogs.h"
#include "gui/forms/type_menu.h"

class QLineEdit;
class QMenuBar;
class QPushButton;

namespace vexa {

class CellAsker;
class Desktop;
class ScenarioView;

// What tells one decoration dialog from the others: its names, its captions and the
// section it writes. On screen the fields stand in this order: first and last position
// (each with "Calculate"), spacing, kind, comment ("Edit5").
struct DecorationDialog {
    const char* formName;
    const char* title;
    DecorationFormat format;
    PositionFields::Names positions;
    const char* spacingName;
    const char* kindName;
    const char* firstCaption;
    const char* lastCaption;
    const char* spacingCaption;
    const char* kindCaption;
};

// The one shape of the terrain, smudge, overlay and cell trigger dialogs: a row of
// objects from a first to a last cell by a spacing, one line per cell at the end of the
// dialog's pane. Opening starts the positions, the spacing ("1") and the kind afresh and
// keeps the comment; a finished Create does the same and empties the comment too.
class DecorationForm : public FormWindow {
    Q_OBJECT
public:
    // "&Create" ("&Done" hides the dialog).
    void createRow();

    RunFields runFields() const;

protected:
    // Where the kind stands in the tab order: after the spacing, or last of all, after the
    // buttons.
    enum class KindTab { AfterSpacing, Last };

    DecorationForm(const DecorationDialog& dialog, ScenarioView& document, Desktop& desktop, CellAsker& calculator,
                   QWidget* parent);

    // Called once the dialog has made its kind field: lays the form out with what stands
    // between the kind's label and field and the dialog's menu bar, if any, sets the tab
    // order and starts the fields afresh.
    void finish(QWidget* kindField, QWidget* besideKind, QMenuBar* menuBar, KindTab kindTab);

    void prepare() override;

    QLineEdit* spacingField() const { return spacing_; }
    ScenarioView& document() const { return runner_.document(); }

    // The kind as Create writes it.
    virtual QString kindText() const = 0;
    // What opening and a finished Create make of the kind.
    virtual void resetKind() = 0;
    // What a finished Create empties besides the comment.
    virtual void clearAfterRow() {}

private:
    void resetRow();

    const DecorationDialog& dialog_;
    CreateRunner runner_;
    PositionFields positions_;
    QLineEdit* spacing_;
    QLineEdit* Edit5;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

// A decoration dialog whose kind is a type code, chosen from its type menu bar or typed:
// terrain, smudge and overlay. The caption of the entry chosen last stands between the
// kind's label and field ("Label5"); opening keeps it, a finished Create empties it.
class DecorationTypeForm : public DecorationForm {
    Q_OBJECT
protected:
    // Whether choosing a type menu entry also writes the entry's spacing.
    enum class MenuSpacing { Kept, Set };

    DecorationTypeForm(const DecorationDialog& dialog, const MenuTable& typeMenus, MenuSpacing menuSpacing,
                       ScenarioView& document, Desktop& desktop, CellAsker& calculator, QWidget* parent);

    QString kindText() const override;
    void resetKind() override;
    void clearAfterRow() override;

private:
    QLineEdit* kind_;
    TypeMenu typeMenu_;
};

} // namespace vexa
