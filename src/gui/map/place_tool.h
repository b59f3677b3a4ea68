#pragma once

#include "core/map/thing_placing.h"

#include <QObject>

#include <cstdint>
#include <string>

class QAction;
class QActionGroup;
class QComboBox;
class QToolBar;

namespace vexa {

class MapCanvas;
class MapDocument;

// The Map window's "Place" tool: a click writes one new line of the kind and type chosen
// in its list (the Create dialogs' type menus), as that kind's Create would, with the
// country, health, direction, order and trigger last written in the properties panel.
// While it is chosen the cell under the mouse shows where the thing would go; Esc goes
// back to selecting.
class PlaceTool final : public QObject {
    Q_OBJECT
public:
    PlaceTool(MapDocument& map, MapCanvas& canvas, QToolBar& bar, QActionGroup& tools);

    QAction* action() const { return action_; }
    // The chooser's entry for the kind and code, if it has one.
    bool choose(ThingKind kind, const QString& code);
    // The values placing uses next.
    void remember(ThingField field, const std::string& value);
    // Forgets them: another document is open.
    void forget() { lastUsed_ = {}; }
    // Shows the place again after another use of the mouse (a paste) ended.
    void resume();

Q_SIGNALS:
    void said(const QString& text);
    // Esc while placing.
    void dropped();

private:
    void fillChooser();
    void placeAt(std::int32_t cell);

    MapDocument& map_;
    MapCanvas& canvas_;
    QAction* action_;
    QComboBox* type_;
    LastUsedFields lastUsed_;
};

} // namespace vexa
