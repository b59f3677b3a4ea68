// The rule about what a placed object is: its type code.
#include "core/check/rules.h"

#include "core/placement/building_types.h"
#include "core/placement/unit_types.h"

#include <unordered_set>

namespace vexa {

namespace {

// Codes seen in real scenarios that no Create dialog offers.
constexpr std::string_view kFurtherTypeCodes[] = {"PT", "MNLY"};

// The menu tables live for the whole run, so the set can hold views of their codes.
std::unordered_set<std::string_view> knownPlacementCodes()
{
    std::unordered_set<std::string_view> codes(std::begin(kFurtherTypeCodes), std::end(kFurtherTypeCodes));
    for (const MenuTable* table : {&buildingTypeMenus(), &unitTypeMenus(), &shipTypeMenus(), &infantryTypeMenus()}) {
        for (const MenuItem* entry : menuEntries(*table))
            codes.insert(entry->code);
    }
    return codes;
}

bool isKnownPlacementCode(std::string_view code)
{
    static const std::unordered_set<std::string_view> known = knownPlacementCodes();
    return known.contains(code);
}

} // namespace

// Terrain has many more codes than its dialog offers, so only placed objects are looked at.
void unknownTypeOnLine(const Rule& rule, Checker& checker, const LineAt& line)
{
    if (!line.format || !hasField(line, line.format->typeField))
        return;
    const std::string_view code = line.fields[*line.format->typeField];
    if (!isKnownPlacementCode(code))
        checker.report(rule, line.pane, line.index,
                       "The type " + quoted(code) + " is offered by no Create dialog: the game drops what it does "
                           "not know.");
}

} // namespace vexa
