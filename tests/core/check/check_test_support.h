#pragma once

#include "core/check/scenario_check.h"
#include "core/document/reader.h"
#include "core/document/source_lines.h"

#include <string>
#include <vector>

namespace vexa::test {

// The findings of the check of a file's bytes, with the file's lines.
inline std::vector<Finding> checkFile(const std::string& bytes)
{
    SourceLines sources;
    const Scenario scenario = readScenario(bytes, &sources);
    return checkScenario(scenario, &sources);
}

// "rule@LINE" for each finding, LINE the file line counted from 1.
inline std::vector<std::string> found(const std::string& bytes)
{
    std::vector<std::string> result;
    for (const Finding& finding : checkFile(bytes))
        result.push_back(std::string(finding.rule) + "@" + (finding.fileLine ? std::to_string(*finding.fileLine + 1) : "?"));
    return result;
}

} // namespace vexa::test
