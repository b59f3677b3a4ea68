#include "gui/check/check_panel.h"

#include "core/check/quick_fixes.h"
#include "core/check/scenario_check.h"
#include "core/document/writer.h"
#include "gui/desktop/busy_work.h"
#include "gui/document/pane_changes.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/check/check_findings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace vexa {

namespace {

// Typing in a pane checks again only once the typing pauses this long, as the map redraws.
constexpr int kTypingPauseMs = 250;

// A change in the widget that has the keyboard focus is the user's typing there (or a
// paste or undo of theirs); any other change comes from a command: a Create dialog,
// Replace all, a quick fix.
bool isTyping(const QWidget& where)
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == &where || where.isAncestorOf(focus) || focus->isAncestorOf(&where));
}

QString counted(qint64 count, const char* what)
{
    return QStringLiteral("%1 %2%3").arg(countText(count), QLatin1String(what), count == 1 ? QString() : QStringLiteral("s"));
}

QString severityCounts(const std::array<int, 2>& bySeverity)
{
    return counted(bySeverity[static_cast<std::size_t>(Severity::Error)], "error") + QStringLiteral(", ") +
           counted(bySeverity[static_cast<std::size_t>(Severity::Warning)], "warning");
}

QString countsText(const FindingCounts& counts)
{
    if (counts.shownTotal() + counts.hiddenTotal() == 0)
        return QStringLiteral("No findings: the check found nothing the game would punish.");
    if (counts.hiddenTotal() == 0)
        return severityCounts(counts.shown) + QStringLiteral(". Double-click a finding to go to its line.");
    return QStringLiteral("Shown: %1. Hidden by the filter: %2.")
        .arg(severityCounts(counts.shown), severityCounts(counts.hidden));
}

// The status bar's word on a check: the lines of the file as Save would write it.
QString checkedText(const Scenario& checked, std::size_t findingCount)
{
    return QStringLiteral("Checked %1 lines: %2")
        .arg(countText(static_cast<qint64>(writtenLineCount(checked))), counted(static_cast<qint64>(findingCount), "finding"));
}

} // namespace

CheckPanel::CheckPanel(ScenarioView& document, QWidget* parent)
    : QDockWidget(QStringLiteral("Check results"), parent)
    , document_(document)
    , model_(new FindingsModel(this))
    , filter_(new FindingsFilter(*model_, this))
    , summary_(new QLabel(this))
    , list_(new QTreeView(this))
    , fixAction_(new QAction(this))
    , checkTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("CheckPanel"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    summary_->setObjectName(QStringLiteral("CheckSummary"));
    summary_->setWordWrap(true);

    list_->setObjectName(QStringLiteral("CheckFindings"));
    list_->setModel(filter_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(FindingsModel::MessageColumn, QHeaderView::Stretch);
    // Unsorted until a column is clicked: the check's order, by place.
    list_->header()->setSortIndicator(-1, Qt::AscendingOrder);
    list_->setSortingEnabled(true);
    connect(list_, &QTreeView::activated, this, &CheckPanel::goTo);
    connect(list_, &QTreeView::customContextMenuRequested, this, &CheckPanel::showContextMenu);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, &CheckPanel::selectionChanged);

    // The button shows "Fix"; the context menu shows what the fix does.
    fixAction_->setObjectName(QStringLiteral("CheckFixAction"));
    fixAction_->setIconText(QStringLiteral("Fix"));
    connect(fixAction_, &QAction::triggered, this, &CheckPanel::fixSelected);
    auto* fixButton = new QToolButton(this);
    fixButton->setObjectName(QStringLiteral("CheckFix"));
    fixButton->setDefaultAction(fixAction_);
    fixButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(makeFilterBar());
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(fixButton);
    buttons->addStretch(1);
    body->addLayout(buttons);
    layout->addLayout(body, 1);
    setWidget(content);

    checkTimer_->setSingleShot(true);
    connect(checkTimer_, &QTimer::timeout, this, [this] { checkNow(WorkReport::Silent); });
    followDocument();
    selectionChanged();
}

// A check still running is waited for; what it found goes with the panel.
CheckPanel::~CheckPanel()
{
    if (background_.joinable())
        background_.join();
}

QWidget* CheckPanel::makeFilterBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(summary_, 1);
    for (const auto& [severity, caption, name] : {std::tuple{Severity::Error, "Errors", "ShowErrors"},
                                                  std::tuple{Severity::Warning, "Warnings", "ShowWarnings"}}) {
        auto* box = new QCheckBox(QLatin1String(caption), bar);
        box->setObjectName(QLatin1String(name));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this, severity = severity](bool shown) {
            filter_->setSeverityShown(severity, shown);
            filterChanged();
        });
        row->addWidget(box);
    }
    row->addWidget(makeRuleChooser());
    return bar;
}

// A drop-down list of the rules, each with a check mark when its findings are shown.
QPushButton* CheckPanel::makeRuleChooser()
{
    ruleChooser_ = new QPushButton(this);
    ruleChooser_->setObjectName(QStringLiteral("CheckRules"));
    auto* menu = new QMenu(ruleChooser_);
    menu->setToolTipsVisible(true);
    QAction* all = menu->addAction(QStringLiteral("Show all rules"));
    all->setObjectName(QStringLiteral("AllRules"));
    menu->addSeparator();
    for (const Rule& rule : checkRules()) {
        QAction* entry = menu->addAction(decodeText(rule.id));
        entry->setObjectName(decodeText(rule.id));
        entry->setToolTip(decodeText(rule.explanation));
        entry->setCheckable(true);
        entry->setChecked(true);
        connect(entry, &QAction::toggled, this, [this, id = rule.id](bool shown) {
            filter_->setRuleShown(id, shown);
            filterChanged();
        });
        connect(all, &QAction::triggered, entry, [entry] { entry->setChecked(true); });
    }
    ruleChooser_->setMenu(menu);
    filterChanged();
    return ruleChooser_;
}

// Each pane and field reports its changes; load() reports that everything was replaced.
void CheckPanel::followDocument()
{
    for (const TabInfo& tab : kTabs) {
        if (tab.content != TabContent::Pane)
            continue;
        QPlainTextEdit* editor = document_.paneEditor(tab.pane);
        connect(editor->document(), &QTextDocument::contentsChange, this, [this, editor] { documentChanged(*editor); });
    }
    for (const FieldInfo& field : kFields) {
        QLineEdit* edit = document_.fieldEdit(field.id);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { documentChanged(*edit); });
    }
    connect(&document_, &ScenarioView::replaced, this, [this] {
        checkTimer_->stop();
        if (isVisible())
            checkInBackground();
        else
            outOfDate_ = true;
    });
}

void CheckPanel::documentChanged(const QWidget& where)
{
    ++ticket_;
    // A hidden panel checks nothing; showing it checks.
    if (!isVisible()) {
        outOfDate_ = true;
        return;
    }
    // A command's check runs once the command is over, however many panes it changed;
    // each keystroke puts the typing's check off again.
    if (!isTyping(where))
        checkTimer_->start(0);
    else if (slow_)
        markOutOfDate();
    else
        checkTimer_->start(kTypingPauseMs);
}

void CheckPanel::markOutOfDate()
{
    if (outOfDate_)
        return;
    outOfDate_ = true;
    updateSummary();
}

void CheckPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    if (outOfDate_ && !checkingInBackground_)
        checkNow(WorkReport::Silent);
}

void CheckPanel::runCheck()
{
    checkNow(WorkReport::InStatusBar);
}

// A check that follows a change is no command of the user's: it leaves the status bar to
// the last command.
void CheckPanel::checkNow(WorkReport report)
{
    BusyWork work(*this);
    checkTimer_->stop();
    ++ticket_;
    checkingInBackground_ = false;
    checkAgainInBackground_ = false;
    const auto started = std::chrono::steady_clock::now();
    auto snapshot = document_.snapshot();
    if (const auto* unsavable = std::get_if<UnsavableText>(&snapshot)) {
        showUncheckable(*unsavable);
    } else {
        auto& scenario = std::get<Scenario>(snapshot);
        std::vector<Finding> findings = checkScenario(scenario);
        if (report == WorkReport::InStatusBar)
            work.finish(checkedText(scenario, findings.size()));
        showChecked(std::move(scenario), std::move(findings), std::chrono::steady_clock::now() - started);
    }
    if (!isVisible()) {
        show();
        raise();
    }
}

// The document's text is taken here; making it bytes and checking it run on a thread of
// their own. One check runs at a time: a document replaced again meanwhile is checked
// once the running check is over.
void CheckPanel::checkInBackground()
{
    ++ticket_;
    outOfDate_ = true;
    checkingInBackground_ = true;
    checked_.reset();
    uncheckable_.clear();
    notice_.clear();
    setFindings({}, std::nullopt);
    updateSummary();
    if (background_.joinable()) {
        checkAgainInBackground_ = true;
        return;
    }
    background_ = std::thread([this, ticket = ticket_, text = document_.text()] {
        const auto started = std::chrono::steady_clock::now();
        BackgroundCheck done{ticket, scenarioOf(text), {}, {}};
        if (const auto* scenario = std::get_if<Scenario>(&done.checked))
            done.findings = checkScenario(*scenario);
        done.took = std::chrono::steady_clock::now() - started;
        QMetaObject::invokeMethod(
            this, [this, done = std::move(done)]() mutable { takeBackgroundCheck(std::move(done)); },
            Qt::QueuedConnection);
    });
}

void CheckPanel::takeBackgroundCheck(BackgroundCheck done)
{
    background_.join();
    if (done.ticket == ticket_) {
        if (auto* scenario = std::get_if<Scenario>(&done.checked))
            showChecked(std::move(*scenario), std::move(done.findings), done.took);
        else
            showUncheckable(std::get<UnsavableText>(done.checked));
        return;
    }
    checkingInBackground_ = false;
    if (checkAgainInBackground_) {
        checkAgainInBackground_ = false;
        checkInBackground();
        return;
    }
    updateSummary();
}

void CheckPanel::showUncheckable(const UnsavableText& why)
{
    showCheck(std::nullopt, QStringLiteral("Nothing was checked. ") + why.message + QLatin1Char('.'), {}, std::nullopt);
}

// The finding that was selected stays selected when the check finds it again.
void CheckPanel::showChecked(Scenario checked, std::vector<Finding> findings, std::chrono::steady_clock::duration took)
{
    slow_ = took > typingBudget_;
    showCheck(std::move(checked), {}, std::move(findings), selectedFinding());
}

// A check is over: the panel shows what it read (or why it could not) and is up to date.
void CheckPanel::showCheck(std::optional<Scenario> checked, QString uncheckable, std::vector<Finding> findings,
                           std::optional<Finding> keepSelected)
{
    checked_ = std::move(checked);
    uncheckable_ = std::move(uncheckable);
    notice_.clear();
    outOfDate_ = false;
    checkingInBackground_ = false;
    setFindings(std::move(findings), keepSelected);
    updateSummary();
}

void CheckPanel::showFindings(const std::vector<Finding>& findings)
{
    checked_.reset();
    uncheckable_.clear();
    notice_.clear();
    outOfDate_ = false;
    setFindings(findings, std::nullopt);
    updateSummary();
}

void CheckPanel::setFindings(std::vector<Finding> findings, std::optional<Finding> keepSelected)
{
    model_->setFindings(std::move(findings));
    QModelIndex current;
    if (keepSelected) {
        if (const int row = model_->rowOf(*keepSelected); row >= 0)
            current = filter_->mapFromSource(model_->index(row, 0));
    }
    if (!current.isValid())
        current = filter_->index(0, 0);
    list_->setCurrentIndex(current);
    if (current.isValid())
        list_->scrollTo(current);
    selectionChanged();
}

std::optional<Finding> CheckPanel::selectedFinding() const
{
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return filter_->finding(current);
}

// Offers the quick fix of the selected finding, as the last check saw the document.
void CheckPanel::selectionChanged()
{
    const std::optional<Finding> selected = selectedFinding();
    std::optional<std::string> fix;
    if (selected && checked_)
        fix = quickFixTitle(*selected, *checked_);
    fixAction_->setEnabled(fix.has_value());
    fixAction_->setText(fix ? decodeText(*fix) : QStringLiteral("No quick fix for this finding"));
}

void CheckPanel::filterChanged()
{
    int shownRules = 0;
    for (const Rule& rule : checkRules())
        shownRules += filter_->isRuleShown(rule.id) ? 1 : 0;
    const auto allRules = static_cast<int>(checkRules().size());
    ruleChooser_->setText(shownRules == allRules ? QStringLiteral("Rules: all")
                                                 : QStringLiteral("Rules: %1 of %2").arg(countText(shownRules), countText(allRules)));
    updateSummary();
    selectionChanged();
}

void CheckPanel::goTo(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const Finding& finding = filter_->finding(index);
    // A finding on a whole section (a pack of the wrong size) opens its tab at the top.
    if (finding.pane)
        document_.showPaneLine(*finding.pane, finding.paneLine.value_or(0));
    else if (finding.field)
        document_.showField(*finding.field);
}

void CheckPanel::showContextMenu(const QPoint& at)
{
    const QModelIndex index = list_->indexAt(at);
    if (!index.isValid())
        return;
    list_->setCurrentIndex(index);
    const bool onField = !filter_->finding(index).pane;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("CheckFindingMenu"));
    connect(menu.addAction(onField ? QStringLiteral("Go to field") : QStringLiteral("Go to line")), &QAction::triggered,
            this, [this] { goTo(list_->currentIndex()); });
    menu.addSeparator();
    menu.addAction(fixAction_);
    menu.exec(list_->viewport()->mapToGlobal(at));
}

// The fix is worked out on the document as it stands, for the finding as the document
// still has it: a finding the document no longer has (typed away, or moved to another
// line) is refused.
void CheckPanel::fixSelected()
{
    const std::optional<Finding> selected = selectedFinding();
    if (!selected)
        return;
    BusyWork work(*this);
    const auto snapshot = document_.snapshot();
    if (const auto* unsavable = std::get_if<UnsavableText>(&snapshot)) {
        refuseFix(QStringLiteral("Nothing was fixed: ") + unsavable->message + QLatin1Char('.'));
        return;
    }
    const Scenario& now = std::get<Scenario>(snapshot);
    const std::vector<Finding> current = checkScenario(now);
    if (std::find(current.begin(), current.end(), *selected) == current.end()) {
        refuseFix(QStringLiteral("Nothing was fixed: the document no longer has this finding (F7 checks again)."));
        return;
    }
    const std::optional<QuickFix> fix = quickFixFor(*selected, now);
    if (!fix) {
        refuseFix(QStringLiteral("Nothing was fixed: this finding has no quick fix."));
        return;
    }
    for (const PaneChange& change : fix->changes)
        applyPaneChange(*document_.paneEditor(change.pane), change);
    checkNow(WorkReport::Silent);
    work.finish(QStringLiteral("Fixed: ") + decodeText(fix->title));
}

void CheckPanel::refuseFix(const QString& why)
{
    notice_ = why;
    updateSummary();
}

void CheckPanel::updateSummary()
{
    if (checkingInBackground_) {
        summary_->setText(QStringLiteral("Checking the document..."));
        return;
    }
    QString text = notice_.isEmpty() ? QString() : notice_ + QLatin1Char(' ');
    if (outOfDate_)
        text += QStringLiteral("Out of date: the document changed since this check (F7 checks again). ");
    text += uncheckable_.isEmpty() ? countsText(filter_->counts()) : uncheckable_;
    summary_->setText(text);
}

} // namespace vexa
