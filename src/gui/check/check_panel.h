#pragma once

#include "core/check/finding.h"
#include "core/document/scenario.h"
#include "gui/document/scenario_view.h"

#include <QDockWidget>

#include <chrono>
#include <cstdint>
#include <optional>
#include <thread>
#include <variant>
#include <vector>

class QAction;
class QLabel;
class QModelIndex;
class QTimer;
class QPushButton;
class QTreeView;

namespace vexa {

class FindingsFilter;
class FindingsModel;
class ScenarioView;

// The findings of the scenario check, below the tabs. A finding opens its line in its
// pane, or its field on the Basic or Map page, on double-click or Enter. The columns sort
// on a click; a filter chooses severities and rules. While shown, the panel follows the
// document: it checks again after each command that changes the document, and after
// typing once the typing pauses. After Open, New and Revert the window shows the document
// first: the check runs on a thread of its own, and what it found is shown only if the
// document has not changed meanwhile. A finding may offer a quick fix, which runs only
// when the user asks and is one undo step of each pane it changes.
class CheckPanel final : public QDockWidget {
    Q_OBJECT
public:
    explicit CheckPanel(ScenarioView& document, QWidget* parent = nullptr);
    ~CheckPanel() override;

    // Checks the document as it stands and shows the panel with what was found (F7).
    void runCheck();
    // Lists findings, in the order given, with no document behind them (no quick fixes).
    void showFindings(const std::vector<Finding>& findings);
    // Applies the quick fix of the selected finding, worked out on the document as it
    // stands, then checks again.
    void fixSelected();

    // A check that takes longer than this makes typing only mark the findings as out of
    // date, so that typing never waits for it.
    void setTypingBudget(std::chrono::milliseconds budget) { typingBudget_ = budget; }
    // Whether the findings shown are not those of the document as it stands: it changed
    // since, or its check still runs.
    bool isOutOfDate() const { return outOfDate_; }

    QTreeView* findingsList() const { return list_; }
    QLabel* summary() const { return summary_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class WorkReport { InStatusBar, Silent };

    QWidget* makeFilterBar();
    QPushButton* makeRuleChooser();
    void followDocument();
    void documentChanged(const QWidget& where);
    void markOutOfDate();
    void checkNow(WorkReport report);
    void checkInBackground();
    // What a check on its own thread gives back.
    struct BackgroundCheck {
        std::uint64_t ticket = 0;
        std::variant<Scenario, UnsavableText> checked;
        std::vector<Finding> findings;
        std::chrono::steady_clock::duration took{};
    };
    void takeBackgroundCheck(BackgroundCheck done);
    void showUncheckable(const UnsavableText& why);
    void showChecked(Scenario checked, std::vector<Finding> findings, std::chrono::steady_clock::duration took);
    void showCheck(std::optional<Scenario> checked, QString uncheckable, std::vector<Finding> findings,
                   std::optional<Finding> keepSelected);
    void filterChanged();
    void setFindings(std::vector<Finding> findings, std::optional<Finding> keepSelected);
    std::optional<Finding> selectedFinding() const;
    void selectionChanged();
    void goTo(const QModelIndex& index);
    void showContextMenu(const QPoint& at);
    void refuseFix(const QString& why);
    void updateSummary();

    ScenarioView& document_;
    FindingsModel* model_;
    FindingsFilter* filter_;
    QLabel* summary_;
    QTreeView* list_;
    QAction* fixAction_;  // the quick fix of the selected finding: the Fix button and the context menu
    QPushButton* ruleChooser_ = nullptr;
    QTimer* checkTimer_;
    // The document as last checked: the quick fix offered on the selected finding is
    // worked out on it (and worked out again on the document when the user asks).
    std::optional<Scenario> checked_;
    QString uncheckable_;  // why the last check could not read the document
    QString notice_;       // what the last command of the panel has to say, until the next check
    std::chrono::milliseconds typingBudget_{250};
    bool slow_ = false;       // the last check took longer than the typing budget
    bool outOfDate_ = true;   // the document changed since the last check, or was never checked
    // The check of an opened document, while it runs. Its findings are taken only if its
    // ticket is still the last one given: every change of the document and every check
    // takes a new one.
    std::thread background_;
    std::uint64_t ticket_ = 0;
    bool checkingInBackground_ = false;
    bool checkAgainInBackground_ = false;  // the document was replaced again while it ran
};

} // namespace vexa
