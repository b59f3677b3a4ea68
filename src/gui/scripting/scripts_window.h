#pragma once

#include "core/document/layout.h"
#include "core/scripting/script_references.h"

#include <QWidget>

#include <cstddef>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace vexa {

class ScriptReading;
class ScriptsModel;

// Tools > Scripts: every trigger and team type of the document in a table (kind, name,
// pane line, the line in words, what it refers to, what refers to it), sorted by a click
// on a column and filtered by a text; and the "Uses" list that Shift+F12 fills. A
// double-click shows a line. While shown, the window follows the document: it reads it
// again after each command that changes it, and after typing once the typing pauses.
class ScriptsWindow final : public QWidget {
    Q_OBJECT
public:
    ScriptsWindow(ScriptReading& reading, QWidget* parent);

    // Lists every place that names the target, and shows the window.
    void showUses(const ScriptTarget& target);

    QTableView* table() const { return table_; }
    QListWidget* uses() const { return uses_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void documentChanged();
    void refresh();
    void showRow(const QModelIndex& index);
    void showUse(QListWidgetItem* item);
    void addUndoKeys();

    ScriptReading& reading_;
    ScriptsModel* model_;
    QSortFilterProxyModel* filter_;
    QLineEdit* filterText_;
    QTableView* table_;
    QLabel* usesTitle_;
    QListWidget* uses_;
    QLabel* status_;
    QTimer* refreshTimer_;
    bool outOfDate_ = true;
};

// How the editor names a pane line: "[Trigs] line 4", counted from 0 as the gutter does.
QString paneLineName(PaneId pane, std::size_t line);

} // namespace vexa
