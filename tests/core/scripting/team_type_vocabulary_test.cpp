#include "core/scripting/team_type_vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace vexa {
namespace {

std::vector<std::string> captionsOf(const MenuTable& items)
{
    std::vector<std::string> captions;
    for (const MenuItem& item : items)
        captions.push_back(item.caption);
    return captions;
}

const MenuItem& order(std::size_t code) { return teamOrders().at(code); }

TEST(TeamTypeTables, MenuBarOffersCountriesUnitTypeAndOrders)
{
    const MenuTable& bar = teamTypeMenuBar();
    ASSERT_EQ(bar.size(), kTeamTypeMenuCount);
    EXPECT_EQ(captionsOf(bar), (std::vector<std::string>{"Countries", "Unit type", "Orders"}));
    EXPECT_EQ(bar[static_cast<std::size_t>(TeamTypeMenu::Countries)].children, countryEntries());
    EXPECT_EQ(bar[static_cast<std::size_t>(TeamTypeMenu::UnitType)].children, teamUnitTypes());
    EXPECT_EQ(bar[static_cast<std::size_t>(TeamTypeMenu::Orders)].children, teamOrders());
}

TEST(TeamTypeTables, UnitTypesFillAlliedSovietAndBoth)
{
    const MenuTable& menus = teamUnitTypes();
    EXPECT_EQ(captionsOf(menus), (std::vector<std::string>{"Allied", "Soviet", "Both"}));
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_EQ(menus[0].children.size(), 6u);
    EXPECT_EQ(menus[1].children.size(), 3u);
    EXPECT_EQ(menus[2].children.size(), 5u);

    const std::vector<const MenuItem*> entries = menuEntries(menus);
    for (const MenuItem* entry : entries) {
        EXPECT_FALSE(entry->code.empty()) << entry->caption;
        EXPECT_FALSE(entry->spacing) << entry->caption;
    }
    EXPECT_EQ(entries.front()->caption, "APC");
    EXPECT_EQ(entries.front()->code, "APC");
    EXPECT_EQ(entries[1]->caption, "Light tank");
    EXPECT_EQ(entries[1]->code, "1TNK");
    EXPECT_EQ(entries.back()->caption, "Ore truck");
    EXPECT_EQ(entries.back()->code, "HARV");
}

// This menu spells it correctly; the units placement dialog keeps its own "Scud launcer".
TEST(TeamTypeTables, ScudLauncherIsSpelledInFull)
{
    const MenuItem& scud = teamUnitTypes().at(1).children.at(2);
    EXPECT_EQ(scud.caption, "Scud launcher");
    EXPECT_EQ(scud.code, "V2RL");
}

TEST(TeamTypeTables, OrdersRunFrom0To14)
{
    const MenuTable& orders = teamOrders();
    ASSERT_EQ(orders.size(), kTeamOrderCount);
    for (std::size_t code = 0; code < orders.size(); ++code) {
        EXPECT_EQ(orders[code].code, std::to_string(code));
        EXPECT_FALSE(orders[code].isSubmenu());
    }
    EXPECT_EQ(order(0).caption, "Attack (Country ID)");
    EXPECT_EQ(order(5).caption, "Attack tarcom (Might not work)");
    EXPECT_EQ(order(13).caption, "Spy on building @ waypoint (Waypoint ID)");
    EXPECT_EQ(order(14).caption, "Patrol to waypoint (Waypoint ID)");
}

TEST(TeamTypeTables, OnlyOrdersNeedingNoParameterFixItAtZero)
{
    const std::vector<std::size_t> fixed = {2, 5, 6, 7, 8, 11, 12};
    for (std::size_t code = 0; code < kTeamOrderCount; ++code) {
        const bool isFixed = std::find(fixed.begin(), fixed.end(), code) != fixed.end();
        EXPECT_EQ(order(code).fixedParameter, isFixed ? "0" : "") << order(code).caption;
        EXPECT_EQ(order(code).slot, 0) << order(code).caption;
        EXPECT_EQ(order(code).prompt, "") << order(code).caption;
    }
}

TEST(OrderChoice, AFixedParameterFillsTheFieldAndKeepsTheFocus)
{
    const OrderFill unload = fillOrder(order(6));
    EXPECT_EQ(unload.code, "6");
    EXPECT_EQ(unload.parameter, "0");
    EXPECT_FALSE(unload.focusParameter());
}

TEST(OrderChoice, WithoutOneTheParameterIsLeftAloneAndFocused)
{
    const OrderFill moveToCell = fillOrder(order(4));
    EXPECT_EQ(moveToCell.code, "4");
    EXPECT_FALSE(moveToCell.parameter);
    EXPECT_TRUE(moveToCell.focusParameter());
}

// Each caption names bit 1 (hidden) and bit 4 (autocreated); bit 2 has no name.
TEST(HiddenAutocreate, CaptionsNameTheHiddenAndAutocreatedBits)
{
    for (std::size_t value = 0; value < kHiddenAutocreateCaptions.size(); ++value) {
        const std::string expected = std::string((value & 1) ? "Hidden" : "Not hidden") + ", " +
                                     ((value & 4) ? "autocreated" : "not autocreated");
        EXPECT_EQ(kHiddenAutocreateCaptions[value], expected) << value;
    }
}

TEST(HiddenAutocreate, SelectingAButtonWritesItsValue)
{
    EXPECT_EQ(selectHiddenAutocreate(0), (HiddenAutocreateState{0, "0"}));
    EXPECT_EQ(selectHiddenAutocreate(7), (HiddenAutocreateState{7, "7"}));
}

TEST(HiddenAutocreate, ANumberFrom0To7SelectsItsButtonAndIsWrittenBack)
{
    EXPECT_EQ(hiddenAutocreateAfterEdit("5", std::nullopt), (HiddenAutocreateState{5, "5"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("05", 2), (HiddenAutocreateState{5, "5"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("0", 3), (HiddenAutocreateState{0, "0"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("7", 0), (HiddenAutocreateState{7, "7"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("$6", 0), (HiddenAutocreateState{6, "6"}));
}

TEST(HiddenAutocreate, TextOfTheAlreadySelectedButtonStaysAsTyped)
{
    EXPECT_EQ(hiddenAutocreateAfterEdit("05", 5), (HiddenAutocreateState{5, "05"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("+7", 7), (HiddenAutocreateState{7, "+7"}));
}

TEST(HiddenAutocreate, AnyOtherNumberSelectsNoButtonAndStaysAsTyped)
{
    EXPECT_EQ(hiddenAutocreateAfterEdit("8", 3), (HiddenAutocreateState{std::nullopt, "8"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("9", 0), (HiddenAutocreateState{std::nullopt, "9"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("-1", 0), (HiddenAutocreateState{std::nullopt, "-1"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("-1", std::nullopt), (HiddenAutocreateState{std::nullopt, "-1"}));
}

// Text that is no number reads as 0, so it selects the first button like "0" would.
TEST(HiddenAutocreate, TextThatIsNoNumberCountsAsZero)
{
    EXPECT_EQ(hiddenAutocreateAfterEdit("abc", 3), (HiddenAutocreateState{0, "0"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("abc", std::nullopt), (HiddenAutocreateState{0, "0"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("abc", 0), (HiddenAutocreateState{0, "abc"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("5 ", 5), (HiddenAutocreateState{0, "0"}));
    EXPECT_EQ(hiddenAutocreateAfterEdit("", 0), (HiddenAutocreateState{0, ""}));
}

} // namespace
} // namespace vexa
