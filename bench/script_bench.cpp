// Reading and following scripts on a scenario of 10,000 triggers and 10,000 team types,
// beside checking it and reading it.
#include "bench_support.h"

#include "core/check/checker.h"
#include "core/check/scenario_check.h"
#include "core/document/reader.h"
#include "core/scripting/script_references.h"
#include "core/scripting/script_words.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace vexa;

constexpr int kScriptCount = 10000;

// Triggers that create, reinforce and force each other; team types that move between
// waypoints and attach triggers; structures and cell triggers that name triggers.
std::string scriptScenario()
{
    std::string text = "[Waypoints]\n";
    for (int w = 0; w < 100; ++w)
        text += std::to_string(w) + "=" + std::to_string(1000 + w) + "\n";
    text += "[STRUCTURES]\n";
    for (int s = 0; s < 2000; ++s)
        text += std::to_string(s) + "=USSR,POWR,256," + std::to_string(1000 + s) + ",0,t" + std::to_string(s * 5) + ",1,0\n";
    text += "[CellTriggers]\n";
    for (int c = 0; c < 2000; ++c)
        text += std::to_string(5000 + c) + "=t" + std::to_string(c * 3) + "\n";
    text += "[Trigs]\n";
    for (int t = 0; t < kScriptCount; ++t) {
        const std::string team = std::to_string((t * 7) % kScriptCount);
        const std::string other = std::to_string((t * 13) % kScriptCount);
        text += "t" + std::to_string(t) + "=1,2,0,1,7,-1,-1,0,-1,-1,7," + team + ",-1," + std::to_string(t % 100)
                + ",22,-1," + other + ",-1\n";
    }
    text += "[TeamTypes]\n";
    for (int t = 0; t < kScriptCount; ++t)
        text += "team" + std::to_string(t) + "=2,0,7,0,0," + std::to_string(t % 100) + "," + std::to_string(t)
                + ",2,E1:3,TRAN:1,3,3:" + std::to_string((t + 1) % 100) + ",8:0,1:" + std::to_string((t + 2) % 100)
                + "\n";
    return text;
}

} // namespace

void benchScripts()
{
    const std::string bytes = scriptScenario();
    SourceLines sources;
    const Scenario scenario = readScenario(bytes, &sources);
    std::vector<Rule> withoutReference;
    for (const Rule& rule : checkRules()) {
        if (rule.id != "reference")
            withoutReference.push_back(rule);
    }
    const auto check = [&] { checkScenario(scenario, &sources); };
    std::printf("10,000 triggers and 10,000 team types, %.1f MB\n", static_cast<double>(bytes.size()) / 1e6);

    const ScriptIndex built(scenario);
    const std::size_t cursorLine = built.triggers()[kScriptCount / 2].line;
    // The words take microseconds: a run says them a hundred times.
    constexpr int kRepeats = 100;
    const bench::SideBySide explain = bench::bestSideBySide(
        [&] {
            for (int i = 0; i < kRepeats; ++i) {
                if (const ScriptEntry* entry = built.entryOnLine(PaneId::Trigs, cursorLine + i))
                    (void)explainEntry(built, *entry);
            }
        },
        check, 0);
    bench::printRatio("  words for the line under the cursor vs check", explain.work / kRepeats, explain.reference,
                      "at most 0.1x");
    const bench::SideBySide index = bench::bestSideBySide([&] { ScriptIndex fresh(scenario); }, check, 0);
    bench::printRatio("  reading the scripts (once per change) vs check", index.work, index.reference, "");
    const bench::SideBySide uses = bench::bestSideBySide(
        [&] {
            const ScriptIndex fresh(scenario);
            (void)fresh.usesOf({ReferenceKind::Trigger, kScriptCount / 2});
        },
        check, 0);
    bench::printRatio("  find uses, reading included, vs check", uses.work, uses.reference, "at most 1x");
    // The check with and without the rule and reading, in turns, so that all three share
    // the same moments of the machine.
    double withRule = 1e100;
    double withoutRule = 1e100;
    double reading = 1e100;
    for (int turn = 0; turn < 20; ++turn) {
        withRule = std::min(withRule, bench::bestSeconds(1, check));
        withoutRule = std::min(withoutRule, bench::bestSeconds(1, [&] { Checker(scenario, &sources).run(withoutReference); }));
        reading = std::min(reading, bench::bestSeconds(1, [&] { readScenario(bytes); }));
    }
    bench::printRatio("  check vs reading through the core", withRule, reading, "within 2x");
    bench::printRatio("  check without rule reference vs reading", withoutRule, reading, "");
    bench::printRatio("  what rule reference adds vs reading", withRule - withoutRule, reading, "at most 0.5x");
    bench::printRatio("  check vs the check without rule reference", withRule, withoutRule, "");
}
