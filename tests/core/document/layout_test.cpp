#include "core/document/countries.h"
#include "core/document/layout.h"
#include "core/document/value_lists.h"

#include <gtest/gtest.h>

#include <set>

using namespace vexa;

TEST(Layout, EveryPaneHasOneTabWithAUniqueMemo)
{
    std::set<std::string_view> memos;
    for (std::size_t i = 0; i < kPaneCount; ++i) {
        const TabInfo& tab = tabOf(static_cast<PaneId>(i));
        EXPECT_EQ(tab.content, TabContent::Pane);
        memos.insert(tab.memoName);
    }
    EXPECT_EQ(memos.size(), kPaneCount);
    EXPECT_EQ(kTabs[1].caption, "[Basic]");
    EXPECT_EQ(kTabs[17].caption, "[OverlayPack]");
}

TEST(Layout, SectionHeadersFindTheirPanes)
{
    EXPECT_EQ(sectionPaneFor("[CellTriggers]"), PaneId::CellTriggers);
    EXPECT_EQ(sectionPaneFor("[Celltriggers]"), std::nullopt);
    EXPECT_EQ(sectionPaneFor("Rules"), std::nullopt);
    EXPECT_EQ(sectionPaneFor("Country information"), std::nullopt);
}

TEST(ValueLists, ItemsAlignTheirDescriptions)
{
    ASSERT_EQ(movieItems().size(), 97u);
    ASSERT_EQ(themeItems().size(), 22u);
    EXPECT_EQ(movieItems().front().substr(0, 6), "<none>");
    EXPECT_EQ(movieItems().back().substr(0, 8), "V2ROCKET");
    const std::size_t column = movieItems().front().find(';');
    for (const auto* list : {&movieItems(), &themeItems()}) {
        for (const std::string& item : *list) {
            const std::size_t key = item.find(' ');
            EXPECT_EQ(item.find(';'), column) << item;
            EXPECT_GE(column - key, 1u) << item;
            EXPECT_LE(column - key, 17u) << item;
            EXPECT_EQ(item.substr(column, 2), "; ") << item;
        }
    }
    EXPECT_EQ(choiceItems(ChoiceList::Countries).size(), kCountryCount);
    EXPECT_EQ(countryIndex("Multi8"), 19u);
}
