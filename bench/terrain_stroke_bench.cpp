// A stroke of the terrain brush against the same stroke of the overlay brush, side by
// side in one run, on the offscreen platform.
#include "bench_support.h"

#include "core/document/reader.h"
#include "core/ground/terrain_stamp.h"
#include "gui/document/scenario_view.h"
#include "gui/map/map_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>

#include <memory>

using namespace vexa;

// A stroke stamping a 2 × 2 template along the 128 cells of a row of a real map, the map
// pack written when the button is let go, against the overlay brush's stroke along the
// same row, the overlay pack written likewise. Each window keeps its tool; the strokes
// change cells each time: two 2 × 2 templates in turns, the brush paints and erases.
void benchTerrainStroke()
{
    QFile packs(QStringLiteral(VEXA_SOURCE_DIR "/tests/data/packed-map.ini"));
    packs.open(QIODevice::ReadOnly);
    const Scenario scenario = readScenario(packs.readAll().toStdString());
    const auto windowWithTool = [&](ScenarioView& document, const char* tool) {
        document.load(scenario);
        auto window = std::make_unique<MapWindow>(document);
        window->open();
        window->refresh();
        window->findChild<QAction*>(QLatin1String(tool))->trigger();
        QApplication::processEvents();
        return window;
    };
    ScenarioView terrainDocument;
    ScenarioView brushDocument;
    const auto terrainMap = windowWithTool(terrainDocument, "TerrainTool");
    const auto brushMap = windowWithTool(brushDocument, "BrushTool");

    std::vector<PaletteTemplate> twoByTwo;
    for (const PaletteTemplate& stamp : paletteTemplates(Theater::Temperate)) {
        if (stamp.width == 2 && stamp.height == 2 && twoByTwo.size() < 2)
            twoByTwo.push_back(stamp);
    }
    const auto strokeAlongRow = [](MapCanvas& canvas, Qt::MouseButton button) {
        const auto send = [&](QEvent::Type type, int column, Qt::MouseButtons held) {
            const QPointF at = canvas.frame().cellRect({column, 60}).center();
            QMouseEvent event(type, at, canvas.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                              Qt::NoModifier);
            QApplication::sendEvent(&canvas, &event);
        };
        send(QEvent::MouseButtonPress, 0, button);
        for (int column = 1; column < kMapSide; ++column)
            send(QEvent::MouseMove, column, button);
        send(QEvent::MouseButtonRelease, kMapSide - 1, Qt::NoButton);
        QApplication::processEvents();
    };
    std::size_t turn = 0;
    const auto terrain = [&] {
        terrainMap->canvas().setTerrainStamp(twoByTwo[turn++ % 2]);
        strokeAlongRow(terrainMap->canvas(), Qt::LeftButton);
    };
    bool erase = false;
    const auto brush = [&] {
        strokeAlongRow(brushMap->canvas(), erase ? Qt::RightButton : Qt::LeftButton);
        erase = !erase;
    };
    const bench::SideBySide best = bench::bestSideBySide(terrain, brush, 0.5);
    bench::printRatio("terrain stroke, 2x2 along 128 cells vs brush", best.work, best.reference, "at most 2x");
}
