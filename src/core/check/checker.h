#pragma once

#include "core/check/body_line.h"
#include "core/check/finding.h"
#include "core/document/scenario.h"
#include "core/document/source_lines.h"

#include <string>
#include <vector>

namespace vexa {

struct Rule;

// What a rule works with: the scenario, and where its findings go.
class Checker {
public:
    Checker(const Scenario& scenario, const SourceLines* sources) : scenario_(scenario), sources_(sources) {}

    const Scenario& scenario() const { return scenario_; }

    // A finding on a pane line; the section is the pane's header unless given.
    void report(const Rule& rule, PaneId pane, std::size_t paneLine, std::string message);
    void report(const Rule& rule, Severity severity, PaneId pane, std::size_t paneLine, std::string message,
                std::string_view section = {});
    // A finding on a field of [Basic] or [Map].
    void report(const Rule& rule, FieldId field, std::string message);

    // "line 12": the file line where known, else the line of the pane, counted from 1.
    std::string lineName(PaneId pane, std::size_t paneLine) const;

    // Calls visit(paneLine, bodyLine) for every line of a section pane.
    template <typename Visit>
    void forEachLine(PaneId pane, Visit&& visit) const
    {
        const MemoryPane& lines = scenario_.pane(pane);
        for (std::size_t i = 0; i < lines.lineCount(); ++i)
            visit(i, readBodyLine(lines.lineView(i)));
    }

    std::vector<Finding> take() { return std::move(findings_); }

private:
    const Scenario& scenario_;
    const SourceLines* sources_;
    std::vector<Finding> findings_;
};

// Quoted for a message: 'value'.
std::string quoted(std::string_view text);

} // namespace vexa
