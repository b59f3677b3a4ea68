#pragma once

#include "core/check/finding.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QSortFilterProxyModel>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace vexa {

// The findings of one check as a table: a row per finding, in the check's order.
class FindingsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { SeverityColumn, SectionColumn, LineColumn, MessageColumn, RuleColumn, ColumnCount };

    explicit FindingsModel(QObject* parent = nullptr);

    void setFindings(std::vector<Finding> findings);
    const std::vector<Finding>& findings() const { return findings_; }
    const Finding& finding(int row) const { return findings_[static_cast<std::size_t>(row)]; }
    // The row of a finding equal to the one given, or -1.
    int rowOf(const Finding& finding) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Finding> findings_;
    std::array<QIcon, 2> severityIcons_;
};

// How many findings of each severity the filter shows and hides.
struct FindingCounts {
    std::array<int, 2> shown{};   // by severity
    std::array<int, 2> hidden{};

    int shownTotal() const { return shown[0] + shown[1]; }
    int hiddenTotal() const { return hidden[0] + hidden[1]; }
};

// The list as the user arranges it: sorted on a column (the check's order among equals)
// and filtered by severity and rule.
class FindingsFilter final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FindingsFilter(FindingsModel& findings, QObject* parent = nullptr);

    void setSeverityShown(Severity severity, bool shown);
    bool isSeverityShown(Severity severity) const;
    void setRuleShown(std::string_view rule, bool shown);
    bool isRuleShown(std::string_view rule) const;
    bool isShown(const Finding& finding) const;

    FindingCounts counts() const;
    const Finding& finding(const QModelIndex& index) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    FindingsModel& findings_;
    std::array<bool, 2> severities_{true, true};
    std::set<std::string, std::less<>> hiddenRules_;
};

} // namespace vexa
