#pragma once

#include "core/ground/ground.h"
#include "core/map/placed_things.h"
#include "gui/tools/map_painter.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <utility>

class QCheckBox;
class QLayout;
class QTimer;

namespace vexa {

class ElidedLabel;
class ScenarioView;
struct Scenario;

// The map itself: paints the ground and the contents, zooms with the wheel, pans by
// dragging, reports the cell under the mouse (and shows the waypoint numbers there that
// found no room), and tells a click on a cell from a drag.
class MapCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit MapCanvas(QWidget* parent = nullptr);

    void setContents(MapContents contents);
    const MapContents& contents() const { return contents_; }
    void setShownKinds(const ShownKinds& shown);
    const ShownKinds& shownKinds() const { return shown_; }

    // The ground read from the packs, and which of its layers show. Either remakes the
    // picture of the ground that every paint draws.
    void setGround(GroundReading reading);
    void setShownGround(GroundLayers shown);
    GroundLayers shownGround() const { return shownGround_; }
    const GroundPicture& groundPicture() const { return groundPicture_; }
    // What the map shows of a cell's ground: "water; GOLD02"; empty where it shows none.
    QString groundAt(std::int32_t cell) const;

    const MapFrame& frame() const { return frame_; }
    void fitPlayableArea();
    // One zoom step in or out, keeping the point under the given position in place.
    void zoom(int steps, QPoint around);
    void zoom(int steps) { zoom(steps, rect().center()); }

    // The things standing in a cell, in pane order.
    std::vector<const PlacedThing*> thingsAt(std::int32_t cell) const;

Q_SIGNALS:
    void hovered(std::int32_t cell);
    void left();
    void cellClicked(std::int32_t cell);
    void cellDoubleClicked(std::int32_t cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::optional<std::int32_t> cellAtPoint(QPointF point) const;
    void indexCells();
    void setHovered(std::optional<std::int32_t> cell);
    bool holdsWaypoint(std::optional<std::int32_t> cell) const;

    MapContents contents_;
    // Indexes of contents_.things sorted by cell, so hovering finds a cell's things
    // without going through the list.
    std::vector<std::uint32_t> byCell_;
    ShownKinds shown_ = kAllKinds;
    GroundReading ground_;
    GroundLayers shownGround_;
    GroundPicture groundPicture_;
    MapFrame frame_;
    std::optional<std::int32_t> hovered_;
    QPoint pressedAt_;
    QPoint dragOrigin_;
    bool dragging_ = false;
    bool pressed_ = false;
};

// The "Map" window of the Tools menu: the map with a legend whose boxes show or hide
// each kind, the ground and the overlay pack, and a status line that tells what stands
// in the cell under the mouse and what ground lies there (while a pick waits, after its
// instruction). It follows the document, redrawing shortly after each change; the packs
// are unpacked again only when their text has changed. A double click jumps to a thing's
// line, and it can hand a clicked cell to whoever asked for one.
class MapWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MapWindow(ScenarioView& document, QWidget* parent = nullptr);

    // Shows the window, fitted to the playable area.
    void open();
    // The next click on a cell delivers it; Esc cancels. Shows the window.
    void pickCell(std::function<void(std::int32_t)> deliver);
    bool isPicking() const { return static_cast<bool>(deliverPick_); }

    MapCanvas& canvas() const { return *canvas_; }
    // The whole text of the status line, which shows as much of it as fits.
    QString statusText() const;
    // Reads the document again at once instead of waiting for the pause after a change.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* makeLegend();
    void addGroundBoxes(QWidget* legend, QLayout* column);
    void readGroundOnChange(const Scenario& snapshot);
    void followDocument();
    void documentChanged();
    void showCell(std::int32_t cell);
    void showNoCell();
    QString cellText(std::int32_t cell) const;
    void cellClicked(std::int32_t cell);
    void jumpToLine(std::int32_t cell);
    void cancelPick();
    void showStatus(const QString& text);

    ScenarioView& document_;
    MapCanvas* canvas_;
    ElidedLabel* status_;
    QTimer* refreshTimer_;
    std::array<QCheckBox*, kThingKindCount> kindBoxes_{};
    // The text of the [MapPack] and [OverlayPack] panes the ground was last read from.
    std::optional<std::pair<std::string, std::string>> packsRead_;
    std::function<void(std::int32_t)> deliverPick_;
    bool stale_ = true;
};

} // namespace vexa
