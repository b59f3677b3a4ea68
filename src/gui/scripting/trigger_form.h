#pragma once

#include "core/scripting/trigger_line.h"
#include "core/scripting/trigger_vocabulary.h"
#include "gui/forms/create_runner.h"
#include "gui/forms/form_window.h"

#include <array>
#include <span>
#include <string>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexa {

class Desktop;
class LineReplacement;
class ScenarioView;

// "Create triggers": composes one trigger at a time from a name, a country, the repeat
// and activation modes, two events (T1, T2) and two actions (R1, R2) with their
// parameters and an optional comment, and appends the line to the trigger pane. The
// menus write event and action codes and relabel and pre-fill the parameters, so the user
// types only what the chosen event or action asks for.
class TForm13 final : public FormWindow {
    Q_OBJECT
public:
    TForm13(ScenarioView& document, Desktop& desktop, QWidget* parent = nullptr);

    // Menu handlers, each serving every entry of its menu.
    void Multi81Click(const MenuItem& item);   // Countries: the country's position
    void Noevent1Click(const MenuItem& item);  // T1
    void Noevent2Click(const MenuItem& item);  // T2
    void Noaction1Click(const MenuItem& item); // R1
    void Noaction2Click(const MenuItem& item); // R2

    void BitBtn1Click();  // "&Create"
    void BitBtn2Click();  // "&Done": hides the dialog

    // Edit in composer: the fields show the trigger of [Trigs] line `line`, whose text is
    // `text`, and "Replace line N" writes the composed line over it.
    void editLine(std::size_t line, const QString& text, const TriggerInput& input);
    void ReplaceLineClick();

protected:
    // Create > "Triggers": empties every field but "Country:", selects "No" and
    // "T1 -> R1" and puts back the plain parameter labels.
    void prepare() override;

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
    void choose(const PartFields& fields, const MenuItem& item);
    void resetFields();
    TriggerInput readInput() const;
    void writeInput(const TriggerInput& input);
    void showPart(const PartFields& fields, const std::string& code, std::span<const std::string> parameters);

    CreateRunner runner_;
    std::array<QLineEdit*, 17> edits_{};
    std::array<PartFields, 4> parts_{};  // T1, T2, R1, R2
    QButtonGroup* repeatModes_ = nullptr;
    QButtonGroup* activationModes_ = nullptr;
    QPushButton* createButton_ = nullptr;
    QPushButton* doneButton_ = nullptr;
    LineReplacement* replacement_ = nullptr;
};

} // namespace vexa
