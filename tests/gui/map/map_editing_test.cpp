#include "map/map_fixture.h"

#include "core/document/reader.h"
#include "core/ground/ground.h"
#include "core/ground/pack.h"
#include "gui/document/scenario_view.h"
#include "gui/map/map_view.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace vexa;

namespace {

const QByteArray kScenario = "[Basic]\r\nName=Editing\r\n"
                             "[Map]\r\nX=0\r\nY=0\r\nWidth=128\r\nHeight=128\r\n"
                             "[STRUCTURES]\r\n"
                             "0 = Greece, POWR ,256, 5000 ,0,None,1,0 ; by the river\r\n"
                             "1=Greece,PROC,256,5010,0,None,1,0\r\n"
                             "2=Greece,WEAP,256,5020,0,None,1,0\r\n"
                             "[Base]\r\nPlayer=Greece\r\nCount=2\r\n000=POWR,5000\r\n001=PROC,5010\r\n"
                             "[SMUDGE]\r\n5260=CR1,5260,0\r\n";

class MapEditing : public vexa::test::MapFixture {
protected:
    // Opens the scenario from a file and the map on it.
    void openScenario()
    {
        writeFile("editing.mpr", kScenario);
        desktop_.openAnswers.push_back(path("editing.mpr"));
        choose("Load1");
        choose("Map1");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !map().document().contents().things.empty(); }));
    }

    // Presses on one cell and moves to the other in a few steps, holding the button.
    void dragWithoutLettingGo(std::int32_t from, std::int32_t to, Qt::MouseButton button = Qt::LeftButton,
                              Qt::KeyboardModifiers keys = {}) const
    {
        const QPoint start = centreOf(from);
        const QPoint end = centreOf(to);
        sendMouse(QEvent::MouseButtonPress, start, button, button, keys);
        for (int step = 1; step <= 4; ++step)
            sendMouse(QEvent::MouseMove, start + (end - start) * step / 4, Qt::NoButton, button, keys);
    }

    void letGo(std::int32_t at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) const
    {
        sendMouse(QEvent::MouseButtonRelease, centreOf(at), button, Qt::NoButton, keys);
    }

    void drag(std::int32_t from, std::int32_t to, Qt::MouseButton button = Qt::LeftButton,
              Qt::KeyboardModifiers keys = {}) const
    {
        dragWithoutLettingGo(from, to, button, keys);
        letGo(to, button, keys);
    }


    void clickCell(std::int32_t cell, Qt::KeyboardModifiers keys = {}) const
    {
        QTest::mouseClick(&canvas(), Qt::LeftButton, keys, centreOf(cell));
    }

    void press(const char* shortcut) const { child<QAction>(map(), shortcut)->trigger(); }

    // Chooses an entry of the brush's overlays as the user does: in the list it opens.
    void chooseOverlay(const QString& caption) const
    {
        auto* overlays = child<QComboBox>(map(), "BrushOverlay");
        overlays->showPopup();
        QAbstractItemView* list = overlays->view();
        const QModelIndex entry = list->model()->index(overlays->findText(caption), 0);
        list->setCurrentIndex(entry);
        QTest::keyClick(list, Qt::Key_Return);
    }

    bool fitted() const
    {
        const MapFrame fit = fittingFrame(map().document().contents(), canvas().size());
        return canvas().frame().cellSize == fit.cellSize && canvas().frame().origin == fit.origin;
    }
};

// Row 39 of the map: 5000 is column 8, 5010 column 18, 5020 column 28; the smudge at 5260
// stands in row 41, column 12.
TEST_F(MapEditing, SelectMoveAndSaveRewriteOnlyTheCells)
{
    openScenario();
    clickCell(5000);
    EXPECT_EQ(map().selectionText(), "Structure POWR (Greece), [STRUCTURES] line 0");
    clickCell(5000);
    EXPECT_EQ(map().selectionText(), "Base entry POWR (Greece), [Base] line 2") << "the next one down";
    clickCell(5000);
    ASSERT_EQ(map().selectionText(), "Structure POWR (Greece), [STRUCTURES] line 0") << "and round again";
    QTest::keyClick(&map(), Qt::Key_Escape);
    EXPECT_EQ(map().selectionText(), "");
    EXPECT_TRUE(map().isVisible()) << "Esc cleared the selection first";
    click(child<QCheckBox>(map(), "ShowStructure"));
    clickCell(5000);
    clickCell(5000);
    EXPECT_EQ(map().selectionText(), "Base entry POWR (Greece), [Base] line 2") << "a hidden kind is never selected";
    click(child<QCheckBox>(map(), "ShowStructure"));
    clickCell(5020);
    clickCell(5000);

    drag(5000, 5000 + 2 + kMapSide);
    EXPECT_EQ(paneLines(PaneId::Structures)[0], "0 = Greece, POWR ,256, 5130 ,0,None,1,0 ; by the river");
    EXPECT_EQ(paneLines(PaneId::Base)[2], "000=POWR,5000") << "the base entry was not selected";
    canvas().setFocus();
    QTest::keyClick(&canvas(), Qt::Key_Right);
    EXPECT_EQ(paneLines(PaneId::Structures)[0], "0 = Greece, POWR ,256, 5131 ,0,None,1,0 ; by the river");

    // Shift+click adds the smudge; a move that would take a thing off the map's left edge
    // changes nothing and says why.
    clickCell(5260, Qt::ShiftModifier);
    EXPECT_EQ(map().selectionText(), "2 things");
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(&canvas(), Qt::Key_Up);
    for (int i = 0; i < 11; ++i)
        QTest::keyClick(&canvas(), Qt::Key_Left);
    EXPECT_EQ(paneLines(PaneId::Smudge)[0], "4737=CR1,4737,0");
    QTest::keyClick(&canvas(), Qt::Key_Left);
    EXPECT_EQ(paneLines(PaneId::Smudge)[0], "4737=CR1,4737,0");
    EXPECT_TRUE(map().statusText().contains("would leave the map")) << map().statusText().toStdString();

    choose("Save1");
    const QByteArray saved = readFile("editing.mpr");
    EXPECT_TRUE(saved.contains("\r\n0 = Greece, POWR ,256, 4608 ,0,None,1,0 ; by the river\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("\r\n000=POWR,5000\r\n"));
    EXPECT_TRUE(saved.contains("\r\n4737=CR1,4737,0\r\n"));

    // A line typed above the structure puts another building on its line: the selection
    // keeps only the smudge.
    QTextCursor(pane(PaneId::Structures).document()).insertText(QStringLiteral("9=Greece,GUN,256,100,0,None,1,0\n"));
    map().refresh();
    EXPECT_EQ(map().selectionText(), "Smudge CR1, [SMUDGE] line 0");
}

// A rectangle over the first two structures takes them and their base entries; Delete
// takes their lines out, renumbers the structures and recounts the base. Ctrl+Z in the
// map undoes it in both panes, unless a pane has changed since.
TEST_F(MapEditing, DeleteRenumbersAndTheMapUndoesItWhileItIsTheNewestChange)
{
    openScenario();
    drag(5000 - kMapSide - 1, 5010 + kMapSide + 1);
    EXPECT_EQ(map().selectionText(), "4 things");
    canvas().setFocus();
    QTest::keyClick(&canvas(), Qt::Key_Delete);
    EXPECT_EQ(paneLines(PaneId::Structures), (std::vector<std::string>{"0=Greece,WEAP,256,5020,0,None,1,0"}));
    EXPECT_EQ(paneLines(PaneId::Base), (std::vector<std::string>{"Player=Greece", "Count=0"}));
    EXPECT_EQ(map().selectionText(), "");

    press("MapUndo");
    EXPECT_EQ(paneLines(PaneId::Structures).size(), 3u);
    EXPECT_EQ(paneLines(PaneId::Base).size(), 4u);
    press("MapRedo");
    EXPECT_EQ(paneLines(PaneId::Base), (std::vector<std::string>{"Player=Greece", "Count=0"}));

    QTextCursor cursor(pane(PaneId::Structures).document());
    cursor.insertText(QStringLiteral("; typed\n"));
    press("MapUndo");
    EXPECT_TRUE(map().statusText().startsWith("Cannot undo")) << map().statusText().toStdString();
    EXPECT_EQ(paneLines(PaneId::Base), (std::vector<std::string>{"Player=Greece", "Count=0"}));

    // The map's edits belong to the document they were made in.
    choose("Reverttosaved1");
    press("MapUndo");
    EXPECT_EQ(map().statusText(), "No map edit to undo");
}

// While dragging, the cells of the run show with the dialog's spacing; the dialog used
// last receives the positions.
TEST_F(MapEditing, CtrlDragFillsTheDialogUsedLastWhichThenCreatesTheRow)
{
    openScenario();
    QWidget& terrain = openForm("Terrain1", "TForm8");
    fillPowerPlantRow(QString(), QString());
    typeOver(form<QLineEdit>("Edit6"), QString());
    drag(6000, 6006, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(map().statusText().toStdString(), "First position 6000, last position 6006 in Create buildings: "
                                                "its spacing is missing; type one, then press Create");
    typeOver(form<QLineEdit>("Edit6"), QStringLiteral("2"));
    const QColor ground = colourAt(6002);

    dragWithoutLettingGo(6000, 6006, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_NE(colourAt(6002), ground) << "a cell of the run";
    EXPECT_EQ(colourAt(6003), ground) << "a cell the spacing steps over";
    letGo(6006, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(colourAt(6002), ground);
    EXPECT_EQ(form<QLineEdit>("Edit4")->text(), "6000");
    EXPECT_EQ(form<QLineEdit>("Edit5")->text(), "6006");
    EXPECT_EQ(child<QLineEdit>(terrain, "Edit1")->text(), "") << "the terrain dialog was used before";
    EXPECT_EQ(paneLines(PaneId::Structures).size(), 3u) << "nothing is created before Create";

    click(form<QPushButton>("BitBtn1"));
    const std::vector<std::string> lines = paneLines(PaneId::Structures);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[3], "3=Greece,POWR,256,6000,0,None,1,0");
    EXPECT_EQ(lines[6], "6=Greece,POWR,256,6006,0,None,1,0");

    // The user goes back to the terrain dialog (the test platform does not activate a
    // window a second time, so the activation is sent as the window system sends it).
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&terrain, &activation);
    drag(7000, 7003, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(child<QLineEdit>(terrain, "Edit1")->text(), "7000");
    EXPECT_EQ(child<QLineEdit>(terrain, "Edit2")->text(), "7003");
}

TEST_F(MapEditing, ABrushStrokeSavesAPackOfThePaintedGrid)
{
    openScenario();
    chooseOverlay(QStringLiteral("Ore patch 2 (GOLD02)"));
    ASSERT_TRUE(child<QAction>(map(), "BrushTool")->isChecked());
    child<QAction>(map(), "SelectTool")->trigger();
    chooseOverlay(QStringLiteral("Ore patch 2 (GOLD02)"));
    ASSERT_TRUE(child<QAction>(map(), "BrushTool")->isChecked()) << "the entry already shown picks the brush too";
    drag(7000, 7009);
    drag(7004, 7004, Qt::RightButton);
    const auto packed = [this](std::int32_t cell) {
        const MemoryPane lines(paneText(pane(PaneId::OverlayPack)).toStdString());
        return unpackPack(PackId::Overlay, lines).bytes.at(static_cast<std::size_t>(cell));
    };
    ASSERT_EQ(packed(7004), kNoOverlay);
    press("MapUndo");
    EXPECT_EQ(packed(7004), 6) << "a stroke is one step";
    press("MapRedo");

    choose("Save1");
    const Scenario saved = readScenario(readFile("editing.mpr").toStdString());
    const UnpackedPack pack = unpackPack(PackId::Overlay, saved.pane(PaneId::OverlayPack));
    ASSERT_EQ(pack.status, UnpackedPack::Status::Unpacked);
    std::vector<std::uint8_t> expected(kOverlayPackSize, kNoOverlay);
    for (std::int32_t cell = 7000; cell <= 7009; ++cell)
        expected[static_cast<std::size_t>(cell)] = cell == 7004 ? kNoOverlay : 6;
    EXPECT_EQ(pack.bytes, expected);

    // A pack that cannot be unpacked turns the brush off and says why.
    setPane(PaneId::OverlayPack, QStringLiteral("1=!!!!\n"));
    map().refresh();
    EXPECT_FALSE(child<QAction>(map(), "BrushTool")->isEnabled());
    EXPECT_TRUE(child<QLabel>(map(), "BrushState")->text().startsWith("The brush is off: [OverlayPack] line 0"));
    EXPECT_TRUE(map().statusText().endsWith(
        "\u2014 the map shows no ore, gems, walls or crates from this pack; the ground still shows"))
        << map().statusText().toStdString();
}

// Another document opened after zooming, selecting and picking the brush shows afresh:
// fitted, nothing selected, the Select tool, no message of the last document. Its
// playable area of 4 by 4 cells fits with cells larger than any zoom step.
TEST_F(MapEditing, OpeningADocumentShowsItAfreshAndFitTakesTheViewBack)
{
    openScenario();
    press("MapZoomIn");
    press("MapZoomIn");
    clickCell(5000);
    ASSERT_NE(map().statusText(), "");
    child<QAction>(map(), "BrushTool")->trigger();

    writeFile("small.mpr", "[Map]\r\nX=60\r\nY=60\r\nWidth=4\r\nHeight=4\r\n[UNITS]\r\n0=Greece,JEEP,256,7741,0,Guard,None\r\n");
    desktop_.openAnswers.push_back(path("small.mpr"));
    choose("Load1");
    ASSERT_EQ(map().document().contents().things.size(), 1u) << "read at once";
    EXPECT_TRUE(fitted());
    EXPECT_GT(canvas().frame().cellSize, 64);
    EXPECT_EQ(map().selectionText(), "");
    EXPECT_EQ(child<QLabel>(map(), "MapSelection")->text(), "");
    EXPECT_TRUE(child<QAction>(map(), "SelectTool")->isChecked());
    EXPECT_EQ(map().statusText(), "");

    const int fittedCell = canvas().frame().cellSize;
    press("MapZoomIn");
    EXPECT_EQ(canvas().frame().cellSize, fittedCell) << "zooming in never makes the cells smaller";
    press("MapZoomOut");
    EXPECT_EQ(canvas().frame().cellSize, 64);
    press("MapFit");
    EXPECT_TRUE(fitted());
}

} // namespace

TEST(MapStatusText, AMoveNamesTheColumnsAndRowsItTookInTheirNumber)
{
    EXPECT_EQ(movedText(QStringLiteral("3 things"), 1, 0), "Moved 3 things by 1 column");
    EXPECT_EQ(movedText(QStringLiteral("it"), 0, -1), "Moved it by -1 row");
    EXPECT_EQ(movedText(QStringLiteral("it"), -2, 3), "Moved it by -2 columns and 3 rows");
}
