#pragma once

#include "core/document/text_search.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace vexa {

class ScenarioView;
enum class PaneFocus;

// The find and replace bar below the tabs. It searches the pane it was opened for as the
// user types; with "All panes" it lists every hit of every pane instead, and a click on
// a hit goes there. A replace-all is one undo step of the pane.
class FindBar final : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(ScenarioView& document, QWidget* parent = nullptr);

    // Shows the bar for a pane, starting from its selection when that is part of one line.
    void openFind(QPlainTextEdit* pane);
    void openReplace(QPlainTextEdit* pane);
    void closeBar();

    void findNext();
    void findPrevious();
    void replaceOne();
    void replaceAll();

    QPlainTextEdit* pane() const { return pane_; }
    void setPane(QPlainTextEdit* pane) { pane_ = pane; }

private:
    enum class Direction { Forward, Backward };
    void open(QPlainTextEdit* pane, bool withReplace);
    void searchAsTyped();
    void searchFrom(int position, Direction direction);
    std::vector<TextMatch> matchesIn(const QPlainTextEdit& pane) const;
    bool selectionIsAMatch() const;
    void listAllHits();
    void goToHit(QListWidgetItem* item);
    // Shows the hit at a position of a pane through the document's one way to show a line.
    void select(const QPlainTextEdit& pane, int position, PaneFocus focus);
    void showMessage(const QString& text);
    int needleLength() const;

    ScenarioView& document_;
    QPointer<QPlainTextEdit> pane_;
    QLineEdit* needle_;
    QLineEdit* replacement_;
    QCheckBox* matchCase_;
    QCheckBox* allPanes_;
    QLabel* message_;
    QWidget* replaceRow_;
    QListWidget* hits_;
};

} // namespace vexa
