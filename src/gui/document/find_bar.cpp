#include "gui/document/find_bar.h"

#include "gui/desktop/busy_work.h"
#include "gui/document/pane_changes.h"
#include "gui/document/pane_editor.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/forms/form_widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vexa {

namespace {

QHBoxLayout* row(QVBoxLayout* bar)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    bar->addLayout(layout);
    return layout;
}

QString captionOf(PaneId pane)
{
    return decodeText(tabOf(pane).caption);
}

QString hitCountText(std::size_t count)
{
    return count == 1 ? QStringLiteral("1 hit") : QStringLiteral("%1 hits").arg(countText(static_cast<qint64>(count)));
}

// Text as the search reads it. A character no file can hold becomes a line break, which
// no needle holds, so it never matches; every character keeps its place.
std::string searchedBytes(const QString& text)
{
    return encodeTextReplacing(text, '\n');
}

// The panes a step walks through, read a line at a time from their blocks.
class PaneLines final : public SearchedLines {
public:
    PaneLines(const ScenarioView& document, const std::vector<PaneId>& panes)
    {
        for (PaneId pane : panes) {
            editors_.push_back(document.paneEditor(pane));
            lineCounts_.push_back(editorLineCount(*editors_.back()));
        }
    }

    std::size_t textCount() const override { return editors_.size(); }
    std::size_t lineCount(std::size_t text) const override { return lineCounts_[text]; }
    std::string line(std::size_t text, std::size_t line) const override
    {
        return searchedBytes(block(text, line).text());
    }

private:
    // A step reads neighbouring lines: the block beside the last one read needs no look-up.
    QTextBlock block(std::size_t text, std::size_t line) const
    {
        const bool beside = text == lastText_ && lastBlock_.isValid() && (line == lastLine_ + 1 || line + 1 == lastLine_);
        if (!beside)
            lastBlock_ = editors_[text]->document()->findBlockByNumber(static_cast<int>(line));
        else
            lastBlock_ = line > lastLine_ ? lastBlock_.next() : lastBlock_.previous();
        lastText_ = text;
        lastLine_ = line;
        return lastBlock_;
    }

    std::vector<const QPlainTextEdit*> editors_;
    std::vector<std::size_t> lineCounts_;
    mutable QTextBlock lastBlock_;
    mutable std::size_t lastText_ = 0;
    mutable std::size_t lastLine_ = 0;
};

} // namespace

FindHits::FindHits(const ScenarioView& document, QObject* parent)
    : QAbstractListModel(parent)
    , document_(document)
{
}

void FindHits::setHits(std::vector<FindHit> hits)
{
    beginResetModel();
    hits_ = std::move(hits);
    endResetModel();
}

int FindHits::rowOf(const FindHit& hit) const
{
    const auto found = std::find(hits_.begin(), hits_.end(), hit);
    return found == hits_.end() ? -1 : static_cast<int>(found - hits_.begin());
}

int FindHits::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(hits_.size());
}

QVariant FindHits::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const FindHit& hit = hits_[static_cast<std::size_t>(index.row())];
    const QTextBlock block = document_.paneEditor(hit.pane)->document()->findBlockByNumber(hit.line);
    return QStringLiteral("%1  %2: %3").arg(captionOf(hit.pane)).arg(hit.line).arg(block.text());
}

FindBar::FindBar(ScenarioView& document, QWidget* parent)
    : QWidget(parent)
    , document_(document)
    , needle_(makeEdit("FindEdit", this))
    , replacement_(makeEdit("ReplaceEdit", this))
    , matchCase_(makeCheckBox("MatchCaseBox", QStringLiteral("Match &case"), this))
    , allPanes_(makeCheckBox("AllPanesBox", QStringLiteral("In &all panes"), this))
    , message_(new QLabel(this))
    , replaceRow_(new QWidget(this))
    , hitList_(new FindHits(document, this))
    , hits_(new QListView(this))
    , refreshTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("FindBar"));
    message_->setObjectName(QStringLiteral("FindMessage"));
    // The message's room comes from the bar's width, never from the message: a new text
    // moves no other control, and a long one is cut short rather than widen the window.
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    message_->setMinimumWidth(message_->fontMetrics().horizontalAdvance(QStringLiteral("Hit 99 of 99")));
    hits_->setObjectName(QStringLiteral("FindHits"));
    hits_->setModel(hitList_);
    hits_->setUniformItemSizes(true);
    hits_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hits_->hide();
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(kRefreshDelayMs);

    auto* bar = new QVBoxLayout(this);
    bar->setContentsMargins(4, 2, 4, 2);
    QHBoxLayout* findRow = row(bar);
    findRow->addWidget(makeFieldLabel(QStringLiteral("&Find:"), needle_));
    findRow->addWidget(needle_, 1);
    auto* previous = makeButton("FindPreviousButton", QStringLiteral("&Previous"), this);
    auto* next = makeButton("FindNextButton", QStringLiteral("&Next"), this);
    auto* close = makeButton("FindCloseButton", QStringLiteral("Close"), this);
    for (QWidget* widget : std::initializer_list<QWidget*>{previous, next, matchCase_, allPanes_})
        findRow->addWidget(widget);
    findRow->addWidget(message_, 1);
    findRow->addWidget(close);

    auto* replaceLayout = new QHBoxLayout(replaceRow_);
    replaceLayout->setContentsMargins(0, 0, 0, 0);
    auto* replace = makeButton("ReplaceButton", QStringLiteral("&Replace"), replaceRow_);
    auto* replaceAllButton = makeButton("ReplaceAllButton", QStringLiteral("Replace a&ll"), replaceRow_);
    replaceLayout->addWidget(makeFieldLabel(QStringLiteral("Replace &with:"), replacement_));
    replaceLayout->addWidget(replacement_, 1);
    replaceLayout->addWidget(replace);
    replaceLayout->addWidget(replaceAllButton);
    bar->addWidget(replaceRow_);
    bar->addWidget(hits_);

    connect(needle_, &QLineEdit::textEdited, this, &FindBar::searchAsTyped);
    connect(needle_, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(matchCase_, &QCheckBox::toggled, this, &FindBar::searchAsTyped);
    connect(allPanes_, &QCheckBox::toggled, this, [this](bool all) {
        hits_->setVisible(all);
        refreshHits();
        sayHitCount();
    });
    connect(previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(close, &QPushButton::clicked, this, &FindBar::closeBar);
    connect(replace, &QPushButton::clicked, this, &FindBar::replaceOne);
    connect(replaceAllButton, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(hits_, &QListView::clicked, this, &FindBar::goToHit);
    connect(hits_, &QListView::activated, this, &FindBar::goToHit);
    // The list made again after a pause is no command of the user's: it leaves the status
    // bar to the last command.
    connect(refreshTimer_, &QTimer::timeout, this, [this] {
        if (isVisible()) {
            refreshHits(WorkReport::Silent);
            sayHitCount();
        }
    });
    for (const TabInfo& tab : kTabs) {
        if (tab.content != TabContent::Pane)
            continue;
        connect(document_.paneEditor(tab.pane)->document(), &QTextDocument::contentsChanged, this,
                [this, pane = tab.pane] {
                    if (isSearched(pane))
                        markHitsOutdated();
                });
    }
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::closeBar);
}

// The tab pages' own minimum already fills a window at its smallest: a bar that added its
// height to that would grow the window, which never shrinks back.
QSize FindBar::minimumSizeHint() const
{
    return {QWidget::minimumSizeHint().width(), 0};
}

void FindBar::openFind(QPlainTextEdit* pane)
{
    open(pane, false);
}

void FindBar::openReplace(QPlainTextEdit* pane)
{
    open(pane, true);
}

void FindBar::open(QPlainTextEdit* pane, bool withReplace)
{
    setPane(pane);
    const QString selected = pane ? pane->textCursor().selectedText() : QString();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator) && encodeText(selected) &&
        selected != needle_->text()) {
        needle_->setText(selected);
        markHitsOutdated();
    }
    replaceRow_->setVisible(withReplace);
    message_->clear();
    show();
    if (!hitsUpToDate_)
        refreshTimer_->start();
    needle_->setFocus();
    needle_->selectAll();
}

void FindBar::closeBar()
{
    hide();
    if (pane_)
        pane_->setFocus();
}

void FindBar::setPane(QPlainTextEdit* pane)
{
    if (pane == pane_)
        return;
    pane_ = pane;
    if (!allPanes_->isChecked())
        markHitsOutdated();
}

std::string FindBar::needle() const
{
    return fieldBytes(needle_->text());
}

MatchCase FindBar::matchCase() const
{
    return matchCase_->isChecked() ? MatchCase::Exact : MatchCase::Ignore;
}

int FindBar::needleLength() const
{
    return static_cast<int>(needle_->text().size());
}

std::vector<PaneId> FindBar::searchedPanes() const
{
    std::vector<PaneId> panes;
    const auto barPane = document_.paneOf(pane_);
    for (const TabInfo& tab : kTabs) {
        if (tab.content == TabContent::Pane && (allPanes_->isChecked() || tab.pane == barPane))
            panes.push_back(tab.pane);
    }
    return panes;
}

bool FindBar::isSearched(PaneId pane) const
{
    return allPanes_->isChecked() || document_.paneOf(pane_) == pane;
}

// Where the bar's pane stands among the searched panes; without a pane, at the start.
SearchPlace FindBar::cursorPlace(SelectionEnd end) const
{
    const std::vector<PaneId> panes = searchedPanes();
    const auto barPane = document_.paneOf(pane_);
    const auto rank = std::find(panes.begin(), panes.end(), barPane);
    if (!barPane || rank == panes.end())
        return {};
    const QTextCursor cursor = pane_->textCursor();
    const int position = end == SelectionEnd::Start ? cursor.selectionStart() : cursor.selectionEnd();
    const QTextBlock block = pane_->document()->findBlock(position);
    return {static_cast<std::size_t>(rank - panes.begin()), static_cast<std::size_t>(block.blockNumber()),
            static_cast<std::size_t>(position - block.position())};
}

void FindBar::showMessage(const QString& text)
{
    message_->setText(text);
    message_->setToolTip(text);
}

// A keystroke looks from the cursor for the nearest hit only; the count and the list
// follow when the typing pauses.
void FindBar::searchAsTyped()
{
    markHitsOutdated();
    if (needle_->text().isEmpty()) {
        showMessage({});
        return;
    }
    stepFrom(cursorPlace(SelectionEnd::Start), SearchDirection::Forward);
}

void FindBar::findNext()
{
    step(SearchDirection::Forward);
}

void FindBar::findPrevious()
{
    step(SearchDirection::Backward);
}

// A step the user asks for brings the list up to date first, so the bar can say which hit
// it went to.
void FindBar::step(SearchDirection direction)
{
    if (searchedPanes().empty())
        return;
    if (!hitsUpToDate_)
        refreshHits();
    stepFrom(cursorPlace(direction == SearchDirection::Forward ? SelectionEnd::End : SelectionEnd::Start), direction);
}

void FindBar::stepFrom(SearchPlace from, SearchDirection direction)
{
    const std::vector<PaneId> panes = searchedPanes();
    if (panes.empty())
        return;
    const auto found = findNearestMatch(PaneLines(document_, panes), needle(), matchCase(), from, direction);
    if (!found) {
        showMessage(needle_->text().isEmpty() ? QString() : QStringLiteral("Not found"));
        return;
    }
    // Typing in the bar keeps the keyboard; a step from a pane takes the pane it goes to.
    const bool fromTheBar = isAncestorOf(QApplication::focusWidget());
    goTo({panes[found->text], static_cast<int>(found->line), static_cast<int>(found->column)},
         fromTheBar ? PaneFocus::Leave : PaneFocus::Take);
}

void FindBar::goTo(const FindHit& hit, PaneFocus focus)
{
    setPane(document_.paneEditor(hit.pane));
    document_.showPaneLine(hit.pane, static_cast<std::size_t>(hit.line), LineSelection{hit.column, needleLength()}, focus);
    sayWhere(hit);
}

// A hit listed before the pane changed is taken only where the needle still stands.
void FindBar::goToHit(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const FindHit hit = hitList_->hits()[static_cast<std::size_t>(index.row())];
    if (!isStillThere(hit)) {
        refreshHits();
        showMessage(QStringLiteral("That hit has changed; the list is up to date again"));
        return;
    }
    goTo(hit, PaneFocus::Take);
}

bool FindBar::isStillThere(const FindHit& hit) const
{
    const QPlainTextEdit& editor = *document_.paneEditor(hit.pane);
    if (static_cast<std::size_t>(hit.line) >= editorLineCount(editor))
        return false;
    const QString text = editor.document()->findBlockByNumber(hit.line).text().mid(hit.column, needleLength());
    return isNeedle(searchedBytes(text), needle(), matchCase());
}

// The selection of the bar's pane as a hit, when it is as long as the needle.
std::optional<FindHit> FindBar::selectedHit() const
{
    const auto pane = document_.paneOf(pane_);
    if (!pane)
        return std::nullopt;
    const QTextCursor cursor = pane_->textCursor();
    if (cursor.selectionEnd() - cursor.selectionStart() != needleLength())
        return std::nullopt;
    const QTextBlock block = pane_->document()->findBlock(cursor.selectionStart());
    return FindHit{*pane, block.blockNumber(), cursor.selectionStart() - block.position()};
}

void FindBar::replaceOne()
{
    if (!pane_)
        return;
    QTextCursor cursor = pane_->textCursor();
    if (isNeedle(searchedBytes(cursor.selectedText()), needle(), matchCase())) {
        cursor.insertText(replacement_->text());
        pane_->setTextCursor(cursor);
    }
    stepFrom(cursorPlace(SelectionEnd::End), SearchDirection::Forward);
}

// Every pane searched is changed as one undo step of its own.
void FindBar::replaceAll()
{
    const std::vector<PaneId> panes = searchedPanes();
    if (panes.empty())
        return;
    BusyWork work(*this);
    const std::string replacement = fieldBytes(replacement_->text());
    qint64 replaced = 0;
    qint64 changedPanes = 0;
    for (PaneId pane : panes) {
        QPlainTextEdit& editor = *document_.paneEditor(pane);
        const PaneChange change{pane, replacingEdits(searchedBytes(paneText(editor)), needle(), matchCase(), replacement), {}, {}};
        if (change.isEmpty())
            continue;
        applyPaneChange(editor, change);
        replaced += static_cast<qint64>(change.edits.size());
        ++changedPanes;
    }
    QString done = QStringLiteral("Replaced ") + countText(replaced);
    if (allPanes_->isChecked())
        done += QStringLiteral(" in %1 %2").arg(countText(changedPanes), changedPanes == 1 ? QStringLiteral("pane") : QStringLiteral("panes"));
    showMessage(replaced == 0 ? QStringLiteral("Not found") : done);
    work.finish(done);
}

void FindBar::markHitsOutdated()
{
    hitsUpToDate_ = false;
    if (isVisible())
        refreshTimer_->start();
}

void FindBar::refreshHits(WorkReport report)
{
    refreshTimer_->stop();
    hitsUpToDate_ = true;
    if (needle_->text().isEmpty()) {
        hitList_->setHits({});
        return;
    }
    if (!allPanes_->isChecked()) {
        hitList_->setHits(hitsIn(searchedPanes()));
        return;
    }
    BusyWork work(*this);
    hitList_->setHits(hitsIn(searchedPanes()));
    if (report == WorkReport::InStatusBar)
        work.finish(QStringLiteral("Found %1 in all panes").arg(hitCountText(hitList_->hits().size())));
}

std::vector<FindHit> FindBar::hitsIn(const std::vector<PaneId>& panes) const
{
    std::vector<FindHit> hits;
    const std::string searched = needle();
    for (PaneId pane : panes) {
        const std::string text = searchedBytes(paneText(*document_.paneEditor(pane)));
        for (const TextMatch& match : findMatches(text, searched, matchCase()))
            hits.push_back({pane, static_cast<int>(match.line), static_cast<int>(match.column)});
    }
    return hits;
}

// "Hit 3 of 12" once the list is up to date, "Found" before; with all panes, and where.
void FindBar::sayWhere(const FindHit& hit)
{
    const QString where = allPanes_->isChecked() ? QStringLiteral(" in ") + captionOf(hit.pane) : QString();
    const int row = hitsUpToDate_ ? hitList_->rowOf(hit) : -1;
    if (row < 0) {
        showMessage(QStringLiteral("Found") + where);
        return;
    }
    hits_->setCurrentIndex(hitList_->index(row));
    showMessage(QStringLiteral("Hit %1 of %2").arg(countText(row + 1), countText(hitList_->rowCount())) + where);
}

// What a fresh list tells: which hit is selected, or how many there are.
void FindBar::sayHitCount()
{
    const std::size_t count = hitList_->hits().size();
    const auto selected = selectedHit();
    if (needle_->text().isEmpty())
        showMessage({});
    else if (selected && hitList_->rowOf(*selected) >= 0)
        sayWhere(*selected);
    else
        showMessage(count == 0 ? QStringLiteral("Not found") : hitCountText(count));
}

} // namespace vexa
