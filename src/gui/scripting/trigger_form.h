#pragma once

#include "core/scripting/trigger_line.h"
#include "core/scripting/trigger_vocabulary.h"

#include <QDialog>

#include <array>

class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexa {

class ScenarioView;

// "Create triggers": composes one trigger at a time from a name, a country, the repeat
// and activation modes, two events (T1, T2) and two actions (R1, R2) with their
// parameters and an optional comment, and appends the line to the trigger pane. The
// menus write event and action codes and relabel and pre-fill the parameters, so the user
// types only what the chosen event or action asks for.
class TForm13 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(ScenarioView& document, QWidget* parent = nullptr);

    // Create > "Triggers": empties every field but "Country:", selects "No" and
    // "T1 -> R1", puts back the plain parameter labels and shows the dialog modeless.
    void open() override;

    // Menu handlers, each serving every entry of its menu.
    void Multi81Click(const QAction& item);   // Countries: the country's position
    void Noevent1Click(const QAction& item);  // T1
    void Noevent2Click(const QAction& item);  // T2
    void Noaction1Click(const QAction& item); // R1
    void Noaction2Click(const QAction& item); // R2

    void BitBtn1Click();  // "&Create"
    void BitBtn2Click();  // "&Done": hides the dialog

    // Escape and the close box hide the dialog like "&Done".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The code field of an event or action with its parameters and their labels.
    struct PartFields {
        TriggerPart part = TriggerPart::Event;
        QLabel* codeLabel = nullptr;
        QLineEdit* code = nullptr;
        std::array<QLabel*, 3> labels{};         // the third for actions only
        std::array<QLineEdit*, 3> parameters{};
        QLineEdit* next = nullptr;                // takes the focus when no parameter is asked for
    };

    QLineEdit* edit(int number) const { return edits_[static_cast<std::size_t>(number - 1)]; }
    QWidget* makeLeftColumn();
    QWidget* makePartColumn(const QString& name, const PartFields& upper, const PartFields& lower);
    QWidget* makeBottomRow();
    void makeMenus();
    void chainTabOrder();
    void choose(const PartFields& fields, const QAction& item);
    void resetFields();
    TriggerInput readInput() const;

    ScenarioView& document_;
    std::array<QLineEdit*, 17> edits_{};
    std::array<PartFields, 4> parts_{};  // T1, T2, R1, R2
    QButtonGroup* repeatModes_ = nullptr;
    QButtonGroup* activationModes_ = nullptr;
    QPushButton* createButton_ = nullptr;
    QPushButton* doneButton_ = nullptr;
};

} // namespace vexa
