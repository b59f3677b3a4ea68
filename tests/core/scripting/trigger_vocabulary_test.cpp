#include "core/scripting/trigger_vocabulary.h"

#include <gtest/gtest.h>

#include <string>

namespace vexa {
namespace {

template <typename Entries>
std::vector<std::string> codesOf(const Entries& entries)
{
    std::vector<std::string> codes;
    for (const MenuItem& e : entries)
        codes.emplace_back(e.code);
    return codes;
}

std::vector<std::string> numbers(int first, int last, int skipped = -1)
{
    std::vector<std::string> out;
    for (int i = first; i <= last; ++i) {
        if (i != skipped)
            out.push_back(std::to_string(i));
    }
    return out;
}

const MenuItem& event(int code) { return kEvents.at(static_cast<std::size_t>(code)); }

const MenuItem& action(int code)
{
    for (const MenuItem& e : kActions) {
        if (e.code == std::to_string(code))
            return e;
    }
    throw std::out_of_range("no action " + std::to_string(code));
}

TEST(TriggerTables, EventsRunFrom0To32AndActionsFrom0To36Without14)
{
    EXPECT_EQ(codesOf(kEvents), numbers(0, 32));
    EXPECT_EQ(codesOf(kActions), numbers(0, 36, 14));
}

TEST(TriggerTables, SubmenusSplitTheTablesWithoutGapOrOverlap)
{
    ASSERT_EQ(eventSubmenus()[0].caption, "0 - 16");
    ASSERT_EQ(eventSubmenus()[1].caption, "17 - 32");
    EXPECT_EQ(codesOf(eventSubmenus()[0].children), numbers(0, 16));
    EXPECT_EQ(codesOf(eventSubmenus()[1].children), numbers(17, 32));

    ASSERT_EQ(actionSubmenus()[0].caption, "0 - 18");
    ASSERT_EQ(actionSubmenus()[1].caption, "19 - 36");
    EXPECT_EQ(codesOf(actionSubmenus()[0].children), numbers(0, 18, 14));
    EXPECT_EQ(codesOf(actionSubmenus()[1].children), numbers(19, 36));
}

TEST(TriggerTables, EverySlotHasAPromptAndOnlySlotsHaveOne)
{
    for (const MenuItem& e : kEvents) {
        EXPECT_TRUE(e.slot >= 0 && e.slot <= 2) << e.caption;
        EXPECT_EQ(e.slot != 0, !e.prompt.empty()) << e.caption;
    }
    for (const MenuItem& e : kActions) {
        EXPECT_TRUE(e.slot >= 0 && e.slot <= 4) << e.caption;
        EXPECT_EQ(e.slot != 0, !e.prompt.empty()) << e.caption;
    }
}

TEST(TriggerTables, EntriesKeepTheGamesWording)
{
    EXPECT_EQ(event(3).caption, "Thived by");
    EXPECT_EQ(event(23).slot, 1);
    EXPECT_EQ(event(23).prompt, "Team #:");
    EXPECT_EQ(action(35).caption, "Preferred target");
    EXPECT_EQ(action(35).prompt, "Contry #:");
    EXPECT_EQ(action(7).caption, "Reinforcement");
    EXPECT_EQ(action(7).slot, 4);
    EXPECT_EQ(action(22).slot, 2);
}

TEST(TriggerTables, MenuBarOffersCountriesThenTheTwoEventAndTwoActionMenus)
{
    const MenuTable& bar = triggerMenuBar();
    ASSERT_EQ(bar.size(), kTriggerMenuCount);
    const char* captions[] = {"Countries", "T1", "T2", "R1", "R2"};
    for (std::size_t i = 0; i < bar.size(); ++i)
        EXPECT_EQ(bar[i].caption, captions[i]);

    const MenuTable& countries = bar[static_cast<std::size_t>(TriggerMenu::Countries)].children;
    ASSERT_EQ(countries.size(), 20u);
    for (const MenuItem& country : countries)
        EXPECT_FALSE(country.isSubmenu());
    EXPECT_EQ(countries[0].caption, "Spain");
    EXPECT_EQ(countries[0].code, "0");
    EXPECT_EQ(countries[19].caption, "Multi8");
    EXPECT_EQ(countries[19].code, "19");

    EXPECT_EQ(bar[static_cast<std::size_t>(TriggerMenu::T1)].children, eventSubmenus());
    EXPECT_EQ(bar[static_cast<std::size_t>(TriggerMenu::T2)].children, eventSubmenus());
    EXPECT_EQ(bar[static_cast<std::size_t>(TriggerMenu::R1)].children, actionSubmenus());
    EXPECT_EQ(bar[static_cast<std::size_t>(TriggerMenu::R2)].children, actionSubmenus());
}

// --- the parameter slot rule ----------------------------------------------------------

struct Fields {
    std::string code;
    std::vector<std::string> labels;
    std::vector<std::string> values;
};

Fields freshFields(TriggerPart part)
{
    Fields f;
    for (std::size_t i = 0; i < parameterCount(part); ++i) {
        f.labels.emplace_back(kParameterLabels[i]);
        f.values.emplace_back("typed");
    }
    return f;
}

// What a composer's menu handler does with the fill.
void apply(const ParameterFill& fill, Fields& f)
{
    f.code = fill.code;
    for (std::size_t i = 0; i < fill.parameters.size(); ++i) {
        f.labels.at(i) = fill.parameters[i].label;
        f.values.at(i) = fill.parameters[i].value;
    }
}

TEST(ParameterSlots, DestroyedAllAsksForTheCountryInParameter2)
{
    const ParameterFill fill = fillParameters(TriggerPart::Event, event(11));
    EXPECT_EQ(fill.code, "11");
    ASSERT_EQ(fill.parameters.size(), 2u);
    EXPECT_EQ(fill.parameters[0].label, "Parameter 1:");
    EXPECT_EQ(fill.parameters[0].value, "-1");
    EXPECT_EQ(fill.parameters[1].label, "Country #:");
    EXPECT_EQ(fill.parameters[1].value, "");
    EXPECT_EQ(fill.focusParameter, 1u);
}

TEST(ParameterSlots, ReinforcementAsksForTheTeamAndPutsAWaypointInParameter3)
{
    const ParameterFill fill = fillParameters(TriggerPart::Action, action(7));
    EXPECT_EQ(fill.code, "7");
    EXPECT_EQ(fill.parameters[0].label, "Teamtype #:");
    EXPECT_EQ(fill.parameters[0].value, "");
    EXPECT_EQ(fill.parameters[1].label, "Parameter 2:");
    EXPECT_EQ(fill.parameters[1].value, "-1");
    EXPECT_EQ(fill.parameters[2].label, "Waypoint #:");
    EXPECT_EQ(fill.parameters[2].value, "-1");
    EXPECT_EQ(fill.focusParameter, 0u);
}

TEST(ParameterSlots, AnEntryWithoutSlotAfterOneWithAPromptRestoresTheLabels)
{
    Fields r1 = freshFields(TriggerPart::Action);
    apply(fillParameters(TriggerPart::Action, action(7)), r1);
    apply(fillParameters(TriggerPart::Action, action(0)), r1);
    EXPECT_EQ(r1.code, "0");
    EXPECT_EQ(r1.labels, (std::vector<std::string>{"Parameter 1:", "Parameter 2:", "Parameter 3:"}));
    EXPECT_EQ(r1.values, (std::vector<std::string>{"-1", "-1", "-1"}));

    Fields t1 = freshFields(TriggerPart::Event);
    apply(fillParameters(TriggerPart::Event, event(12)), t1);
    apply(fillParameters(TriggerPart::Event, event(23)), t1);
    EXPECT_EQ(t1.labels, (std::vector<std::string>{"Team #:", "Parameter 2:"}));
    EXPECT_EQ(t1.values, (std::vector<std::string>{"", "-1"}));
}

// Whatever the entry, exactly the parameter its slot names (slot 4: parameter 1) is empty,
// focused and prompted; every other one holds "-1" under its plain label, or
// "Waypoint #:" for parameter 3 with slot 4.
TEST(ParameterSlots, EveryEntryLeavesOnlyItsOwnParameterEmpty)
{
    const auto check = [](TriggerPart part, const MenuItem& e) {
        const ParameterFill fill = fillParameters(part, e);
        ASSERT_EQ(fill.parameters.size(), parameterCount(part));
        EXPECT_EQ(fill.code, e.code);
        const int named = e.slot == 4 ? 0 : e.slot - 1;  // -1: none
        for (std::size_t i = 0; i < fill.parameters.size(); ++i) {
            const ParameterSetting& p = fill.parameters[i];
            if (static_cast<int>(i) == named) {
                EXPECT_EQ(p.value, "") << e.caption;
                EXPECT_EQ(p.label, e.prompt) << e.caption;
            } else {
                EXPECT_EQ(p.value, "-1") << e.caption;
                EXPECT_EQ(p.label, e.slot == 4 && i == 2 ? kWaypointLabel : kParameterLabels[i]) << e.caption;
            }
        }
        EXPECT_EQ(fill.focusParameter, named < 0 ? std::nullopt : std::optional<std::size_t>(named)) << e.caption;
    };
    for (const MenuItem& e : kEvents)
        check(TriggerPart::Event, e);
    for (const MenuItem& e : kActions)
        check(TriggerPart::Action, e);
}

} // namespace
} // namespace vexa
