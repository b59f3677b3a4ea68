#include "map/map_fixture.h"

#include "core/document/reader.h"
#include "core/ground/pack.h"
#include "gui/document/scenario_view.h"
#include "gui/map/area_handles.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

using namespace vexa;

namespace {

class TerrainEditing : public vexa::test::MapFixture {
protected:
    // A scenario with a real map's packs, a playable area and a construction yard (3 × 3
    // cells from cell 2600: column 40, row 20).
    void openPackedScenario()
    {
        QFile packs(QStringLiteral(VEXA_TEST_DATA "/packed-map.ini"));
        ASSERT_TRUE(packs.open(QIODevice::ReadOnly));
        writeFile("terrain.mpr", "[Basic]\r\nName=Terrain\r\n[Map]\r\nTheater=TEMPERATE\r\nX=10\r\nY=12\r\nWidth=100\r\n"
                                 "Height=90\r\n[STRUCTURES]\r\n0=Greece,FACT,256,2600,0,None,1,0\r\n" + packs.readAll());
        desktop_.openAnswers.push_back(path("terrain.mpr"));
        choose("Load1");
        choose("Map1");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !map().document().contents().things.empty(); }));
        original_ = savedMapPack();
    }

    std::vector<std::uint8_t> savedMapPack()
    {
        choose("Save1");
        const Scenario saved = readScenario(readFile("terrain.mpr").toStdString());
        const UnpackedPack pack = unpackPack(PackId::Map, saved.pane(PaneId::MapPack));
        EXPECT_EQ(pack.status, UnpackedPack::Status::Unpacked);
        return pack.bytes;
    }

    // The original pack with the cell given the template and tile.
    void expectStamped(std::vector<std::uint8_t>& pack, std::int32_t cell, std::uint16_t number, std::uint8_t tile) const
    {
        const auto at = static_cast<std::size_t>(cell);
        pack[2 * at] = static_cast<std::uint8_t>(number & 0xFF);
        pack[2 * at + 1] = static_cast<std::uint8_t>(number >> 8);
        pack[2 * kMapCellCount + at] = tile;
    }

    void clickTerrainCell(std::int32_t cell, Qt::MouseButton button) const
    {
        sendMouse(QEvent::MouseButtonPress, centreOf(cell), button, button);
        sendMouse(QEvent::MouseButtonRelease, centreOf(cell), button, Qt::NoButton);
    }

    std::vector<std::uint8_t> original_;
};

TEST_F(TerrainEditing, StampsAPickedTemplateAndClearAndDragsThePlayableAreasEdge)
{
    openPackedScenario();
    child<QAction>(map(), "TerrainTool")->trigger();
    auto* filter = child<QLineEdit>(map(), "TemplateFilter");
    ASSERT_TRUE(filter->isVisible());
    QTest::keyClicks(filter, "W2");
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(child<QTreeWidget>(map(), "TemplateList")->currentItem()->text(0), "W2");

    // The cells of the stamp are stamped once; the status line still names the cell.
    const std::int32_t cell = 40 * kMapSide + 50;
    sendMouse(QEvent::MouseMove, centreOf(cell), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(map().statusText().startsWith("Cell 5170 (column 50, row 40) \u2014 ")) << map().statusText().toStdString();
    clickTerrainCell(cell, Qt::LeftButton);
    std::vector<std::uint8_t> expected = original_;
    for (const auto& [offset, tile] : {std::pair{0, 0}, {1, 1}, {kMapSide, 2}, {kMapSide + 1, 3}})
        expectStamped(expected, cell + offset, 2, static_cast<std::uint8_t>(tile));
    EXPECT_EQ(savedMapPack(), expected);
    sendMouse(QEvent::MouseMove, centreOf(cell + 1), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(map().statusText().endsWith("\u2014 water")) << map().statusText().toStdString();

    // The right button clears the one cell; the map's undo takes the stroke back whole.
    clickTerrainCell(cell + 1, Qt::RightButton);
    expectStamped(expected, cell + 1, kClearTemplate, 0);
    EXPECT_EQ(savedMapPack(), expected);
    child<QAction>(map(), "MapUndo")->trigger();
    child<QAction>(map(), "MapUndo")->trigger();
    EXPECT_EQ(savedMapPack(), original_);

    // The construction yard is hovered and selected on any of its 3 × 3 cells.
    child<QAction>(map(), "SelectTool")->trigger();
    const std::int32_t yardCorner = 2600 + 2 * kMapSide + 2;
    sendMouse(QEvent::MouseMove, centreOf(yardCorner), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(map().statusText().contains("Structure FACT (Greece)")) << map().statusText().toStdString();
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, centreOf(yardCorner));
    EXPECT_EQ(map().selectionText(), "Structure FACT (Greece), [STRUCTURES] line 0");
    map().document().clearSelection();

    // The right edge of the playable area drags its Width alone, and the map undoes it
    // while Width still holds what the drag wrote.
    const QRect area = areaRect(canvas().frame(), *map().document().contents().playable);
    const QPoint edge(area.right() + 1, area.center().y());
    sendMouse(QEvent::MouseMove, edge, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(canvas().cursor().shape(), Qt::SizeHorCursor);
    const QPoint moved = edge - QPoint(3 * canvas().frame().cellSize, 0);
    sendMouse(QEvent::MouseButtonPress, edge, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, moved, Qt::NoButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, moved, Qt::LeftButton, Qt::NoButton);
    const auto fields = [this] {
        QStringList values;
        for (const FieldId field : {FieldId::X, FieldId::Y, FieldId::Width, FieldId::Height})
            values << document().fieldText(field);
        return values.join(',');
    };
    EXPECT_EQ(fields(), "10,12,97,90");
    child<QAction>(map(), "MapUndo")->trigger();
    EXPECT_EQ(fields(), "10,12,100,90");
    child<QAction>(map(), "MapRedo")->trigger();
    EXPECT_EQ(fields(), "10,12,97,90");
    document().setFieldText(FieldId::Width, "96");
    child<QAction>(map(), "MapUndo")->trigger();
    EXPECT_EQ(fields(), "10,12,96,90");
    EXPECT_EQ(map().statusText(), "Cannot undo the last map edit: the Map page's Width has changed since; undo there with Ctrl+Z");

    // A map pack that cannot be unpacked turns the brush off and says why.
    setPane(PaneId::MapPack, QStringLiteral("1=!!!!\n"));
    map().refresh();
    EXPECT_FALSE(child<QAction>(map(), "TerrainTool")->isEnabled());
    EXPECT_TRUE(child<QLabel>(map(), "TemplateState")->text().startsWith("The terrain brush is off: [MapPack] line 0"));
}

} // namespace
