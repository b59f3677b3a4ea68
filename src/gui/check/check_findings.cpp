#include "gui/check/check_findings.h"

#include "core/check/scenario_check.h"
#include "gui/document/text_codec.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>

namespace vexa {

namespace {

std::size_t severityIndex(Severity severity)
{
    return static_cast<std::size_t>(severity);
}

// Orders two values of a column: -1, 0 or 1.
template <typename T>
int compare(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareOn(int column, const Finding& a, const Finding& b)
{
    switch (column) {
    case FindingsModel::SeverityColumn:
        return compare(a.severity, b.severity);
    case FindingsModel::SectionColumn:
        return compare(a.section, b.section);
    case FindingsModel::LineColumn:
        // A field has no line: fields come before every line, as the check lists them.
        return compare(a.paneLine, b.paneLine);
    case FindingsModel::MessageColumn:
        return compare(a.message, b.message);
    case FindingsModel::RuleColumn:
        return compare(a.rule, b.rule);
    default:
        return 0;
    }
}

} // namespace

// ---- FindingsModel

FindingsModel::FindingsModel(QObject* parent)
    : QAbstractTableModel(parent)
    , severityIcons_{QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical),
                     QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)}
{
}

void FindingsModel::setFindings(std::vector<Finding> findings)
{
    beginResetModel();
    findings_ = std::move(findings);
    endResetModel();
}

int FindingsModel::rowOf(const Finding& finding) const
{
    const auto found = std::find(findings_.begin(), findings_.end(), finding);
    return found == findings_.end() ? -1 : static_cast<int>(found - findings_.begin());
}

int FindingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(findings_.size());
}

int FindingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindingsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Finding& shown = finding(index.row());
    if (role == Qt::DecorationRole && index.column() == SeverityColumn)
        return severityIcons_[severityIndex(shown.severity)];
    if (role == Qt::ToolTipRole && index.column() == RuleColumn) {
        const Rule* rule = findRule(shown.rule);
        return rule ? decodeText(rule->explanation) : QVariant();
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case SeverityColumn:
        return decodeText(severityName(shown.severity));
    case SectionColumn:
        return decodeText(shown.section);
    case LineColumn:
        // The line as the gutter numbers it.
        return shown.paneLine ? QVariant(QString::number(*shown.paneLine)) : QVariant();
    case MessageColumn:
        return decodeText(shown.message);
    case RuleColumn:
        return decodeText(shown.rule);
    default:
        return {};
    }
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const std::array<const char*, ColumnCount> kTitles = {"Severity", "Section", "Line", "Message", "Rule"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromLatin1(kTitles[static_cast<std::size_t>(section)]);
}

// ---- FindingsFilter

FindingsFilter::FindingsFilter(FindingsModel& findings, QObject* parent)
    : QSortFilterProxyModel(parent)
    , findings_(findings)
{
    setSourceModel(&findings);
}

void FindingsFilter::setSeverityShown(Severity severity, bool shown)
{
    severities_[severityIndex(severity)] = shown;
    invalidateRowsFilter();
}

bool FindingsFilter::isSeverityShown(Severity severity) const
{
    return severities_[severityIndex(severity)];
}

void FindingsFilter::setRuleShown(std::string_view rule, bool shown)
{
    if (shown) {
        if (const auto found = hiddenRules_.find(rule); found != hiddenRules_.end())
            hiddenRules_.erase(found);
    } else {
        hiddenRules_.emplace(rule);
    }
    invalidateRowsFilter();
}

bool FindingsFilter::isRuleShown(std::string_view rule) const
{
    return !hiddenRules_.contains(rule);
}

bool FindingsFilter::isShown(const Finding& finding) const
{
    return isSeverityShown(finding.severity) && isRuleShown(finding.rule);
}

FindingCounts FindingsFilter::counts() const
{
    FindingCounts counts;
    for (const Finding& finding : findings_.findings())
        ++(isShown(finding) ? counts.shown : counts.hidden)[severityIndex(finding.severity)];
    return counts;
}

const Finding& FindingsFilter::finding(const QModelIndex& index) const
{
    return findings_.finding(mapToSource(index).row());
}

bool FindingsFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return isShown(findings_.finding(sourceRow));
}

// Rows equal in the column keep the check's order, whichever way the column sorts: the
// list's order before a sort is that of the column sorted last, not the check's.
bool FindingsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (const int order = compareOn(left.column(), findings_.finding(left.row()), findings_.finding(right.row())))
        return order < 0;
    return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
}

} // namespace vexa
