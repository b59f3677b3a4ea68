#include "core/document/value_lists.h"

#include "core/document/countries.h"

#include <string_view>

namespace vexa {

namespace {

struct KeyNote {
    std::string_view key;
    std::string_view note;
};

// The column at which every description's ";" stands.
constexpr std::size_t kNoteColumn = 10;

std::vector<std::string> describedItems(std::initializer_list<KeyNote> entries)
{
    std::vector<std::string> items;
    items.reserve(entries.size());
    for (const KeyNote& entry : entries) {
        std::string item(entry.key);
        item.append(kNoteColumn - entry.key.size(), ' ');
        item.append("; ");
        item.append(entry.note);
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace

const std::vector<std::string>& movieItems()
{
    static const std::vector<std::string> items = describedItems({
        {"<none>", "(Both disks) No movie is shown"},
        {"AAGUN", "(Both disks) Anti-aircraft guns firing"},
        {"AFTRMATH", "(Both disks) The aftermath of a battle"},
        {"AIRFIELD", "(Both disks) Aircraft on an airfield"},
        {"ALLY1", "(Allied disk) Allied briefing 1"},
        {"ALLY2", "(Allied disk) Allied briefing 2"},
        {"ALLY4", "(Allied disk) Allied briefing 4"},
        {"ALLY5", "(Allied disk) Allied briefing 5"},
        {"ALLY6", "(Allied disk) Allied briefing 6"},
        {"ALLY8", "(Allied disk) Allied briefing 8"},
        {"ALLY9", "(Allied disk) Allied briefing 9"},
        {"ALLY10", "(Allied disk) Allied briefing 10"},
        {"ALLY10B", "(Allied disk) Allied briefing 10, second part"},
        {"ALLY11", "(Allied disk) Allied briefing 11"},
        {"ALLY12", "(Allied disk) Allied briefing 12"},
        {"ALLY14", "(Allied disk) Allied briefing 14"},
        {"ALLYEND", "(Allied disk) Allied ending"},
        {"ALLYMORF", "(Allied disk) Allied emblem"},
        {"APCESCPE", "(Both disks) An armoured carrier escapes"},
        {"ASSESS", "(Both disks) Assessing the damage"},
        {"AVERTED", "(Both disks) A disaster averted"},
        {"BATTLE", "(Both disks) A battle"},
        {"BEACHEAD", "(Both disks) Landing on a beach"},
        {"BINOC", "(Both disks) A view through binoculars"},
        {"BMAP", "(Both disks) The battle map"},
        {"BOMBRUN", "(Both disks) A bombing run"},
        {"BRDGTILT", "(Both disks) A bridge tilts and falls"},
        {"COUNTDWN", "(Both disks) A countdown"},
        {"CRONFAIL", "(Both disks) A failed chronosphere jump"},
        {"CRONTEST", "(Both disks) A chronosphere test"},
        {"DESTROYR", "(Both disks) A destroyer at sea"},
        {"DOUBLE", "(Both disks) A double agent"},
        {"DUD", "(Both disks) A bomb that does not go off"},
        {"DPTHCHRG", "(Both disks) Depth charges"},
        {"ELEVATOR", "(Both disks) An elevator ride"},
        {"EXECUTE", "(Both disks) An execution"},
        {"FLARE", "(Both disks) A signal flare"},
        {"FROZEN", "(Both disks) A frozen landscape"},
        {"GRVESTNE", "(Both disks) A gravestone"},
        {"LANDING", "(Both disks) A landing"},
        {"MASASSLT", "(Both disks) A mass assault"},
        {"MCV", "(Both disks) A construction vehicle"},
        {"MCVBRDGE", "(Both disks) A construction vehicle on a bridge"},
        {"MCV_LAND", "(Both disks) A construction vehicle lands"},
        {"MIG", "(Both disks) Jet fighters"},
        {"MONTPASS", "(Both disks) A mountain pass"},
        {"MOVINGIN", "(Both disks) Troops moving in"},
        {"MTNKFACT", "(Both disks) A tank factory"},
        {"NUKESTOK", "(Both disks) A stock of nuclear missiles"},
        {"OILDRUM", "(Both disks) Oil drums"},
        {"ONTHPRWL", "(Both disks) On the prowl"},
        {"OVERRUN", "(Both disks) A base overrun"},
        {"PERISCOP", "(Both disks) A view through a periscope"},
        {"PROLOG", "(Both disks) The prologue"},
        {"RADRRAID", "(Both disks) A raid on a radar station"},
        {"VELINTRO", "(Both disks) The introduction"},
        {"SEARCH", "(Both disks) A search"},
        {"SFROZEN", "(Both disks) A frozen landscape, short"},
        {"SHIPSINK", "(Both disks) A ship sinks"},
        {"SHORBOM1", "(Both disks) Shore bombardment 1"},
        {"SHORBOM2", "(Both disks) Shore bombardment 2"},
        {"SHORBOMB", "(Both disks) Shore bombardment"},
        {"SITDUCK", "(Both disks) A sitting duck"},
        {"SIZZLE", "(Both disks) Action scenes"},
        {"SIZZLE2", "(Both disks) More action scenes"},
        {"SLNTSRVC", "(Both disks) A silent service"},
        {"SNOWBOMB", "(Both disks) Bombing in the snow"},
        {"SNSTRAFE", "(Both disks) Strafing in the snow"},
        {"SOVBATL", "(Soviet disk) A Soviet battle"},
        {"SOVCEMET", "(Soviet disk) A cemetery"},
        {"SOVFINAL", "(Soviet disk) Soviet ending"},
        {"SOVIET1", "(Soviet disk) Soviet briefing 1"},
        {"SOVIET2", "(Soviet disk) Soviet briefing 2"},
        {"SOVIET3", "(Soviet disk) Soviet briefing 3"},
        {"SOVIET4", "(Soviet disk) Soviet briefing 4"},
        {"SOVIET5", "(Soviet disk) Soviet briefing 5"},
        {"SOVIET6", "(Soviet disk) Soviet briefing 6"},
        {"SOVIET7", "(Soviet disk) Soviet briefing 7"},
        {"SOVIET8", "(Soviet disk) Soviet briefing 8"},
        {"SOVIET9", "(Soviet disk) Soviet briefing 9"},
        {"SOVIET10", "(Soviet disk) Soviet briefing 10"},
        {"SOVIET11", "(Soviet disk) Soviet briefing 11"},
        {"SOVIET12", "(Soviet disk) Soviet briefing 12"},
        {"SOVIET13", "(Soviet disk) Soviet briefing 13"},
        {"SOVIET14", "(Soviet disk) Soviet briefing 14"},
        {"SOVMCV", "(Soviet disk) A Soviet construction vehicle"},
        {"SOVTSTAR", "(Soviet disk) Soviet emblem"},
        {"SPOTTER", "(Both disks) A spotter"},
        {"SPY", "(Both disks) A spy"},
        {"STRAFE", "(Both disks) A strafing run"},
        {"TAKE_OFF", "(Both disks) A take-off"},
        {"BRESK1", "(Both disks) An escape, part 1"},
        {"BRESK2", "(Both disks) An escape, part 2"},
        {"TESLA", "(Both disks) A tesla coil"},
        {"TOOFAR", "(Both disks) A bridge too far"},
        {"TRINITY", "(Both disks) A test explosion"},
        {"V2ROCKET", "(Both disks) A rocket launch"},
    });
    return items;
}

const std::vector<std::string>& themeItems()
{
    static const std::vector<std::string> items = describedItems({
        {"BIGF226M", "Big foot"},
        {"CREDITS", "End credits"},
        {"CRUS226M", "Crush"},
        {"DENSE_R", "Dense"},
        {"FAC1226M", "Face the enemy 1"},
        {"FAC2226M", "Face the enemy 2"},
        {"FOGGER1A", "Fogger"},
        {"HELL226M", "Hell march"},
        {"INTRO", "Introduction"},
        {"MAP", "Map selection"},
        {"MUD1A", "Mud"},
        {"RADIO2", "Radio 2"},
        {"ROLLOUT", "Roll out"},
        {"RUN1226M", "Run for your life"},
        {"SCORE", "Score screen"},
        {"SMSH226M", "Smash"},
        {"SNAKE", "Snake"},
        {"TERMINAT", "Terminate"},
        {"TREN226M", "Trenches"},
        {"TWIN", "Twin"},
        {"VERTOR1A", "Vector"},
        {"WORK226M", "Workmen"},
    });
    return items;
}

const std::vector<std::string>& theaterItems()
{
    static const std::vector<std::string> items = {"SNOW", "TEMPERATE", "INTERIOR"};
    return items;
}

std::vector<std::string> choiceItems(ChoiceList list)
{
    switch (list) {
    case ChoiceList::Countries: return {kCountries.begin(), kCountries.end()};
    case ChoiceList::Movies: return movieItems();
    case ChoiceList::Themes: return themeItems();
    case ChoiceList::Theaters: return theaterItems();
    case ChoiceList::None: break;
    }
    return {};
}

} // namespace vexa
