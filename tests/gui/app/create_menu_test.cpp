#include "editor_fixture.h"

#include "gui/placement/buildings_form.h"
#include "gui/placement/position_calculator.h"
#include "gui/scripting/trigger_form.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace vexa;
using vexa::test::EditorFixture;

namespace {

class CreateMenu : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditor();
    }
    void type(QWidget& window, const char* field, const QString& text)
    {
        auto* edit = child<QLineEdit>(window, field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void chooseIn(QWidget& window, const char* action)
    {
        child<QAction>(window, action)->trigger();
    }
    void press(QWidget& window, const char* button) { child<QPushButton>(window, button)->click(); }
};

} // namespace

TEST_F(CreateMenu, EveryEntryIsEnabled)
{
    for (const CreateEntry entry :
         {CreateEntry::Buildings, CreateEntry::Celltriggers, CreateEntry::Country, CreateEntry::Infantry,
          CreateEntry::Overlay, CreateEntry::Ships, CreateEntry::Smudge, CreateEntry::Terrain, CreateEntry::Triggers,
          CreateEntry::TeamTypes, CreateEntry::Units, CreateEntry::Waypoints})
        EXPECT_TRUE(main().createAction(entry)->isEnabled());
}

TEST_F(CreateMenu, ChoosingAnEntryTwiceKeepsOneDialogAndResetsIt)
{
    choose("Skapabyggnader1");
    TForm2& buildings = app_->buildingsDialog();
    EXPECT_TRUE(buildings.isVisible());
    type(buildings, "Edit4", "77");
    choose("Skapabyggnader1");
    EXPECT_TRUE(buildings.isVisible());
    EXPECT_TRUE(child<QLineEdit>(buildings, "Edit4")->text().isEmpty());
    EXPECT_EQ(main().findChildren<TForm2*>().size(), 1);
    EXPECT_TRUE(main().isEnabled()) << "the dialogs never block the main window";
}

TEST_F(CreateMenu, RowOfBuildingsFromTheMainMenu)
{
    setPaneText(PaneId::Structures, "; three lines\n0=Spain,GUN,256,1,0,None,1,0\n\n");
    choose("Skapabyggnader1");
    TForm2& dialog = app_->buildingsDialog();
    child<QComboBox>(dialog, "ComboBox1")->setCurrentText("Greece");
    chooseIn(dialog, "Powerplant1");
    press(dialog, "Button4");
    TForm9& calculator = app_->positionCalculator();
    type(calculator, "Edit1", "1000");
    press(calculator, "BitBtn1");
    EXPECT_EQ(child<QLineEdit>(dialog, "Edit5")->text(), "1000") << "the first position is mirrored";
    type(dialog, "Edit5", "1004");
    child<QCheckBox>(dialog, "CheckBox1")->setChecked(true);
    press(dialog, "BitBtn1");
    EXPECT_EQ(paneLines(PaneId::Structures),
              (std::vector<std::string>{"; three lines", "0=Spain,GUN,256,1,0,None,1,0", "",
                                        "3=Greece,POWR,256,1000,0,None,1,0", "4=Greece,POWR,256,1002,0,None,1,0",
                                        "5=Greece,POWR,256,1004,0,None,1,0"}));
    EXPECT_EQ(paneLines(PaneId::Base), (std::vector<std::string>{"Player=Greece", "Count=3", "000=POWR,1000",
                                                                 "001=POWR,1002", "002=POWR,1004"}));
}

TEST_F(CreateMenu, ComposedTriggersAreOfferedWhenTheBuildingsDialogNextOpens)
{
    choose("Triggers1");
    TForm13& composer = app_->triggersDialog();
    ASSERT_TRUE(composer.isVisible());
    type(composer, "Edit1", "alpha");
    chooseIn(composer, "Greece1");
    for (const char* entry : {"Noevent1", "Noevent2", "Noaction1", "Noaction2"})
        chooseIn(composer, entry);
    press(composer, "BitBtn1");
    EXPECT_EQ(paneLines(PaneId::Trigs),
              (std::vector<std::string>{"alpha=0,1,0,0,0,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1"}));

    choose("Skapabyggnader1");
    auto* trigger = child<QComboBox>(app_->buildingsDialog(), "ComboBox3");
    EXPECT_EQ(trigger->currentText(), "None");
    ASSERT_EQ(trigger->count(), 1);
    EXPECT_EQ(trigger->itemText(0), "alpha");
}

TEST_F(CreateMenu, OverflowIsReportedInTheErrorBox)
{
    choose("Skapabyggnader1");
    TForm2& dialog = app_->buildingsDialog();
    child<QComboBox>(dialog, "ComboBox1")->setCurrentText("Spain");
    chooseIn(dialog, "Gunturret1");
    type(dialog, "Edit4", "2147483646");
    type(dialog, "Edit5", "2147483647");
    press(dialog, "BitBtn1");
    EXPECT_EQ(desktop_.errors, QStringList{"Heltalsspill."});
    EXPECT_EQ(paneLines(PaneId::Structures).size(), 2u) << "the lines placed before the overflow stay";
}
