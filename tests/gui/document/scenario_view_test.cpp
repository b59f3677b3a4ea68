#include "gui/document/scenario_view.h"
#include "gui/document/wrapping_tab_bar.h"

#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace vexa;

TEST(ScenarioView, TabsPanesAndFieldsHaveTheirNames)
{
    ScenarioView view;
    ASSERT_EQ(view.count(), 18);
    EXPECT_EQ(view.tabText(0), "Rules");
    EXPECT_EQ(view.tabText(3), "Country information");
    EXPECT_EQ(view.tabText(13), "[CellTriggers]");
    EXPECT_EQ(view.widget(12)->objectName(), "waypoints");
    EXPECT_EQ(view.currentIndex(), 1);
    auto* memo = view.findChild<QPlainTextEdit*>("Memo14");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo, view.paneEditor(PaneId::CellTriggers));
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(view.isPaneEditor(memo));
    EXPECT_FALSE(view.isPaneEditor(view.findChild<QLineEdit*>("Edit2")));
    for (const FieldInfo& field : kFields)
        EXPECT_NE(view.findChild<QWidget*>(QString::fromLatin1(field.component.data(), field.component.size())), nullptr);
    EXPECT_EQ(view.findChild<QCheckBox*>("CheckBox9")->text(), "EndOfGame:");
}

TEST(ScenarioView, PickingAListItemPutsItsWholeTextInTheField)
{
    ScenarioView view;
    auto* intro = view.findChild<QComboBox*>("ComboBox1");
    ASSERT_EQ(intro->count(), 97);
    intro->setCurrentIndex(1);
    EXPECT_TRUE(view.fieldText(FieldId::Intro).startsWith("AAGUN "));
    EXPECT_TRUE(view.fieldText(FieldId::Intro).contains("; "));
    auto* theater = view.findChild<QComboBox*>("ComboBox6");
    EXPECT_EQ(theater->itemText(2), "INTERIOR");
    theater->lineEdit()->setText("snow");
    const auto snapshot = std::get<Scenario>(view.snapshot());
    EXPECT_EQ(snapshot.field(FieldId::Theater), "snow");
    EXPECT_EQ(snapshot.field(FieldId::Intro).substr(0, 6), "AAGUN ");
}

TEST(ScenarioView, LoadAndSnapshotAgree)
{
    Scenario scenario;
    scenario.field(FieldId::Player) = "PROLOG";
    scenario.flag(FlagId::TruckCrate) = true;
    scenario.pane(PaneId::Base) = MemoryPane("Player=Greece\nCount=0\n");
    scenario.pane(PaneId::Trigs) = MemoryPane("\n");
    ScenarioView view;
    view.load(scenario);
    EXPECT_EQ(std::get<Scenario>(view.snapshot()), scenario);
    view.clear();
    EXPECT_EQ(std::get<Scenario>(view.snapshot()), Scenario{});
    EXPECT_EQ(view.findChild<QComboBox*>("ComboBox8")->count(), 20);
}

TEST(WrappingTabs, RowsWrapAtTheWidthAndClicksChooseThePage)
{
    ScenarioView view;
    WrappingTabBar& tabs = *view.tabBar();
    const int oneRow = tabs.heightForWidth(tabs.sizeHint().width());
    EXPECT_GE(tabs.heightForWidth(400), 3 * oneRow);
    view.resize(400, 500);
    view.show();
    EXPECT_GT(tabs.tabRect(17).top(), tabs.tabRect(0).top()) << "the last tab stands on a lower row";
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(14).center());
    EXPECT_EQ(view.currentWidget()->objectName(), "trigs");
    EXPECT_TRUE(view.paneEditor(PaneId::Trigs)->isVisible());
}

TEST(ScenarioView, TypedTextStaysAsTypedInAListField)
{
    ScenarioView view;
    view.show();
    QApplication::setActiveWindow(&view);
    auto* intro = view.findChild<QComboBox*>("ComboBox1");
    intro->setFocus();
    QTest::keyClicks(intro->lineEdit(), "ALLY1");
    QTest::keyClick(intro, Qt::Key_Tab);
    EXPECT_EQ(view.fieldText(FieldId::Intro), "ALLY1") << "no completion from the list";
    auto* theater = view.findChild<QComboBox*>("ComboBox6");
    theater->setFocus();
    QTest::keyClicks(theater->lineEdit(), "TEMP");
    QTest::keyClick(theater, Qt::Key_Return);
    EXPECT_EQ(view.fieldText(FieldId::Theater), "TEMP");
    EXPECT_EQ(theater->count(), 3) << "Enter adds nothing to the list";
}
