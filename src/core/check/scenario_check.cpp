#include "core/check/scenario_check.h"

#include "core/check/rules.h"

#include <algorithm>
#include <array>

namespace vexa {

namespace {

const std::array<Rule, 12> kRules = {{
    {"duplicate-key", Severity::Error,
     "A key used twice in one section: the game keeps one of the two lines and loses the other.",
     duplicateKeyOnLine},
    {"unknown-trigger", Severity::Error,
     "A building, unit, ship, soldier or cell trigger names a trigger that is neither None nor in [Trigs]: "
     "the game attaches nothing.",
     unknownTriggerOnLine},
    {"off-map", Severity::Error,
     "A cell outside 0 to 16383 is off the map (error); a building, unit, ship or soldier outside the playable "
     "area of [Map] never appears (warning). A playable area that does not lie inside the map is said once.",
     offMapOnLine, checkMapBounds},
    {"base-count", Severity::Error,
     "The Count of [Base] must equal its number of entries, and the entries must be numbered 000, 001, ... in "
     "order, or the computer player cannot rebuild its base.",
     nullptr, checkBaseCount},
    {"unknown-country", Severity::Error,
     "A country must be one of the twenty countries: by name in placed objects, [Base] and the player, by "
     "number 0 to 19 in triggers and team types.",
     unknownCountryOnLine, checkPlayerCountry},
    {"field-count", Severity::Error,
     "A line of a section the dialogs write has the wrong number of fields, or a line is neither blank, a "
     "comment nor key=value: the game misreads or skips it.",
     fieldCountOnLine, checkCountryBodyLines},
    {"team-type-section", Severity::Warning,
     "A [TeamType] section: the game reads team types from [TeamTypes] and ignores it.",
     nullptr, checkTeamTypeSection},
    {"unknown-type", Severity::Warning,
     "A building, unit, ship or soldier whose type code no Create dialog offers and the expansion packs do not "
     "know, in upper or lower case: most often a typo, and the game drops it without a word.",
     unknownTypeOnLine},
    {"pack", Severity::Error,
     "[MapPack] or [OverlayPack] cannot be unpacked: the map's ground, or its ore, walls and crates, cannot be "
     "read from it. An empty or missing pack is fine.",
     nullptr, checkPacks},
    {"ground", Severity::Warning,
     "A ship on a cell that is not water, or a unit or soldier on water or a river, as [MapPack] gives the "
     "ground: it cannot move from there.",
     groundOnLine},
    {"byte-order-mark", Severity::Warning,
     "The file starts with a UTF-8 byte order mark: the game does not see its first section.",
     nullptr, checkByteOrderMark},
    {"reference", Severity::Warning,
     "A trigger or team type names a team type, trigger or waypoint that does not exist (a negative number names "
     "none), or a team type holds a unit whose type code is neither one unknown-type accepts nor an aircraft: the "
     "game takes the wrong line or nothing.",
     nullptr, checkScriptReferences},
}};

// Where a finding stands in the editor: fields first, then panes in their order.
std::pair<std::size_t, std::size_t> placeOf(const Finding& finding)
{
    if (!finding.pane)
        return {0, finding.field ? index(*finding.field) : 0};
    return {1 + index(*finding.pane), finding.paneLine.value_or(0)};
}

} // namespace

std::span<const Rule> checkRules()
{
    return kRules;
}

const Rule* findRule(std::string_view id)
{
    const auto found = std::find_if(kRules.begin(), kRules.end(), [id](const Rule& rule) { return rule.id == id; });
    return found == kRules.end() ? nullptr : &*found;
}

std::vector<Finding> checkScenario(const Scenario& scenario, const SourceLines* sources)
{
    std::vector<Finding> findings = Checker(scenario, sources).run(kRules);
    // The line rules report in place order already; only what the scenario rules add moves.
    const auto byPlace = [](const Finding& a, const Finding& b) { return placeOf(a) < placeOf(b); };
    if (!std::is_sorted(findings.begin(), findings.end(), byPlace))
        std::stable_sort(findings.begin(), findings.end(), byPlace);
    return findings;
}

} // namespace vexa
