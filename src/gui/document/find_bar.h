#pragma once

#include "core/document/layout.h"
#include "core/document/text_search.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QTimer;

namespace vexa {

class ScenarioView;
enum class PaneFocus;

// A hit of the find bar: its pane, its line (from 0, as the gutter numbers it) and the
// character of the line where the needle starts.
struct FindHit {
    PaneId pane = PaneId::Rules;
    int line = 0;
    int column = 0;

    bool operator==(const FindHit&) const = default;
};

// The hits the find bar lists, a row each ("[Trigs]  1: t2=gun,2"), in tab order and
// line by line. A row reads its line's text only when the view shows it.
class FindHits final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FindHits(const ScenarioView& document, QObject* parent = nullptr);

    void setHits(std::vector<FindHit> hits);
    const std::vector<FindHit>& hits() const { return hits_; }
    // The row of a hit, or -1 when the list does not hold it.
    int rowOf(const FindHit& hit) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const ScenarioView& document_;
    std::vector<FindHit> hits_;
};

// The find and replace bar below the tabs. Typing searches from the pane's cursor for the
// next hit; "Next" and "Previous" step from hit to hit and go round the end. With "In all
// panes" the steps go through every pane in tab order and the bar lists every hit of
// every pane; a click on a hit goes there. The hits are counted and listed again once the
// typing or the changes of the searched panes pause for a moment, not at every key.
// A replace-all replaces in every pane searched, one undo step in each.
class FindBar final : public QWidget {
    Q_OBJECT
public:
    // How long the hit list waits after the last change before it is made again.
    static constexpr int kRefreshDelayMs = 300;

    explicit FindBar(ScenarioView& document, QWidget* parent = nullptr);

    // Shows the bar for a pane, starting from its selection when that is part of one line.
    void openFind(QPlainTextEdit* pane);
    void openReplace(QPlainTextEdit* pane);
    void closeBar();

    void findNext();
    void findPrevious();
    void replaceOne();
    void replaceAll();

    // The pane the bar steps from.
    QPlainTextEdit* pane() const { return pane_; }
    void setPane(QPlainTextEdit* pane);

    // The bar's height comes out of the panes above it, never out of the window's.
    QSize minimumSizeHint() const override;

private:
    enum class SelectionEnd { Start, End };

    void open(QPlainTextEdit* pane, bool withReplace);
    std::string needle() const;
    MatchCase matchCase() const;
    int needleLength() const;
    // The panes searched, in tab order: all of them, or the bar's pane.
    std::vector<PaneId> searchedPanes() const;
    bool isSearched(PaneId pane) const;
    SearchPlace cursorPlace(SelectionEnd end) const;

    void searchAsTyped();
    void step(SearchDirection direction);
    void stepFrom(SearchPlace from, SearchDirection direction);
    // Shows a hit through the document's one way to show a line, and says which it is.
    void goTo(const FindHit& hit, PaneFocus focus);
    void goToHit(const QModelIndex& index);
    bool isStillThere(const FindHit& hit) const;
    std::optional<FindHit> selectedHit() const;

    enum class WorkReport { InStatusBar, Silent };

    void markHitsOutdated();
    void refreshHits(WorkReport report = WorkReport::InStatusBar);
    std::vector<FindHit> hitsIn(const std::vector<PaneId>& panes) const;
    void sayWhere(const FindHit& hit);
    void sayHitCount();
    void showMessage(const QString& text);

    ScenarioView& document_;
    QPointer<QPlainTextEdit> pane_;
    QLineEdit* needle_;
    QLineEdit* replacement_;
    QCheckBox* matchCase_;
    QCheckBox* allPanes_;
    QLabel* message_;
    QWidget* replaceRow_;
    FindHits* hitList_;
    QListView* hits_;
    QTimer* refreshTimer_;
    // Whether the list holds the hits of the needle, the case rule and the searched
    // panes as they stand.
    bool hitsUpToDate_ = true;
};

} // namespace vexa
