// A stroke of the terrain brush against the same stroke of the overlay brush, side by
// side in one run, on the offscreen platform.
#include "bench_support.h"

#include "core/document/reader.h"
#include "gui/document/scenario_view.h"
#include "gui/map/map_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>

using namespace vexa;

// A stroke stamping a 2 × 2 template along the 128 cells of a row of a real map, the map
// pack written when the button is let go, against the overlay brush's stroke along the
// same row, the overlay pack written likewise.
void benchTerrainStroke()
{
    QFile packs(QStringLiteral(VEXA_SOURCE_DIR "/tests/data/packed-map.ini"));
    packs.open(QIODevice::ReadOnly);
    ScenarioView document;
    document.load(readScenario(packs.readAll().toStdString()));
    MapWindow map(document);
    map.open();
    map.refresh();
    MapCanvas& canvas = map.canvas();
    QApplication::processEvents();

    bool second = false;  // each tool paints and takes back in turns, so every stroke changes cells
    const auto strokeWith = [&](const char* tool, const char* templateName) {
        return [&, tool, templateName] {
            map.findChild<QAction*>(QLatin1String(tool))->trigger();
            if (templateName) {
                auto* filter = map.findChild<QLineEdit*>(QStringLiteral("TemplateFilter"));
                filter->setText(QLatin1String(second ? "Clear" : templateName));
                Q_EMIT filter->returnPressed();
            }
            const Qt::MouseButton button = second && !templateName ? Qt::RightButton : Qt::LeftButton;
            const auto send = [&](QEvent::Type type, int column, Qt::MouseButtons held) {
                const QPointF at = canvas.frame().cellRect({column, 60}).center();
                QMouseEvent event(type, at, canvas.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                                  held, Qt::NoModifier);
                QApplication::sendEvent(&canvas, &event);
            };
            send(QEvent::MouseButtonPress, 0, button);
            for (int column = 1; column < kMapSide; ++column)
                send(QEvent::MouseMove, column, button);
            send(QEvent::MouseButtonRelease, kMapSide - 1, Qt::NoButton);
            QApplication::processEvents();
        };
    };
    const auto terrain = strokeWith("TerrainTool", "W2");
    const auto overlay = strokeWith("BrushTool", nullptr);
    const auto inTurns = [&](const std::function<void()>& stroke) {
        return [&, stroke] {
            stroke();
            second = !second;
            stroke();
            second = !second;
        };
    };
    const bench::SideBySide best = bench::bestSideBySide(inTurns(terrain), inTurns(overlay), 0.5);
    bench::printRatio("terrain stroke, 2x2 along 128 cells vs brush", best.work, best.reference, "at most 2x");
}
