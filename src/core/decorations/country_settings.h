#pragma once

#include "core/document/pane.h"
#include "core/placement/outcome.h"

#include <array>
#include <string>
#include <string_view>

namespace vexa {

// The "Edge:" chooser's list, in this order.
inline constexpr std::array<std::string_view, 4> kEdgeItems = {"North", "West", "South", "East"};

// The texts and the box of the "Create country" dialog when "&Done" is pressed. Every
// text is written as typed; none is read as a number.
struct CountrySettingsInput {
    std::string country;
    std::string credits;      // "Credits/100:": the credits divided by 100
    std::string edge;
    std::string maxUnits;
    std::string maxInfantry;
    std::string maxBuildings;
    std::string maxVessels;   // the field labelled "MaxVessel:"
    std::string techLevel;
    std::string iq;
    std::string allies;
    bool playerControl = false;

    bool operator==(const CountrySettingsInput&) const = default;
};

// How "&Done" ended, and the dialog's fields as it leaves them: every text it wrote is
// emptied and the box unchecked when it wrote PlayerControl, so the form empties exactly
// what went into the pane. After Refused the fields are the input unchanged.
struct CountrySectionOutcome {
    Outcome outcome;
    CountrySettingsInput fields;
};

// Appends one country's section to the country pane: an empty line first when the pane
// already holds lines, then "[country]", then a "Key=text" line for each non-empty value
// in the order Credits, Edge, MaxUnits, MaxInfantry, MaxBuildings, MaxVessels, TechLevel,
// IQ, Allies, and "PlayerControl=Yes" when the box is checked. An existing section of the
// same country is left alone: the new one is appended beside it. Refused, with nothing
// done, when the country is empty or no value is filled and the box is unchecked.
CountrySectionOutcome writeCountrySection(const CountrySettingsInput& input, Pane& countries);

} // namespace vexa
