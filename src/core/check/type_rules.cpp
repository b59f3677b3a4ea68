// The rule about what a placed object is: its type code.
#include "core/check/rules.h"

#include "core/placement/building_types.h"
#include "core/placement/unit_types.h"

#include <algorithm>
#include <functional>
#include <string>
#include <unordered_set>

namespace vexa {

namespace {

// Codes seen in real scenarios that no Create dialog offers.
constexpr std::string_view kFurtherTypeCodes[] = {"PT", "MNLY"};

// The codes of the game's two expansion packs, which no dialog offers either.
constexpr std::string_view kExpansionTypeCodes[] = {
    "CTNK", "DTRK", "QTNK", "TTNK", "STNK", "ANT1", "ANT2", "ANT3",  // units
    "MECH", "SHOK",                                                  // soldiers
    "MSUB", "CARR",                                                  // ships
    "QUEE", "LAR1", "LAR2",                                          // structures
};

// The game compares type codes without regard to case, in ASCII whatever the locale.
bool isLowerCase(char c)
{
    return c >= 'a' && c <= 'z';
}

std::string upperCase(std::string_view code)
{
    std::string upper(code);
    for (char& c : upper) {
        if (isLowerCase(c))
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// Looked up by a code's own text where it is in upper case already, as most are.
struct CodeHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view code) const { return std::hash<std::string_view>{}(code); }
};
using CodeSet = std::unordered_set<std::string, CodeHash, std::equal_to<>>;

CodeSet knownPlacementCodes()
{
    CodeSet codes;
    const auto add = [&](std::string_view code) { codes.insert(upperCase(code)); };
    std::for_each(std::begin(kFurtherTypeCodes), std::end(kFurtherTypeCodes), add);
    std::for_each(std::begin(kExpansionTypeCodes), std::end(kExpansionTypeCodes), add);
    for (const MenuTable* table : {&buildingTypeMenus(), &unitTypeMenus(), &shipTypeMenus(), &infantryTypeMenus()}) {
        for (const MenuItem* entry : menuEntries(*table))
            add(entry->code);
    }
    return codes;
}

} // namespace

bool isKnownPlacementCode(std::string_view code)
{
    static const CodeSet known = knownPlacementCodes();
    return std::any_of(code.begin(), code.end(), isLowerCase) ? known.contains(upperCase(code)) : known.contains(code);
}

// Terrain has many more codes than its dialog offers, so only placed objects are looked at.
void unknownTypeOnLine(const Rule& rule, Checker& checker, const LineAt& line)
{
    const ThingFields* thing = line.thing();
    if (!thing || !line.format || !line.format->typeField)
        return;
    if (!isKnownPlacementCode(thing->type))
        checker.report(rule, line.pane, line.index,
                       "The type " + quoted(thing->type) + " is offered by no Create dialog: the game drops what it "
                           "does not know.");
}

} // namespace vexa
