#pragma once

#include "core/document/scenario.h"

#include <QString>
#include <QWidget>

#include <array>
#include <variant>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QStackedWidget;

namespace vexa {

class WrappingTabBar;

// Where a character stands that a scenario file cannot hold.
struct UnsavableText {
    QString message;
};

// A pane's text, every line break a '\n'.
QString paneText(const QPlainTextEdit& editor);

// The scenario document as the main window shows it: one tab per pane, with the Basic
// and Map pages of fields. The document is these widgets; there is no copy behind them.
class ScenarioView final : public QWidget {
    Q_OBJECT
public:
    explicit ScenarioView(QWidget* parent = nullptr);

    // The tabs, one page each.
    int count() const;
    QWidget* widget(int index) const;
    QString tabText(int index) const;
    int currentIndex() const;
    QWidget* currentWidget() const;
    void setCurrentIndex(int index);
    void setCurrentWidget(QWidget* page);
    WrappingTabBar* tabBar() const { return tabs_; }

    QPlainTextEdit* paneEditor(PaneId pane) const { return panes_[index(pane)]; }
    QCheckBox* flagBox(FlagId flag) const { return flags_[index(flag)]; }
    QString fieldText(FieldId field) const;
    void setFieldText(FieldId field, const QString& text);
    bool isPaneEditor(const QWidget* widget) const;

    // Replaces everything shown with a scenario.
    void load(const Scenario& scenario);
    // Empties every pane and field and unchecks every box; the lists stay.
    void clear();
    // The document as the writer takes it, or where a character stands that no file can hold.
    std::variant<Scenario, UnsavableText> snapshot() const;

    void showBasicPage();

private:
    QWidget* makePanePage(const TabInfo& tab);
    QWidget* makeBasicPage();
    QWidget* makeMapPage();
    QWidget* makeField(FieldId field);
    // One row per field of a section, label left; gives the number of rows.
    int addFieldRows(QGridLayout& grid, Section section);

    WrappingTabBar* tabs_;
    QStackedWidget* pages_;
    std::array<QPlainTextEdit*, kPaneCount> panes_{};
    std::array<QLineEdit*, kFieldCount> lineEdits_{};  // text fields, or a combo box's edit
    std::array<QComboBox*, kFieldCount> combos_{};
    std::array<QCheckBox*, kFlagCount> flags_{};
};

} // namespace vexa
