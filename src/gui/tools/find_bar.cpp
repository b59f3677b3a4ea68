#include "gui/tools/find_bar.h"

#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/forms/form_widgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>

namespace vexa {

namespace {

constexpr int kPaneRole = Qt::UserRole;
constexpr int kOffsetRole = Qt::UserRole + 1;

QHBoxLayout* row(QVBoxLayout* bar)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    bar->addLayout(layout);
    return layout;
}

} // namespace

FindBar::FindBar(ScenarioView& document, QWidget* parent)
    : QWidget(parent)
    , document_(document)
    , needle_(makeEdit("FindEdit", this))
    , replacement_(makeEdit("ReplaceEdit", this))
    , matchCase_(makeCheckBox("MatchCaseBox", QStringLiteral("Match &case"), this))
    , allPanes_(makeCheckBox("AllPanesBox", QStringLiteral("In &all panes"), this))
    , message_(new QLabel(this))
    , replaceRow_(new QWidget(this))
    , hits_(new QListWidget(this))
{
    setObjectName(QStringLiteral("FindBar"));
    message_->setObjectName(QStringLiteral("FindMessage"));
    hits_->setObjectName(QStringLiteral("FindHits"));
    hits_->setUniformItemSizes(true);
    hits_->hide();

    auto* bar = new QVBoxLayout(this);
    bar->setContentsMargins(4, 2, 4, 2);
    QHBoxLayout* findRow = row(bar);
    findRow->addWidget(makeFieldLabel(QStringLiteral("&Find:"), needle_));
    findRow->addWidget(needle_, 1);
    auto* previous = makeButton("FindPreviousButton", QStringLiteral("&Previous"), this);
    auto* next = makeButton("FindNextButton", QStringLiteral("&Next"), this);
    auto* close = makeButton("FindCloseButton", QStringLiteral("Close"), this);
    for (QWidget* widget : std::initializer_list<QWidget*>{previous, next, matchCase_, allPanes_, message_, close})
        findRow->addWidget(widget);

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
    connect(needle_, &QLineEdit::returnPressed, this, [this] { allPanes_->isChecked() ? listAllHits() : findNext(); });
    connect(matchCase_, &QCheckBox::toggled, this, &FindBar::searchAsTyped);
    connect(allPanes_, &QCheckBox::toggled, this, [this](bool all) {
        hits_->setVisible(all);
        hits_->clear();
        searchAsTyped();
    });
    connect(previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(close, &QPushButton::clicked, this, &FindBar::closeBar);
    connect(replace, &QPushButton::clicked, this, &FindBar::replaceOne);
    connect(replaceAllButton, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(hits_, &QListWidget::itemClicked, this, &FindBar::goToHit);
    connect(hits_, &QListWidget::itemActivated, this, &FindBar::goToHit);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::closeBar);
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
    pane_ = pane;
    const QString selected = pane ? pane->textCursor().selectedText() : QString();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator) && encodeText(selected))
        needle_->setText(selected);
    replaceRow_->setVisible(withReplace);
    message_->clear();
    show();
    needle_->setFocus();
    needle_->selectAll();
}

void FindBar::closeBar()
{
    hide();
    if (pane_)
        pane_->setFocus();
}

int FindBar::needleLength() const
{
    return static_cast<int>(needle_->text().size());
}

// A character no file can hold becomes a line break, which no needle holds, so it never
// matches; every character keeps its place.
std::vector<TextMatch> FindBar::matchesIn(const QPlainTextEdit& pane) const
{
    const std::string text = encodeTextReplacing(paneText(pane), '\n');
    return findMatches(text, fieldBytes(needle_->text()), matchCase_->isChecked() ? MatchCase::Exact : MatchCase::Ignore);
}

void FindBar::showMessage(const QString& text)
{
    message_->setText(text);
}

void FindBar::searchAsTyped()
{
    if (allPanes_->isChecked())
        listAllHits();
    else if (pane_)
        searchFrom(pane_->textCursor().selectionStart(), Direction::Forward);
}

void FindBar::findNext()
{
    if (pane_)
        searchFrom(pane_->textCursor().selectionEnd(), Direction::Forward);
}

void FindBar::findPrevious()
{
    if (pane_)
        searchFrom(pane_->textCursor().selectionStart(), Direction::Backward);
}

// Forward finds the first hit at or after the position, backward the last one before
// it; both go round the end of the pane.
void FindBar::searchFrom(int position, Direction direction)
{
    const std::vector<TextMatch> matches = matchesIn(*pane_);
    if (matches.empty()) {
        showMessage(needle_->text().isEmpty() ? QString() : QStringLiteral("Not found"));
        return;
    }
    const auto at = static_cast<std::size_t>(position);
    auto byOffset = [](const TextMatch& match, std::size_t offset) { return match.offset < offset; };
    auto found = std::lower_bound(matches.begin(), matches.end(), at, byOffset);
    if (direction == Direction::Forward) {
        if (found == matches.end())
            found = matches.begin();
    } else {
        found = found == matches.begin() ? matches.end() - 1 : found - 1;
    }
    select(*pane_, static_cast<int>(found->offset), PaneFocus::Leave);
    showMessage(QStringLiteral("Hit %1 of %2").arg(found - matches.begin() + 1).arg(matches.size()));
}

void FindBar::select(const QPlainTextEdit& pane, int position, PaneFocus focus)
{
    const auto id = document_.paneOf(&pane);
    const QTextBlock block = pane.document()->findBlock(position);
    if (id && block.isValid()) {
        document_.showPaneLine(*id, static_cast<std::size_t>(block.blockNumber()),
                               LineSelection{position - block.position(), needleLength()}, focus);
    }
}

bool FindBar::selectionIsAMatch() const
{
    const QTextCursor cursor = pane_->textCursor();
    if (!cursor.hasSelection())
        return false;
    const std::vector<TextMatch> matches = matchesIn(*pane_);
    return std::any_of(matches.begin(), matches.end(), [&](const TextMatch& match) {
        return static_cast<int>(match.offset) == cursor.selectionStart() &&
               cursor.selectionEnd() - cursor.selectionStart() == needleLength();
    });
}

void FindBar::replaceOne()
{
    if (!pane_)
        return;
    if (selectionIsAMatch())
        pane_->textCursor().insertText(replacement_->text());
    findNext();
}

// Replaced from the last hit to the first, so every earlier offset stays where it was;
// one edit block makes it one undo step.
void FindBar::replaceAll()
{
    if (!pane_)
        return;
    const std::vector<TextMatch> matches = matchesIn(*pane_);
    QTextCursor cursor(pane_->document());
    cursor.beginEditBlock();
    for (auto match = matches.rbegin(); match != matches.rend(); ++match) {
        cursor.setPosition(static_cast<int>(match->offset));
        cursor.setPosition(static_cast<int>(match->offset) + needleLength(), QTextCursor::KeepAnchor);
        cursor.insertText(replacement_->text());
    }
    cursor.endEditBlock();
    showMessage(matches.empty() ? QStringLiteral("Not found") : QStringLiteral("Replaced %1").arg(matches.size()));
}

void FindBar::listAllHits()
{
    hits_->clear();
    int total = 0;
    for (const TabInfo& tab : kTabs) {
        if (tab.content != TabContent::Pane)
            continue;
        const QPlainTextEdit& pane = *document_.paneEditor(tab.pane);
        const QString caption = QString::fromLatin1(tab.caption.data(), static_cast<qsizetype>(tab.caption.size()));
        for (const TextMatch& match : matchesIn(pane)) {
            const QTextBlock block = pane.document()->findBlock(static_cast<int>(match.offset));
            auto* item = new QListWidgetItem(QStringLiteral("%1  %2: %3").arg(caption).arg(block.blockNumber()).arg(block.text()));
            item->setData(kPaneRole, static_cast<int>(index(tab.pane)));
            item->setData(kOffsetRole, static_cast<int>(match.offset));
            hits_->addItem(item);
            ++total;
        }
    }
    showMessage(total == 0 ? (needle_->text().isEmpty() ? QString() : QStringLiteral("Not found"))
                           : QStringLiteral("%1 hits").arg(total));
}

void FindBar::goToHit(QListWidgetItem* item)
{
    QPlainTextEdit* pane = document_.paneEditor(static_cast<PaneId>(item->data(kPaneRole).toInt()));
    pane_ = pane;
    select(*pane, item->data(kOffsetRole).toInt(), PaneFocus::Take);
}

} // namespace vexa
