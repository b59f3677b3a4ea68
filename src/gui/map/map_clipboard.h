#pragma once

#include "core/map/map_fragment.h"

#include <QObject>

#include <cstdint>

class QWidget;

namespace vexa {

class MapCanvas;
class MapDocument;

// Copy, cut and paste of things on the map (MapCopy, MapCut, MapPaste: Ctrl+C, Ctrl+X,
// Ctrl+V in the Map window). The system clipboard holds the fragment under its own type
// and as plain text, so a paste reaches another scenario and a pane takes the lines as
// text. A paste shows the fragment under the mouse until a click sets it down; Esc
// cancels.
class MapClipboard final : public QObject {
    Q_OBJECT
public:
    MapClipboard(MapDocument& map, MapCanvas& canvas, QWidget& window);

    void copy();
    void cut();
    void paste();
    bool isPasting() const;

Q_SIGNALS:
    void said(const QString& text);
    // A paste was set down or cancelled.
    void pasteEnded();

private:
    // The copied selection's things; false when nothing was copied (said why).
    bool copySelection(std::vector<PlacedThing>& copied);
    void pasteAt(std::int32_t cell);

    MapDocument& map_;
    MapCanvas& canvas_;
    Fragment pending_;
    QString pendingProblems_;
};

} // namespace vexa
