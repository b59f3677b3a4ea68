// Delete with references and reading a line back into its composer, each beside the
// scenario check, on a generated scenario of 10,000 triggers and 10,000 team types that
// refer to each other throughout.
#include "script_edits_bench.h"

#include "bench_support.h"

#include "core/check/scenario_check.h"
#include "core/document/reader.h"
#include "core/scripting/composer_reading.h"
#include "core/scripting/script_renumbering.h"

#include <cstdio>
#include <string>

namespace vexa::bench {

namespace {

constexpr int kScriptCount = 10'000;

// Trigger i reinforces team type i at waypoint i % 100 and forces trigger i + 1; team type
// i has trigger i attached and moves to waypoint i % 100.
std::string scriptsScenario()
{
    std::string bytes = "[Waypoints]\r\n";
    for (int w = 0; w < 100; ++w)
        bytes += std::to_string(w) + "=" + std::to_string(w * 129) + "\r\n";
    bytes += "[CellTriggers]\r\n";
    for (int cell = 0; cell < 1000; ++cell)
        bytes += std::to_string(cell) + "=t" + std::to_string(cell * 7) + "\r\n";
    bytes += "[Trigs]\r\n";
    for (int i = 0; i < kScriptCount; ++i) {
        const std::string n = std::to_string(i);
        bytes += "t" + n + "=0,2,0,1,7,-1,-1,0,-1,-1,7," + n + ",-1," + std::to_string(i % 100) + ",22,-1,"
            + std::to_string((i + 1) % kScriptCount) + ",-1\r\n";
    }
    bytes += "[TeamTypes]\r\n";
    for (int i = 0; i < kScriptCount; ++i) {
        bytes += "tt" + std::to_string(i) + "=2,0,0,0,0,-1," + std::to_string(i) + ",2,E1:5,3TNK:1,1,3:"
            + std::to_string(i % 100) + "\r\n";
    }
    return bytes;
}

} // namespace

void benchScriptEdits()
{
    const Scenario scenario = readScenario(scriptsScenario());
    const auto check = [&] { checkScenario(scenario); };

    // The whole command as the editor runs it on the panes: read the references, plan,
    // make the changes; the first trigger, so every other index moves.
    const auto deleteFirst = [&] {
        const ScriptIndex index(scenario);
        const Planned<ScriptEditPlan> planned = planDeleteWithReferences(index, PaneId::Trigs, 0);
        for (const PaneChange& change : planned.plan->changes)
            applied(scenario.pane(change.pane), change);
    };
    const SideBySide deleting = bestSideBySide(deleteFirst, check, 1.0);
    std::printf("scripts: %d triggers and %d team types\n", kScriptCount, kScriptCount);
    printRatio("  delete with references vs check", deleting.work, deleting.reference, "at most 2x");

    const std::string trigger(scenario.pane(PaneId::Trigs).lineView(kScriptCount / 2));
    const std::string teamType(scenario.pane(PaneId::TeamType).lineView(kScriptCount / 2));
    // A reading takes microseconds: timed a thousand at a time, so that the check beside
    // it runs a few times, not a million.
    constexpr int kFills = 1000;
    const auto fill = [&] {
        for (int i = 0; i < kFills; ++i) {
            readTriggerLine(trigger);
            readTeamTypeLine(teamType);
        }
    };
    const SideBySide filling = bestSideBySide(fill, check, 0.3);
    printRatio("  filling a composer from a line vs check", filling.work / kFills, filling.reference, "at most 0.1x");
}

} // namespace vexa::bench
