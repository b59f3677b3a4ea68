#include "map/map_fixture.h"

#include "gui/map/map_view.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace vexa;

namespace {

const QByteArray kThingsScenario = "[Basic]\r\nName=Things\r\n"
                                   "[Map]\r\nX=0\r\nY=0\r\nWidth=128\r\nHeight=128\r\n"
                                   "[STRUCTURES]\r\n"
                                   "0=Greece,POWR,256,5000,0,None,1,0 ; by the river\r\n"
                                   "1=Greece,PROC,200,5130,64,Alarm,1,0\r\n"
                                   "[UNITS]\r\n"
                                   "0 = Greece, 1TNK ,256, 6000 ,0,Guard,None\r\n"
                                   "[Trigs]\r\nAlarm=0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";

class ThingEditingOnMap : public vexa::test::MapFixture {
protected:
    void openThings()
    {
        writeFile("things.mpr", kThingsScenario);
        desktop_.openAnswers.push_back(path("things.mpr"));
        choose("Load1");
        choose("Map1");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !map().document().contents().things.empty(); }));
    }

    void clickOn(std::int32_t cell) const { QTest::mouseClick(&canvas(), Qt::LeftButton, {}, centreOf(cell)); }

    // Types into a field of the properties panel and presses Enter.
    void typeInto(const char* field, const QString& text) const
    {
        auto* edit = child<QLineEdit>(map(), field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

} // namespace

// Row 39: 5000 is column 8; 5130 is row 40, column 10; 6000 row 46, column 112.
TEST_F(ThingEditingOnMap, PropertiesPlacingAndPastingWriteOnlyTheirOwnLines)
{
    openThings();
    choose("Save1");
    QByteArray expected = readFile("things.mpr");
    clickOn(6000);
    auto* health = child<QLineEdit>(map(), "ThingHealth");
    EXPECT_EQ(health->text(), "256");
    EXPECT_EQ(child<QComboBox>(map(), "ThingOrder")->currentText(), "Guard");
    typeInto("ThingHealth", "300");
    EXPECT_EQ(child<QLabel>(map(), "ThingHealthReason")->text(), "Health is a whole number from 0 to 256.");
    EXPECT_EQ(paneLines(PaneId::Units)[0], "0 = Greece, 1TNK ,256, 6000 ,0,Guard,None");
    typeInto("ThingHealth", "128");
    EXPECT_EQ(paneLines(PaneId::Units)[0], "0 = Greece, 1TNK ,128, 6000 ,0,Guard,None");
    choose("Save1");
    expected.replace(" 1TNK ,256,", " 1TNK ,128,");
    EXPECT_EQ(readFile("things.mpr"), expected) << "only that field differs";

    // The Place tool writes what the structures' Create writes, with the health last used.
    child<QAction>(map(), "PlaceTool")->trigger();
    auto* types = child<QComboBox>(map(), "PlaceType");
    types->setCurrentIndex(types->findText(QStringLiteral("(WEAP)"), Qt::MatchEndsWith));
    clickOn(7000);
    EXPECT_EQ(paneLines(PaneId::Structures).back(), "2=Multi1,WEAP,128,7000,0,None,1,0");
    QTest::keyClick(&canvas(), Qt::Key_Escape);
    EXPECT_TRUE(child<QAction>(map(), "SelectTool")->isChecked());

    // A band around the two first structures, copied and pasted ten columns on.
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, centreOf(5000 - 129));
    sendMouse(QEvent::MouseMove, centreOf(5131 + 128), Qt::NoButton, Qt::LeftButton);
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, centreOf(5131 + 128));
    ASSERT_EQ(map().selectionText(), "2 things");
    child<QAction>(map(), "MapCopy")->trigger();
    // The paste takes the click whatever tool is on: here the terrain brush.
    child<QAction>(map(), "TerrainTool")->trigger();
    child<QAction>(map(), "MapPaste")->trigger();
    sendMouse(QEvent::MouseMove, centreOf(5010), Qt::NoButton, Qt::NoButton);
    clickOn(5010);
    const auto lines = paneLines(PaneId::Structures);
    ASSERT_EQ(lines.size(), 5u) << map().statusText().toStdString();
    EXPECT_EQ(lines[3], "3=Greece,POWR,256,5010,0,None,1,0 ; by the river");
    EXPECT_EQ(lines[4], "4=Greece,PROC,200,5140,64,Alarm,1,0");
    EXPECT_EQ(map().selectionText(), "2 things") << "the pasted things are selected";
}

// A line taken out above a selected thing: whoever hears of the new contents finds the
// selection already fitting them, not pointing into the old list.
TEST_F(ThingEditingOnMap, NewContentsComeWithTheSelectionThatFitsThem)
{
    openThings();
    clickOn(5130);
    MapDocument& document = map().document();
    ASSERT_EQ(document.selectionText(), "Structure PROC (Greece), [STRUCTURES] line 1");
    std::vector<PlacedThing> heard;
    QObject::connect(&document, &MapDocument::contentsChanged, &document,
                     [&] { heard = document.selectedThings(); });
    setPaneText(PaneId::Structures, QStringLiteral("0=Greece,PROC,200,5130,64,Alarm,1,0\n"));
    document.refresh();
    EXPECT_EQ(heard, document.selectedThings());
    EXPECT_TRUE(child<QLineEdit>(map(), "ThingHealth")->text().isEmpty());
}
