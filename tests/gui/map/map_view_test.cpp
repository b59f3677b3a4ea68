#include "map/map_fixture.h"

#include "../../core/ground/pack_test_support.h"

#include "core/document/reader.h"
#include "core/ground/ground_look.h"
#include "gui/document/text_codec.h"
#include "gui/map/map_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>


using namespace vexa;

namespace {

class MapView : public vexa::test::MapFixture {
protected:
    // The map redraws once the document has been still for a moment.
    bool waitForThings(std::size_t count) const
    {
        for (int waited = 0; waited < 3000 && map().document().contents().things.size() != count; waited += 20)
            QTest::qWait(20);
        return map().document().contents().things.size() == count;
    }

    // Moves the mouse over a cell, as the window system reports it.
    void hover(std::int32_t cell) const { sendMouse(QEvent::MouseMove, centreOf(cell), Qt::NoButton, Qt::NoButton); }

    // Fills the pack panes with the packs of a real map, tests/data/packed-map.ini.
    void setRealPacks()
    {
        const Scenario packs = test::realPacks();
        for (const PaneId pack : {PaneId::MapPack, PaneId::OverlayPack})
            setPane(pack, decodeText(packs.pane(pack).text()));
    }
};

QColor groundColourOf(GroundKind kind)
{
    return QColor::fromRgb(groundColour(kind));
}

QColor overlayColourOf(std::uint8_t overlay)
{
    return QColor::fromRgb(overlayLook(overlay).colour);
}

} // namespace

TEST_F(MapView, ACreateOfBuildingsShowsUpAndHoveringTellsWhatStandsThere)
{
    choose("Map1");
    ASSERT_TRUE(map().isVisible());
    const QColor ground = colourAt(5675);

    fillPowerPlantRow("5675", "5679");
    click(form<QPushButton>("BitBtn1"));
    ASSERT_TRUE(waitForThings(3));
    EXPECT_EQ(colourAt(5677), countryColour("Greece"));
    EXPECT_EQ(colourAt(5676), countryColour("Greece")) << "a power plant covers 2 x 2 cells";
    EXPECT_EQ(colourAt(5675 - 128), ground);

    hover(5677);
    EXPECT_EQ(map().statusText().toStdString(),
              "Cell 5677 (column 45, row 44): Structure POWR (Greece), [STRUCTURES] line 1");

    // Hiding a kind takes it off the map and out of the status line.
    click(child<QCheckBox>(map(), "ShowStructure"));
    EXPECT_EQ(colourAt(5677), ground);
    hover(5679);
    EXPECT_EQ(map().statusText().toStdString(), "Cell 5679 (column 47, row 44)");
}

// The real map's packs: water at cell 7700 (column 20, row 60), clear land at 8242, GOLD03
// at 8240 and GOLD02 at 8241, where the [Overlay] section names GOLD01 too.
TEST_F(MapView, TheGroundOfThePacksLiesUnderEverythingAndIsUnpackedOncePerChange)
{
    setPane(PaneId::Overlay, "8241=GOLD01\n");
    setPane(PaneId::Units, "0=Greece,JEEP,256,300,0,Guard,None\n");
    choose("Map1");
    ASSERT_TRUE(waitForThings(2));
    const QImage withoutPacks = canvas().grab().toImage();
    EXPECT_TRUE(canvas().groundPicture().cells.isNull());

    setRealPacks();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !canvas().groundPicture().cells.isNull(); }));
    EXPECT_EQ(colourAt(7700), groundColourOf(GroundKind::Water));
    EXPECT_EQ(colourAt(8242), groundColourOf(GroundKind::Clear));
    EXPECT_EQ(colourAt(8240), overlayColourOf(7));
    EXPECT_EQ(colourAt(300), countryColour("Greece")) << "things stand on the ground";

    hover(7700);
    EXPECT_EQ(map().statusText(), "Cell 7700 (column 20, row 60) \u2014 water");
    hover(8241);
    EXPECT_EQ(map().statusText(),
              "Cell 8241 (column 49, row 64): Overlay GOLD01, [Overlay] line 0 \u2014 clear; GOLD02");

    // Hiding the ground and the pack's overlay leaves the plain grid, and the status line
    // names no ground.
    click(child<QCheckBox>(map(), "ShowGround"));
    EXPECT_EQ(colourAt(8240), overlayColourOf(7)) << "the pack's overlay shows on its own";
    hover(8240);
    EXPECT_EQ(map().statusText(), "Cell 8240 (column 48, row 64) \u2014 GOLD03");
    click(child<QCheckBox>(map(), "ShowOverlayPack"));
    EXPECT_EQ(canvas().grab().toImage(), withoutPacks);
    hover(7700);
    EXPECT_EQ(map().statusText(), "Cell 7700 (column 20, row 60)");
    click(child<QCheckBox>(map(), "ShowGround"));
    click(child<QCheckBox>(map(), "ShowOverlayPack"));

    // Zoomed in, the [Overlay] section's square stands in the middle of the pack's ore.
    while (canvas().frame().cellSize < 16)
        canvas().zoom(1, centreOf(8241));
    const QRect cell = canvas().frame().cellRect(*placeOfCell(8241));
    const QImage zoomed = canvas().grab().toImage();
    EXPECT_EQ(zoomed.pixelColor(cell.center()), kindColour(ThingKind::Overlay));
    EXPECT_EQ(zoomed.pixelColor(cell.topLeft() + QPoint(2, 2)), overlayColourOf(6));
    click(child<QCheckBox>(map(), "ShowGround"));
    const QImage overlayOnly = canvas().grab().toImage();
    click(child<QCheckBox>(map(), "ShowGround"));

    // A repaint or a change of another pane draws the same picture of the ground, not a
    // new one unpacked again.
    const qint64 picture = canvas().groundPicture().cells.cacheKey();
    canvas().repaint();
    setPane(PaneId::Units, "0=Greece,JEEP,256,300,0,Guard,None\n1=Greece,JEEP,256,301,0,Guard,None\n");
    ASSERT_TRUE(waitForThings(3));
    EXPECT_EQ(canvas().groundPicture().cells.cacheKey(), picture);

    // The Map page's theater paints the ground anew: indoors a clear cell is floor or void.
    document().setFieldText(FieldId::Theater, "INTERIOR");
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvas().groundPicture().cells.cacheKey() != picture; }));
    const GroundCell clear = map().document().ground().ground.cell(8242);
    EXPECT_EQ(colourAt(8242), QColor::fromRgb(groundColour(clear, Theater::Interior)));
    const qint64 indoors = canvas().groundPicture().cells.cacheKey();

    // A map pack that cannot be unpacked: no ground from it, the ore still shows, and the
    // status line says why.
    setPane(PaneId::MapPack, "1=HQEAIIH//lkQ\n2=!!!!\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvas().groundPicture().cells.cacheKey() != indoors; }));
    EXPECT_TRUE(map().statusText().startsWith("[MapPack] line 1 (key 2): ")) << map().statusText().toStdString();
    EXPECT_TRUE(map().statusText().endsWith("\u2014 the map shows no ground from this pack"));
    EXPECT_EQ(canvas().grab().toImage(), overlayOnly) << "as with the ground hidden";
    hover(8242);
    EXPECT_EQ(map().statusText(), "Cell 8242 (column 50, row 64)");
}

TEST_F(MapView, APickFillsTheFirstAndLastPositionAndEscCancelsIt)
{
    buildings().open();
    click(form<QPushButton>("Button4"));
    click(child<QPushButton>(calculator(), "PickOnMap"));
    ASSERT_TRUE(map().isVisible());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, centreOf(2380));
    EXPECT_EQ(form<QLineEdit>("Edit4")->text(), "2380");
    EXPECT_EQ(form<QLineEdit>("Edit5")->text(), "2380");
    EXPECT_FALSE(calculator().isVisible());

    // The pick is over: a further click delivers nothing.
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, centreOf(2381));
    EXPECT_EQ(form<QLineEdit>("Edit4")->text(), "2380");

    click(form<QPushButton>("Button5"));
    click(child<QPushButton>(calculator(), "PickOnMap"));
    QTest::keyClick(&map(), Qt::Key_Escape);
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, centreOf(2390));
    EXPECT_EQ(form<QLineEdit>("Edit5")->text(), "2380");
    EXPECT_TRUE(map().isVisible());
}

TEST_F(MapView, DoubleClickJumpsToTheThingsLine)
{
    setPane(PaneId::Units, "; scouts\n0=Greece,JEEP,256,300,0,Guard,None\n1=Greece,1TNK,256,301,0,Guard,None\n");
    choose("Map1");
    ASSERT_TRUE(waitForThings(2));
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &map(); }));
    QTest::mouseDClick(&canvas(), Qt::LeftButton, {}, centreOf(301));

    EXPECT_EQ(document().currentWidget(), document().widget(5)) << document().tabText(document().currentIndex()).toStdString();
    const QTextCursor cursor = pane(PaneId::Units).textCursor();
    EXPECT_EQ(cursor.blockNumber(), 2);
    EXPECT_EQ(cursor.selectedText(), "1=Greece,1TNK,256,301,0,Guard,None");
    // The map is a window of the main window's, whose own activation would not tell the
    // two apart.
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &main(); }))
        << "the main window comes to the front";
    EXPECT_EQ(QApplication::focusWidget(), &pane(PaneId::Units));
}

// Waypoints side by side in a row, in a block of three by three and two in one cell: at
// every zoom no number's tag covers another's or a waypoint, and each stands where it
// was placed. A tag without room shows while the mouse is over its cell.
TEST_F(MapView, WaypointNumbersNeverCoverEachOtherAtAnyZoom)
{
    std::vector<std::int32_t> cells;
    for (int column = 60; column < 66; ++column)
        cells.push_back(64 * kMapSide + column);
    for (int row = 68; row < 71; ++row) {
        for (int column = 60; column < 63; ++column)
            cells.push_back(row * kMapSide + column);
    }
    cells.push_back(74 * kMapSide + 60);
    cells.push_back(74 * kMapSide + 60);
    QString lines;
    for (std::size_t key = 0; key < cells.size(); ++key)
        lines += QStringLiteral("%1=%2\n").arg(key).arg(cells[key]);
    setPane(PaneId::Waypoints, lines);
    choose("Map1");
    ASSERT_TRUE(waitForThings(cells.size()));
    const std::int32_t blockCentre = 69 * kMapSide + 61;

    canvas().zoom(-20, centreOf(blockCentre));
    int zooms = 0;
    for (int cellSize = 0; cellSize != canvas().frame().cellSize; canvas().zoom(1, centreOf(blockCentre))) {
        cellSize = canvas().frame().cellSize;
        SCOPED_TRACE(cellSize);
        const std::vector<WaypointTag> tags = placeWaypointTags(map().document().contents(), canvas().frame());
        if (cellSize < 8) {
            EXPECT_TRUE(tags.empty()) << "cells too small to carry numbers";
            continue;
        }
        ++zooms;
        ASSERT_EQ(tags.size(), cells.size());
        const QImage shown = canvas().grab().toImage();
        for (std::size_t i = 0; i < tags.size(); ++i) {
            if (!tags[i].shown)
                continue;
            const std::string number = tags[i].number.toStdString();
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(tags[j].shown && tags[j].rect.intersects(tags[i].rect))
                    << tags[j].number.toStdString() << " and " << number;
            }
            for (const std::int32_t cell : cells)
                EXPECT_FALSE(tags[i].rect.intersects(canvas().frame().cellRect(*placeOfCell(cell)))) << number;
            if (canvas().rect().contains(tags[i].rect)) {
                EXPECT_EQ(shown.pixelColor(tags[i].rect.topLeft()), QColor(0x10, 0x10, 0x10)) << number;
            }
        }
        EXPECT_TRUE(tags[1].shown && tags[4].shown) << "the row's numbers find room";
        const auto hidden = std::find_if(tags.begin(), tags.end(), [](const WaypointTag& tag) { return !tag.shown; });
        ASSERT_NE(hidden, tags.end()) << "the middle of the block has no room";
        if (!canvas().rect().contains(hidden->rect))
            continue;
        hover(hidden->cell);
        EXPECT_NE(canvas().grab().toImage().copy(hidden->rect), shown.copy(hidden->rect)) << "shown on hover";
        hover(0);
        EXPECT_EQ(canvas().grab().toImage().copy(hidden->rect), shown.copy(hidden->rect)) << "hidden again";
    }
    EXPECT_GE(zooms, 8);
}

TEST_F(MapView, AStatusTooLongForTheWindowEndsInAnEllipsisWithTheWholeTextInItsTooltip)
{
    QString units;
    for (int key = 0; key < 6; ++key)
        units += QStringLiteral("%1=Greece,JEEP,256,300,0,Guard,None\n").arg(key);
    setPane(PaneId::Units, units);
    choose("Map1");
    ASSERT_TRUE(waitForThings(6));
    map().resize(640, 560);
    QApplication::processEvents();
    const int width = map().width();

    hover(300);
    const QLabel* status = child<QLabel>(map(), "MapStatus");
    const QString whole = map().statusText();
    EXPECT_TRUE(whole.startsWith("Cell 300 (column 44, row 2): Unit JEEP (Greece), [UNITS] line 0; Unit JEEP"));
    EXPECT_TRUE(whole.endsWith("[UNITS] line 5"));
    EXPECT_TRUE(status->text().endsWith(QChar(0x2026))) << status->text().toStdString();
    EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()), status->contentsRect().width());
    EXPECT_EQ(status->toolTip(), whole);
    EXPECT_EQ(map().width(), width) << "the window keeps its width";

    // A wider window shows more of it; a short text shows whole, without a tooltip.
    map().resize(1600, 560);
    QApplication::processEvents();
    EXPECT_EQ(status->text(), whole);
    EXPECT_EQ(status->toolTip(), "");
    map().resize(640, 560);
    hover(301);
    EXPECT_EQ(map().statusText(), "Cell 301 (column 45, row 2)");
    EXPECT_EQ(status->text(), "Cell 301 (column 45, row 2)");
    EXPECT_EQ(status->toolTip(), "");
}

TEST_F(MapView, WhileAPickWaitsTheStatusKeepsItsInstructionAndNamesTheCellUnderTheMouse)
{
    setPane(PaneId::Structures, "0=Greece,POWR,256,2380,0,None,1,0\n");
    buildings().open();
    click(form<QPushButton>("Button4"));
    click(child<QPushButton>(calculator(), "PickOnMap"));
    ASSERT_TRUE(waitForThings(1));
    const QString instruction = "Click a cell to deliver its number; Esc cancels";
    EXPECT_EQ(map().statusText(), instruction);

    hover(2380);
    EXPECT_EQ(map().statusText(),
              instruction + " \u2014 Cell 2380 (column 76, row 18): Structure POWR (Greece), [STRUCTURES] line 0");
    hover(2382);
    EXPECT_EQ(map().statusText(), instruction + " \u2014 Cell 2382 (column 78, row 18)");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&canvas(), &leave);
    EXPECT_EQ(map().statusText(), instruction);

    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, centreOf(2381));
    EXPECT_EQ(form<QLineEdit>("Edit4")->text(), "2381");
    hover(2380);
    EXPECT_TRUE(map().statusText().startsWith("Cell 2380")) << "the pick is over";
}

// A document whose reading takes longer than a pause in typing (here every one) is not
// read again while the user types elsewhere: the map says so and reads it when the mouse
// comes onto it.
TEST_F(MapView, ADocumentSlowToReadIsReadAgainWhenTheUserTurnsToTheMap)
{
    choose("Map1");
    map().document().setTypingBudget(std::chrono::milliseconds(0));
    map().refresh();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return main().isActiveWindow(); }));

    setPane(PaneId::Units, "0=Greece,JEEP,256,300,0,Guard,None\n");
    QTest::qWait(400);
    EXPECT_TRUE(map().document().contents().things.empty());
    EXPECT_TRUE(map().statusText().startsWith("The document changed since the map read it"));
    QEnterEvent enter(centreOf(300), centreOf(300), canvas().mapToGlobal(centreOf(300)));
    QApplication::sendEvent(&canvas(), &enter);
    EXPECT_EQ(map().document().contents().things.size(), 1u);
}
