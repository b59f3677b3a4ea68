#pragma once

#include "core/document/scenario.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <optional>
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

// The document as its widgets hold it, before it is made bytes. Taking it costs little,
// and it can be made a scenario on any thread.
struct DocumentText {
    std::array<QString, kPaneCount> panes;
    std::array<QString, kFieldCount> fields;
    std::array<bool, kFlagCount> flags{};
};

// The document as the writer takes it, or where a character stands that no file can hold.
std::variant<Scenario, UnsavableText> scenarioOf(const DocumentText& text);

// Makes every line break of the panes a '\n': a raw text (ScenarioView::rawText()) then
// is the document's text. Costs a pass over the text, on any thread.
void endLinesAlike(DocumentText& text);

// The part of a pane line to select: the first character (from 0) and how many follow.
struct LineSelection {
    int column = 0;
    int length = 0;
};

// Whether showing a pane line gives the pane the keyboard focus, or leaves the focus where
// it is (the find bar searching as the user types).
enum class PaneFocus { Take, Leave };

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
    // Where a field's text is typed: the text field, or the combo box's edit.
    QLineEdit* fieldEdit(FieldId field) const { return lineEdits_[index(field)]; }
    void setFieldText(FieldId field, const QString& text);
    bool isPaneEditor(const QWidget* widget) const { return paneOf(widget).has_value(); }
    // The pane whose editor the widget is.
    std::optional<PaneId> paneOf(const QWidget* widget) const;

    // The one way the editor shows a pane line, counted from 0 as the gutter numbers it:
    // selects the pane's tab, selects the line (or a part of it), centres it, and gives
    // the pane the keyboard focus with its window in front. A line the pane does not hold
    // under the line rule (the pane changed since the line was found) moves nothing and
    // gives false.
    bool showPaneLine(PaneId pane, std::size_t line, std::optional<LineSelection> part = std::nullopt,
                      PaneFocus focus = PaneFocus::Take);
    // Shows a field of the Basic or Map page: selects its page and gives it the keyboard focus.
    void showField(FieldId field);

    // Replaces everything shown with a scenario, or with a document's text.
    void load(const Scenario& scenario);
    void load(const DocumentText& text);
    // Empties every pane and field and unchecks every box; the lists stay.
    void clear();
    // The document as the writer takes it, or where a character stands that no file can hold.
    std::variant<Scenario, UnsavableText> snapshot() const;
    DocumentText text() const;
    // The same with the panes' line breaks as their editors keep them: the quickest
    // snapshot, for work that goes on on another thread (endLinesAlike()).
    DocumentText rawText() const;

    void showBasicPage();
    // Puts a bar (find, go to line) below the pages.
    void addBar(QWidget* bar);

Q_SIGNALS:
    // Everything shown is about to be replaced: the document shown until now is complete.
    void aboutToBeReplaced();
    // Everything shown was replaced at once: load() and clear() (Open, New, Revert). The
    // panes and fields report their own changes as well, before this.
    void replaced();

private:
    QWidget* makePanePage(const TabInfo& tab);
    QWidget* makeBasicPage();
    QWidget* makeMapPage();
    QWidget* makeField(FieldId field);
    // One row per field of a section, label left; gives the number of rows.
    int addFieldRows(QGridLayout& grid, Section section);
    // Selects the page that holds a widget.
    void showPageOf(const QWidget& widget);

    WrappingTabBar* tabs_;
    QStackedWidget* pages_;
    std::array<QPlainTextEdit*, kPaneCount> panes_{};
    std::array<QLineEdit*, kFieldCount> lineEdits_{};  // text fields, or a combo box's edit
    std::array<QComboBox*, kFieldCount> combos_{};
    std::array<QWidget*, kFieldCount> fieldWidgets_{};  // the widget on the page: edit or combo box
    std::array<QCheckBox*, kFlagCount> flags_{};
};

} // namespace vexa
