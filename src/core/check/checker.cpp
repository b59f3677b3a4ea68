#include "core/check/checker.h"

#include "core/check/scenario_check.h"

namespace vexa {

std::string_view severityName(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

std::string quoted(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result += '\'';
    result += text;
    result += '\'';
    return result;
}

void Checker::report(const Rule& rule, PaneId pane, std::size_t paneLine, std::string message)
{
    report(rule, rule.severity, pane, paneLine, std::move(message));
}

void Checker::report(const Rule& rule, Severity severity, PaneId pane, std::size_t paneLine, std::string message,
                     std::string_view section)
{
    Finding finding;
    finding.rule = rule.id;
    finding.severity = severity;
    finding.section = section.empty() ? paneHeader(pane) : section;
    finding.pane = pane;
    finding.paneLine = paneLine;
    if (sources_)
        finding.fileLine = sources_->fileLine(pane, paneLine);
    finding.message = std::move(message);
    findings_.push_back(std::move(finding));
}

void Checker::report(const Rule& rule, FieldId field, std::string message)
{
    Finding finding;
    finding.rule = rule.id;
    finding.severity = rule.severity;
    finding.section = infoOf(field).section == Section::Basic ? basicHeader() : mapHeader();
    finding.field = field;
    if (sources_)
        finding.fileLine = sources_->fileLine(field);
    finding.message = std::move(message);
    findings_.push_back(std::move(finding));
}

std::string Checker::lineName(PaneId pane, std::size_t paneLine) const
{
    std::optional<std::size_t> line = paneLine;
    if (sources_)
        line = sources_->fileLine(pane, paneLine);
    return line ? "line " + std::to_string(*line + 1) : "a line the reader added";
}

} // namespace vexa
