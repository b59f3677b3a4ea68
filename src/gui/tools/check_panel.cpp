#include "gui/tools/check_panel.h"

#include "core/check/scenario_check.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vexa {

namespace {

enum Column { SeverityColumn, SectionColumn, LineColumn, MessageColumn, RuleColumn };
// Where an item's finding stands: its pane (or -1) and line, or its [Basic]/[Map] field (or -1).
constexpr int kPaneRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;
constexpr int kFieldRole = Qt::UserRole + 2;

QString summaryText(const std::vector<Finding>& findings)
{
    if (findings.empty())
        return QStringLiteral("No findings: the check found nothing the game would punish.");
    const auto errors = std::count_if(findings.begin(), findings.end(),
                                      [](const Finding& f) { return f.severity == Severity::Error; });
    return QStringLiteral("%1 errors, %2 warnings. Double-click a finding to go to its line.")
        .arg(errors)
        .arg(static_cast<qsizetype>(findings.size()) - errors);
}

QTreeWidgetItem* itemFor(const Finding& finding)
{
    auto* item = new QTreeWidgetItem;
    item->setText(SeverityColumn, decodeText(severityName(finding.severity)));
    item->setText(SectionColumn, decodeText(finding.section));
    // The line as the gutter numbers it.
    if (finding.paneLine)
        item->setText(LineColumn, QString::number(*finding.paneLine));
    item->setText(MessageColumn, decodeText(finding.message));
    item->setText(RuleColumn, decodeText(finding.rule));
    item->setData(0, kPaneRole, finding.pane ? static_cast<int>(index(*finding.pane)) : -1);
    item->setData(0, kLineRole, static_cast<qulonglong>(finding.paneLine.value_or(0)));
    item->setData(0, kFieldRole, finding.field ? static_cast<int>(index(*finding.field)) : -1);
    return item;
}

} // namespace

CheckPanel::CheckPanel(ScenarioView& document, QWidget* parent)
    : QDockWidget(QStringLiteral("Check results"), parent)
    , document_(document)
    , summary_(new QLabel(this))
    , list_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("CheckPanel"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    summary_->setObjectName(QStringLiteral("CheckSummary"));
    list_->setObjectName(QStringLiteral("CheckFindings"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({QStringLiteral("Severity"), QStringLiteral("Section"), QStringLiteral("Line"),
                            QStringLiteral("Message"), QStringLiteral("Rule")});
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    connect(list_, &QTreeWidget::itemActivated, this, &CheckPanel::goTo);

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    setWidget(content);
}

void CheckPanel::runCheck()
{
    const auto snapshot = document_.snapshot();
    if (const auto* unsavable = std::get_if<UnsavableText>(&snapshot)) {
        list_->clear();
        summary_->setText(QStringLiteral("Nothing was checked. ") + unsavable->message);
    } else {
        showFindings(checkScenario(std::get<Scenario>(snapshot)));
    }
    show();
    raise();
}

void CheckPanel::showFindings(const std::vector<Finding>& findings)
{
    list_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(findings.size()));
    for (const Finding& finding : findings)
        items.append(itemFor(finding));
    list_->addTopLevelItems(items);
    summary_->setText(summaryText(findings));
    if (!items.isEmpty())
        list_->setCurrentItem(items.front());
}

void CheckPanel::goTo(QTreeWidgetItem* item)
{
    const int pane = item->data(0, kPaneRole).toInt();
    if (pane >= 0) {
        document_.showPaneLine(static_cast<PaneId>(pane), item->data(0, kLineRole).toULongLong());
        return;
    }
    const int field = item->data(0, kFieldRole).toInt();
    if (field >= 0)
        document_.showField(static_cast<FieldId>(field));
}

} // namespace vexa
