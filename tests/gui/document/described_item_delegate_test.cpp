#include "gui/document/described_item_delegate.h"

#include "core/document/value_lists.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QComboBox>
#include <QImage>
#include <QListView>
#include <QStringListModel>

#include <gtest/gtest.h>

using namespace vexa;

TEST(DescribedItems, SplitIntoKeyAndDescription)
{
    EXPECT_EQ(splitDescribedText("AAGUN     ; (Both disks) Anti-aircraft guns"),
              (DescribedText{"AAGUN", "; (Both disks) Anti-aircraft guns"}));
    EXPECT_EQ(splitDescribedText("<none>    ; a; b"), (DescribedText{"<none>", "; a; b"})) << "the first \";\" splits";
    EXPECT_EQ(splitDescribedText("KEY;x"), (DescribedText{"KEY", ";x"}));
    EXPECT_EQ(splitDescribedText("INTERIOR"), (DescribedText{"INTERIOR", ""}));
    EXPECT_EQ(splitDescribedText(""), (DescribedText{"", ""}));
}

namespace {

// The rightmost dark pixel of a row of a drawn list, or -1.
int rightmostInk(const QImage& image, const QRect& row)
{
    for (int x = row.right(); x >= row.left(); --x) {
        for (int y = row.top(); y <= row.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 128)
                return x;
        }
    }
    return -1;
}

} // namespace

// The same description after a narrow and a wide key ends at the same place only when
// both start in one column.
TEST(DescribedItems, DescriptionsStandInOneColumn)
{
    QStringListModel model({QStringLiteral("I       ; the same words"), QStringLiteral("WWWWWWW ; the same words")});
    QListView list;
    list.setModel(&model);
    list.setItemDelegate(new DescribedItemDelegate(&list));
    list.resize(600, 120);
    list.show();
    const QImage image = list.viewport()->grab().toImage();
    const int narrow = rightmostInk(image, list.visualRect(model.index(0, 0)));
    const int wide = rightmostInk(image, list.visualRect(model.index(1, 0)));
    ASSERT_GT(narrow, 0);
    EXPECT_EQ(narrow, wide);
}

// The lists are drawn in columns, but what is picked and saved is the item's own text.
TEST(DescribedItems, MovieAndThemeListsKeepTheirItemTexts)
{
    ScenarioView view;
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox7"}) {
        auto* combo = view.findChild<QComboBox*>(name);
        ASSERT_NE(combo, nullptr) << name;
        EXPECT_NE(qobject_cast<DescribedItemDelegate*>(combo->itemDelegate()), nullptr) << name;
        const auto& items = QString::fromLatin1(name) == "ComboBox7" ? themeItems() : movieItems();
        ASSERT_EQ(combo->count(), static_cast<int>(items.size())) << name;
        for (int row = 0; row < combo->count(); ++row)
            EXPECT_EQ(combo->itemText(row), decodeText(items[static_cast<std::size_t>(row)])) << name << " " << row;
    }
}
