#include "core/decorations/country_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexa {
namespace {

using Lines = std::vector<std::string>;

CountrySettingsInput countryWith(const char* country)
{
    CountrySettingsInput input;
    input.country = country;
    return input;
}

TEST(WriteCountrySection, WorkedExample)
{
    MemoryPane countries;
    CountrySettingsInput greece = countryWith("Greece");
    greece.credits = "50";
    greece.edge = "North";
    greece.techLevel = "10";
    greece.playerControl = true;
    EXPECT_EQ(writeCountrySection(greece, countries).outcome, Outcome::Done);

    CountrySettingsInput ussr = countryWith("USSR");
    ussr.iq = "3";
    EXPECT_EQ(writeCountrySection(ussr, countries).outcome, Outcome::Done);

    EXPECT_EQ(countries.lines(), (Lines{"[Greece]", "Credits=50", "Edge=North", "TechLevel=10", "PlayerControl=Yes",
                                        "", "[USSR]", "IQ=3"}));
}

TEST(WriteCountrySection, EveryKeyInItsFixedOrderAndEveryFieldEmptiedAfter)
{
    CountrySettingsInput all = countryWith("my land");
    all.allies = "Spain, Greece";
    all.iq = "i";
    all.techLevel = "t";
    all.maxVessels = "v";
    all.maxBuildings = "b";
    all.maxInfantry = "n";
    all.maxUnits = "u";
    all.edge = "Up";
    all.credits = "c";
    all.playerControl = true;
    MemoryPane countries("; allies\n");
    const CountrySectionOutcome result = writeCountrySection(all, countries);
    EXPECT_EQ(countries.lines(), (Lines{"; allies", "", "[my land]", "Credits=c", "Edge=Up", "MaxUnits=u",
                                        "MaxInfantry=n", "MaxBuildings=b", "MaxVessels=v", "TechLevel=t", "IQ=i",
                                        "Allies=Spain, Greece", "PlayerControl=Yes"}));
    EXPECT_EQ(result.fields, CountrySettingsInput{});
}

TEST(WriteCountrySection, OnlyWhatIsFilledIsWritten)
{
    CountrySettingsInput control = countryWith("Spain");
    control.playerControl = true;
    CountrySettingsInput allies = countryWith("Spain");
    allies.allies = "Greece";
    MemoryPane countries;
    writeCountrySection(control, countries);
    writeCountrySection(allies, countries);
    EXPECT_EQ(countries.lines(), (Lines{"[Spain]", "PlayerControl=Yes", "", "[Spain]", "Allies=Greece"}));
}

TEST(WriteCountrySection, RefusedWithoutCountryOrWithoutAnySetting)
{
    CountrySettingsInput noCountry = countryWith("");
    noCountry.iq = "3";
    noCountry.playerControl = true;
    for (const CountrySettingsInput& input : {noCountry, countryWith("USSR")}) {
        MemoryPane countries("[Greece]\n");
        const CountrySectionOutcome result = writeCountrySection(input, countries);
        EXPECT_EQ(result.outcome, Outcome::Refused);
        EXPECT_EQ(result.fields, input);
        EXPECT_EQ(countries.text(), "[Greece]\n");
    }
}

} // namespace
} // namespace vexa
