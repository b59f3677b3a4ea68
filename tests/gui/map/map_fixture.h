#pragma once

#include "placement/placement_fixture.h"

#include "gui/app/editor_app.h"
#include "gui/map/map_view.h"

#include <QApplication>
#include <QMouseEvent>

namespace vexa::test {

// The editor with its Map window at hand, and the mouse on the map's cells.
class MapFixture : public PlacementFixture {
protected:
    MapWindow& map() const { return app_->mapWindow(); }
    MapCanvas& canvas() const { return map().canvas(); }

    QPoint centreOf(std::int32_t cell) const { return canvas().frame().cellRect(*placeOfCell(cell)).center(); }
    QColor colourAt(std::int32_t cell) const { return canvas().grab().toImage().pixelColor(centreOf(cell)); }

    // A mouse event on the map, as the window system reports it.
    void sendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
                   Qt::KeyboardModifiers keys = {}) const
    {
        QMouseEvent event(type, at, canvas().mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(&canvas(), &event);
    }
};

} // namespace vexa::test
