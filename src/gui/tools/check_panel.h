#pragma once

#include "core/check/finding.h"

#include <QDockWidget>

#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace vexa {

class ScenarioView;

// The findings of the scenario check, below the tabs. A finding opens its line in its
// pane, or its field on the Basic or Map page, on double-click or Enter. Checking only
// reads the document.
class CheckPanel final : public QDockWidget {
    Q_OBJECT
public:
    explicit CheckPanel(ScenarioView& document, QWidget* parent = nullptr);

    // Checks the document as it stands and shows the panel with what was found.
    void runCheck();
    // Lists findings, in the order given.
    void showFindings(const std::vector<Finding>& findings);

    QTreeWidget* findingsList() const { return list_; }
    QLabel* summary() const { return summary_; }

private:
    void goTo(QTreeWidgetItem* item);

    ScenarioView& document_;
    QLabel* summary_;
    QTreeWidget* list_;
};

} // namespace vexa
