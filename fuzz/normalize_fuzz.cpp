// Any bytes are a scenario file: reading never fails, and saving what was read is
// stable, so normalising twice gives the same bytes as normalising once. The scenario
// check runs on what was read and finds only lines that are there; the map reads it
// too, and its playable area, when there is one, lies on the map. Every trigger and
// team type is explained, as `scripts` does, and each reference lies inside its line.
#include "core/check/scenario_check.h"
#include "core/document/reader.h"
#include "core/document/writer.h"
#include "core/map/placed_things.h"
#include "core/scripting/script_words.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vexa::SourceLines sources;
    const vexa::Scenario scenario = vexa::readScenario(bytes, &sources);
    for (const vexa::Finding& finding : vexa::checkScenario(scenario, &sources)) {
        if (finding.pane && *finding.paneLine >= scenario.pane(*finding.pane).lineCount())
            std::abort();
        if (finding.fileLine && *finding.fileLine > size)
            std::abort();
    }
    const vexa::ScriptIndex scripts(scenario);
    for (const vexa::ScriptKind kind : {vexa::ScriptKind::Trigger, vexa::ScriptKind::TeamType}) {
        for (const vexa::ScriptEntry& entry : scripts.entries(kind)) {
            (void)vexa::explainEntry(scripts, entry);
            (void)scripts.usesOf(vexa::targetOf(entry));
            for (const vexa::ScriptReference& reference : entry.references) {
                if (reference.at + reference.length > scenario.pane(reference.pane).lineView(reference.line).size())
                    std::abort();
            }
        }
    }
    const vexa::MapContents map = vexa::readMapContents(scenario);
    if (const auto& area = map.playable) {
        if (area->x() < 0 || area->y() < 0 || area->x() + area->width() > vexa::kMapSide
            || area->y() + area->height() > vexa::kMapSide)
            std::abort();
        for (const vexa::PlacedThing& thing : map.things)
            (void)area->holds(thing.cell);
    }
    const std::string once = vexa::writeScenario(vexa::readScenario(bytes));
    const std::string twice = vexa::writeScenario(vexa::readScenario(once));
    if (once != twice)
        std::abort();
    if (once.size() > 8 * size + 4096)  // the output stays proportional to the input
        std::abort();
    return 0;
}
