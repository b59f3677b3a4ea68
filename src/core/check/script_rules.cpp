// The rule about what triggers and team types name by number: team types, triggers and
// waypoints, and the unit types of a team.
#include "core/check/rules.h"

#include "core/scripting/script_references.h"
#include "core/scripting/script_words.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vexa {

namespace {

// Team types may hold aircraft, which no Create dialog places.
constexpr std::array<std::string_view, 7> kAircraftCodes = {"TRAN", "HELI", "HIND", "YAK", "MIG", "BADR", "U2"};

bool isAircraftCode(std::string_view code)
{
    return std::any_of(kAircraftCodes.begin(), kAircraftCodes.end(), [code](std::string_view aircraft) {
        return code.size() == aircraft.size()
               && std::equal(code.begin(), code.end(), aircraft.begin(),
                             [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
    });
}

void checkEntry(const Rule& rule, Checker& checker, const ScriptTargets& targets, const ScriptEntry& entry)
{
    const PaneId pane = paneOf(entry.kind);
    const std::string_view line = checker.scenario().pane(pane).lineView(entry.line);
    for (const ScriptReference& reference : entry.references) {
        if (namesLine(reference.kind) && !targets.isValid(reference))
            checker.report(rule, pane, entry.line,
                           "Its " + roleText(reference) + " is " + describeInvalidReference(line, reference) + ".");
    }
    for (const auto& [at, length] : entry.unitCodes) {
        const std::string_view code = line.substr(at, length);
        if (!isKnownPlacementCode(code) && !isAircraftCode(code))
            checker.report(rule, pane, entry.line,
                           "Its unit " + quoted(code) + " is neither a type the game knows nor an aircraft.");
    }
}

} // namespace

// Every line is read in one pass that keeps nothing: the check needs no index of names.
void checkScriptReferences(const Rule& rule, Checker& checker)
{
    const ScriptTargets targets(checker.scenario());
    for (const ScriptKind kind : {ScriptKind::Trigger, ScriptKind::TeamType}) {
        forEachScriptLine(checker.scenario(), kind, LineReading::ReferencesOnly,
                          [&](const ScriptEntry& entry) { checkEntry(rule, checker, targets, entry); });
    }
}

} // namespace vexa
