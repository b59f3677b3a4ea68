#pragma once

#include "core/check/finding.h"
#include "core/document/scenario.h"
#include "core/document/source_lines.h"

#include <span>
#include <string_view>
#include <vector>

namespace vexa {

class Checker;
struct LineAt;
struct Rule;
// A rule looks at each line of the section panes as the check passes it (every line is
// read once for all rules), and at the scenario as a whole once.
using LineRule = void (*)(const Rule& rule, Checker& checker, const LineAt& line);
using ScenarioRule = void (*)(const Rule& rule, Checker& checker);

// One row of the rule table: a new rule is a row and its function(s).
struct Rule {
    std::string_view id;
    Severity severity;             // of its findings (off-map finds warnings too, see its text)
    std::string_view explanation;  // one sentence for the help and the panel
    LineRule onLine = nullptr;
    ScenarioRule onScenario = nullptr;
};

std::span<const Rule> checkRules();
const Rule* findRule(std::string_view id);

// Every finding of every rule, ordered by place: [Basic]/[Map] fields first, then the
// panes in their order, each by line. With sources (from the reader), findings also
// carry the file line. The scenario is only read.
std::vector<Finding> checkScenario(const Scenario& scenario, const SourceLines* sources = nullptr);

} // namespace vexa
