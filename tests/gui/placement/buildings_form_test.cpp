#include "placement_fixture.h"

#include "core/placement/building_types.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <algorithm>

using namespace vexa;
using vexa::test::PlacementFixture;

namespace {

using Lines = std::vector<std::string>;

class BuildingsForm : public PlacementFixture {
protected:
    QComboBox* country() const { return form<QComboBox>("ComboBox1"); }
    QLineEdit* type() const { return form<QLineEdit>("Edit2"); }
    QLabel* typeCaption() const { return form<QLabel>("Label9"); }
    QLineEdit* health() const { return form<QLineEdit>("Edit3"); }
    QSlider* trackBar() const { return form<QSlider>("TrackBar1"); }
    QComboBox* direction() const { return form<QComboBox>("ComboBox2"); }
    QLineEdit* first() const { return form<QLineEdit>("Edit4"); }
    QLineEdit* last() const { return form<QLineEdit>("Edit5"); }
    QLineEdit* spacing() const { return form<QLineEdit>("Edit6"); }
    QComboBox* trigger() const { return form<QComboBox>("ComboBox3"); }
    QCheckBox* repair() const { return form<QCheckBox>("CheckBox2"); }
    QLineEdit* comment() const { return form<QLineEdit>("Edit1"); }
    QCheckBox* addToBase() const { return form<QCheckBox>("CheckBox1"); }
    QRadioButton* compass(int number) const
    {
        return form<QRadioButton>(QStringLiteral("RadioButton%1").arg(number).toLatin1().constData());
    }
    void create() const { click(form<QPushButton>("BitBtn1")); }

    std::vector<int> compassSet() const { return setCompassButtons(buildings()); }

    void expectRowFieldsStartAfresh() const
    {
        EXPECT_TRUE(type()->text().isEmpty());
        EXPECT_TRUE(typeCaption()->text().isEmpty());
        EXPECT_EQ(health()->text(), "256");
        EXPECT_EQ(trackBar()->value(), 256);
        EXPECT_EQ(direction()->currentText(), "0");
        EXPECT_EQ(compassSet(), std::vector<int>{1});
        EXPECT_TRUE(first()->text().isEmpty());
        EXPECT_TRUE(last()->text().isEmpty());
        EXPECT_TRUE(spacing()->text().isEmpty());
        EXPECT_EQ(trigger()->currentText(), "None");
    }
};

} // namespace

TEST_F(BuildingsForm, WorkedExampleWritesStructuresAndBase)
{
    setPane(PaneId::Structures, "0=x\n; a comment\n\n");  // the blank line counts too
    ASSERT_EQ(paneLines(PaneId::Structures).size(), 3u);

    buildings().open();
    pick(country(), "Greece");
    EXPECT_EQ(country()->currentText(), "Greece");
    chooseType("Powerplant1");
    EXPECT_EQ(type()->text(), "POWR");
    EXPECT_EQ(typeCaption()->text(), "Power plant");
    EXPECT_EQ(spacing()->text(), "2");
    QTest::keyClicks(first(), "1000");
    EXPECT_EQ(last()->text(), "1000");
    typeOver(last(), "1004");
    click(addToBase());
    create();

    EXPECT_EQ(paneLines(PaneId::Structures), (Lines{
        "0=x", "; a comment", "",
        "3=Greece,POWR,256,1000,0,None,1,0",
        "4=Greece,POWR,256,1002,0,None,1,0",
        "5=Greece,POWR,256,1004,0,None,1,0",
    }));
    EXPECT_EQ(paneLines(PaneId::Base), (Lines{"Player=Greece", "Count=3", "000=POWR,1000", "001=POWR,1002", "002=POWR,1004"}));
    EXPECT_TRUE(desktop_.errors.isEmpty());
    EXPECT_TRUE(buildings().isVisible());
}

TEST_F(BuildingsForm, ARequiredTextLeftEmptyOrAZeroSpacingMakesCreateDoNothing)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ComboBox1", ""}, {"Edit2", ""}, {"Edit3", ""}, {"ComboBox2", ""}, {"Edit4", ""},
        {"Edit5", ""}, {"Edit6", ""}, {"ComboBox3", ""}, {"Edit6", "0"},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        fillPowerPlantRow("100", "104");
        click(addToBase());
        if (auto* chooser = buildings().findChild<QComboBox*>(name))
            typeOver(chooser, text);
        else
            typeOver(form<QLineEdit>(name), text);
        create();
        EXPECT_TRUE(paneLines(PaneId::Structures).empty());
        EXPECT_TRUE(paneLines(PaneId::Base).empty());
        EXPECT_EQ(type()->text() == "POWR", std::string_view(name) != "Edit2") << "nothing was reset";
    }
}

TEST_F(BuildingsForm, OverflowKeepsTheLinesSoFarAndTheFields)
{
    fillPowerPlantRow("2147483646", "2147483647");
    click(addToBase());
    typeOver(comment(), "edge");
    create();
    EXPECT_EQ(desktop_.errors, QStringList{"Heltalsspill."});
    EXPECT_EQ(paneLines(PaneId::Structures), Lines{"0=Greece,POWR,256,2147483646,0,None,1,0 ; edge"});
    EXPECT_EQ(paneLines(PaneId::Base), (Lines{"Player=", "Count=0", "000=POWR,2147483646"}));
    EXPECT_EQ(first()->text(), "2147483646");
    EXPECT_EQ(comment()->text(), "edge");
}

TEST_F(BuildingsForm, AfterCreateTheRowFieldsStartAfreshAndTheRestStays)
{
    setPane(PaneId::Trigs, "alarm=1,2\n");
    fillPowerPlantRow("1", "1");
    typeOver(type(), "gun ");
    pick(trigger(), "alarm");
    pick(direction(), "96");
    typeOver(health(), "100");
    click(repair());
    click(addToBase());
    typeOver(comment(), "c");
    setPane(PaneId::Trigs, "alarm=1,2\nflood=3\n");
    create();
    ASSERT_EQ(paneLines(PaneId::Structures), Lines{"0=Greece,gun ,100,1,96,alarm,1,1 ; c"});

    expectRowFieldsStartAfresh();
    EXPECT_TRUE(comment()->text().isEmpty());
    EXPECT_EQ(country()->currentText(), "Greece");
    EXPECT_TRUE(repair()->isChecked());
    EXPECT_TRUE(addToBase()->isChecked());
    EXPECT_EQ(itemsOf(trigger()), QStringList{"alarm"});
    EXPECT_TRUE(buildings().isVisible());
}

TEST_F(BuildingsForm, OpeningStartsAfreshButKeepsTheComment)
{
    fillPowerPlantRow("1", "3");
    click(repair());
    click(addToBase());
    QTest::keyClicks(comment(), "kept");
    click(compass(5));
    buildings().open();

    expectRowFieldsStartAfresh();
    EXPECT_TRUE(country()->currentText().isEmpty());
    EXPECT_FALSE(repair()->isChecked());
    EXPECT_FALSE(addToBase()->isChecked());
    EXPECT_EQ(comment()->text(), "kept");
}

TEST_F(BuildingsForm, TheTriggerListComesFromTheTriggerPaneOnOpeningOnly)
{
    setPane(PaneId::Trigs, ";c\n\ntr1=0,1,2\n=x,y\nno equals sign\n");
    buildings().open();
    EXPECT_EQ(itemsOf(trigger()), (QStringList{"tr1", ""}));
    EXPECT_EQ(trigger()->currentText(), "None");

    setPane(PaneId::Trigs, "later=1\n");
    EXPECT_EQ(itemsOf(trigger()), (QStringList{"tr1", ""}));
    buildings().open();
    EXPECT_EQ(itemsOf(trigger()), QStringList{"later"});
}

TEST_F(BuildingsForm, HealthTextMovesTheTrackBarAndTheTrackBarWritesTheText)
{
    buildings().open();
    for (const auto& [text, position] : {std::pair{"300", 256}, {"abc", 0}, {"100", 100}}) {
        typeOver(health(), text);
        EXPECT_EQ(trackBar()->value(), position);
        EXPECT_EQ(health()->text(), text);
    }
    trackBar()->triggerAction(QSlider::SliderPageStepAdd);
    EXPECT_EQ(health()->text(), "116");
    QTest::keyClick(trackBar(), Qt::Key_Home);
    EXPECT_EQ(health()->text(), "0");
}

TEST_F(BuildingsForm, CompassAndDirectionChooser)
{
    buildings().open();
    const char* const values[] = {"0", "32", "64", "96", "128", "160", "192", "224"};
    for (int number = 8; number >= 1; --number) {
        click(compass(number));
        EXPECT_EQ(direction()->currentText(), values[number - 1]);
        EXPECT_EQ(compassSet(), std::vector<int>{number});
    }
    click(compass(3));
    click(compass(3));  // a set button stays set
    EXPECT_EQ(compassSet(), std::vector<int>{3});
    EXPECT_EQ(direction()->currentText(), "64");

    typeOver(direction(), "40");
    EXPECT_TRUE(compassSet().empty());
    EXPECT_EQ(direction()->currentText(), "40");

    click(compass(7));
    pick(direction(), "16");
    EXPECT_TRUE(compassSet().empty());
    EXPECT_EQ(direction()->currentText(), "16");
}

TEST_F(BuildingsForm, TypeMenu)
{
    buildings().open();
    const QSize size = buildings().size();
    typeOver(spacing(), "9");
    chooseType("Flameturret1");
    EXPECT_EQ(type()->text(), "FTUR");
    EXPECT_EQ(typeCaption()->text(), "Flame turret");
    EXPECT_EQ(spacing()->text(), "1");
    typeOver(type(), "XYZ");
    EXPECT_EQ(typeCaption()->text(), "Flame turret");

    // Every entry carries its own row of the table, and no caption makes the form grow.
    const QList<QAction*> actions = buildings().findChildren<QAction*>();
    for (const MenuItem* entry : menuEntries(buildingTypeMenus())) {
        const auto action = std::find_if(actions.begin(), actions.end(), [&](QAction* a) {
            return a->text().toStdString() == entry->caption;
        });
        ASSERT_NE(action, actions.end()) << entry->caption;
        (*action)->trigger();
        QApplication::processEvents();
        EXPECT_EQ(type()->text().toStdString(), entry->code);
        EXPECT_EQ(spacing()->text().toStdString(), std::to_string(*entry->spacing));
        EXPECT_EQ(buildings().size(), size) << entry->caption;
    }
}

TEST_F(BuildingsForm, KeysButtonsAndTheCloseBox)
{
    fillPowerPlantRow("10", "12");
    QTest::keyClick(last(), Qt::Key_Return);
    fillPowerPlantRow("20", "20");
    QTest::keyClick(country()->lineEdit(), Qt::Key_Return);
    QTest::keyClick(country()->lineEdit(), Qt::Key_Return);  // the row fields are empty again: nothing more
    EXPECT_EQ(paneLines(PaneId::Structures), (Lines{
        "0=Greece,POWR,256,10,0,None,1,0",
        "1=Greece,POWR,256,12,0,None,1,0",
        "2=Greece,POWR,256,20,0,None,1,0",
    }));
    EXPECT_EQ(country()->count(), 20) << "Enter adds nothing to the list";

    click(form<QPushButton>("BitBtn2"));
    EXPECT_FALSE(buildings().isVisible());
    buildings().open();
    QTest::keyClick(spacing(), Qt::Key_Escape);
    EXPECT_FALSE(buildings().isVisible());
    buildings().open();
    QTest::keyClicks(comment(), "still here");
    EXPECT_TRUE(buildings().close());
    EXPECT_FALSE(buildings().isVisible());
    EXPECT_EQ(comment()->text(), "still here");
}

TEST_F(BuildingsForm, FieldsTakeOnlyCharactersAFileCanHold)
{
    buildings().open();
    for (const QChar c : QStringLiteral("caf\u00e9 \u2192 \u20ac")) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(comment(), &key);
    }
    EXPECT_EQ(comment()->text(), QStringLiteral("caf\u00e9  \u20ac"));
}
