#include "core/decorations/country_settings.h"

#include <algorithm>

namespace vexa {

namespace {

struct SettingKey {
    std::string_view key;
    std::string CountrySettingsInput::*field;
};

// The key order of every written section, whatever the order of the fields on screen.
constexpr std::array<SettingKey, 9> kSettingKeys = {{
    {"Credits=", &CountrySettingsInput::credits},
    {"Edge=", &CountrySettingsInput::edge},
    {"MaxUnits=", &CountrySettingsInput::maxUnits},
    {"MaxInfantry=", &CountrySettingsInput::maxInfantry},
    {"MaxBuildings=", &CountrySettingsInput::maxBuildings},
    {"MaxVessels=", &CountrySettingsInput::maxVessels},
    {"TechLevel=", &CountrySettingsInput::techLevel},
    {"IQ=", &CountrySettingsInput::iq},
    {"Allies=", &CountrySettingsInput::allies},
}};

constexpr std::string_view kPlayerControlLine = "PlayerControl=Yes";

bool anySettingGiven(const CountrySettingsInput& in)
{
    return in.playerControl || std::any_of(kSettingKeys.begin(), kSettingKeys.end(),
                                           [&](const SettingKey& setting) { return !(in.*setting.field).empty(); });
}

void appendHeader(std::string_view country, Pane& countries)
{
    // Sections already in the pane stay apart from the new one by an empty line.
    if (!countries.isEmpty())
        countries.append("");
    std::string header = "[";
    header.append(country).push_back(']');
    countries.append(header);
}

} // namespace

CountrySectionOutcome writeCountrySection(const CountrySettingsInput& input, Pane& countries)
{
    if (input.country.empty() || !anySettingGiven(input))
        return {Outcome::Refused, input};

    CountrySettingsInput after = input;
    appendHeader(input.country, countries);
    after.country.clear();
    for (const SettingKey& setting : kSettingKeys) {
        std::string& text = after.*setting.field;
        if (text.empty())
            continue;
        countries.append(std::string(setting.key) + text);
        text.clear();
    }
    if (input.playerControl) {
        countries.append(kPlayerControlLine);
        after.playerControl = false;
    }
    return {Outcome::Done, after};
}

} // namespace vexa
