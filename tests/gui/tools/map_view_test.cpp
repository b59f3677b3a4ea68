#include "placement/placement_fixture.h"

#include "gui/tools/map_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace vexa;
using vexa::test::PlacementFixture;

namespace {

class MapView : public PlacementFixture {
protected:
    MapWindow& map() const { return app_->mapWindow(); }
    MapCanvas& canvas() const { return map().canvas(); }

    QPoint centreOf(std::int32_t cell) const { return canvas().frame().cellRect(*placeOfCell(cell)).center(); }

    // The map redraws once the document has been still for a moment.
    bool waitForThings(std::size_t count) const
    {
        for (int waited = 0; waited < 3000 && canvas().contents().things.size() != count; waited += 20)
            QTest::qWait(20);
        return canvas().contents().things.size() == count;
    }

    // Moves the mouse over a cell, as the window system reports it.
    void hover(std::int32_t cell) const
    {
        const QPointF at = centreOf(cell);
        QMouseEvent move(QEvent::MouseMove, at, canvas().mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas(), &move);
    }

    QColor colourAt(std::int32_t cell) const { return canvas().grab().toImage().pixelColor(centreOf(cell)); }
};

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
    EXPECT_EQ(colourAt(5676), ground);

    hover(5677);
    EXPECT_EQ(map().statusText().toStdString(),
              "Cell 5677 (column 45, row 44): Structure POWR (Greece), [STRUCTURES] line 1");

    // Hiding a kind takes it off the map and out of the status line.
    click(child<QCheckBox>(map(), "ShowStructure"));
    EXPECT_EQ(colourAt(5677), ground);
    hover(5679);
    EXPECT_EQ(map().statusText().toStdString(), "Cell 5679 (column 47, row 44)");
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
