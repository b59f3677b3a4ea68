#pragma once

#include "core/ground/ground.h"
#include "core/map/placed_things.h"
#include "gui/map/area_handles.h"
#include "gui/map/map_document.h"
#include "gui/map/terrain_stroke.h"
#include "gui/map/paint/map_painter.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace vexa {

// The map itself: shows the map's document (the ground and the contents, the selection)
// and hands it the selecting gestures; zooms with the wheel and pans by
// dragging with the middle (or, while selecting, the right) button, and reports the cell
// under the mouse (showing there the waypoint numbers that found no room).
//
// With the select tool a click selects the thing drawn on top of the cell, a further
// click the one below it; Shift+click adds; dragging a rectangle on empty ground selects
// every shown thing inside; dragging a selected thing asks for the selection to move;
// the arrow keys ask for a move of one cell, Delete for the selection to go. Ctrl+drag
// asks for a run from one cell to another, previewing its cells. With the brush the left
// button paints the brush's overlay into the ground, the right one erases; the stroke is
// reported when the button is let go. With the terrain brush the left button stamps the
// chosen template (previewing the cells a click would change), the right one clear
// ground. With the select tool the playable area's outline drags by its edges and
// corners. The canvas changes no pane: its owner does.
class MapCanvas final : public QWidget {
    Q_OBJECT
public:
    enum class Tool { Select, Brush, Terrain };

    explicit MapCanvas(MapDocument& map, QWidget* parent = nullptr);

    // Which layers of the ground show. A change remakes the picture of the ground that
    // every paint draws, as a new reading of the packs does.
    void setShownGround(GroundLayers shown);
    GroundLayers shownGround() const { return shownGround_; }
    const GroundPicture& groundPicture() const { return groundPicture_; }
    // What the map shows of a cell's ground: "water; GOLD02"; empty where it shows none.
    QString groundAt(std::int32_t cell) const;

    const MapFrame& frame() const { return frame_; }
    // Shows the playable area (the whole map without one) as large as it fits.
    void fitPlayableArea();
    // One zoom step in or out, keeping the point under the given position in place.
    void zoom(int steps, QPoint around);
    void zoom(int steps) { zoom(steps, rect().center()); }

    // While a pick waits, a click only delivers its cell and a drag pans.
    void setPicking(bool picking) { picking_ = picking; }

    void setTool(Tool tool);
    Tool tool() const { return tool_; }
    // The overlay number the left button paints.
    void setBrushOverlay(std::uint8_t overlay) { brushOverlay_ = overlay; }
    // The template the terrain brush's left button stamps.
    void setTerrainStamp(const PaletteTemplate& stamp);

    // The cells a run from a first to a last cell would fill; nothing when no run can be
    // placed. Ctrl+drag previews them.
    using RunPreview = std::function<std::optional<std::vector<std::int32_t>>(std::int32_t, std::int32_t)>;
    void setRunPreview(RunPreview preview) { runPreview_ = std::move(preview); }

    // A stamp: cells (offsets from the cell under the mouse) that follow the mouse until a
    // click sets them down; the click is reported instead of selecting, Esc drops the stamp.
    // The owner is whoever set it, so that each tool knows its own.
    void setStamp(const void* owner, std::vector<CellPlace> offsets);
    void clearStamp();
    const void* stampOwner() const { return stampOwner_; }

Q_SIGNALS:
    void hovered(std::int32_t cell);
    void stampClicked(std::int32_t cell);
    void stampDropped(const void* owner);
    void left();
    // A click while a pick waits.
    void cellClicked(std::int32_t cell);
    void cellDoubleClicked(std::int32_t cell);
    void moveRequested(int columns, int rows);
    void deleteRequested();
    void runDragged(std::int32_t first, std::int32_t last);
    void strokeFinished();
    void terrainStrokeFinished();
    void areaDragged(const vexa::PlayableArea& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // What a press of a button turns into.
    enum class Gesture { None, Press, Pan, Move, Band, Run, Stroke, Stamp, Area };

    std::optional<std::int32_t> cellAtPoint(QPointF point) const;
    std::optional<CellPlace> placeAtPoint(QPointF point) const;
    void contentsChanged(const ContentsChange& change);
    void remakeGroundPicture();
    void setHovered(std::optional<std::int32_t> cell);
    void updateRevealedTags(std::optional<std::int32_t> cell);

    // The gestures.
    void startDrag(const QMouseEvent& event);
    void dropGesture();
    Gesture startMoveOrBand();
    void followDrag(QPoint point);
    void finishDrag(QPoint point);
    void paintStroke(std::optional<CellPlace> to);
    QList<QRect> selectionRects(CellPlace by) const;
    void paintGestures(QPainter& painter) const;
    void paintTerrainPreview(QPainter& painter) const;
    QRect terrainPreviewRect(std::optional<std::int32_t> cell) const;
    void redrawGround(const std::vector<std::int32_t>& cells);
    std::optional<PlayableArea> draggedPlayableArea() const;
    void showAreaCursor(QPoint point);
    void paintStamp(QPainter& painter) const;

    MapDocument& map_;
    GroundLayers shownGround_;
    GroundPicture groundPicture_;
    MapFrame frame_;
    std::optional<std::int32_t> hovered_;
    Tool tool_ = Tool::Select;
    std::uint8_t brushOverlay_ = 5;
    RunPreview runPreview_;

    Gesture gesture_ = Gesture::None;
    Qt::MouseButton gestureButton_ = Qt::NoButton;  // the button that started it
    QPoint pressedAt_;
    std::optional<CellPlace> pressedPlace_;
    bool adding_ = false;          // Shift was held at the press
    bool placingRun_ = false;      // Ctrl was held at the press
    bool picking_ = false;
    QPoint panOrigin_;
    CellPlace dragPlace_;          // where a move, band or run stands now
    std::vector<std::int32_t> runCells_;
    std::uint8_t strokeOverlay_ = kNoOverlay;
    std::optional<CellPlace> strokePlace_;  // the last cell the stroke painted
    bool strokeChanged_ = false;
    PaletteTemplate terrainStamp_;
    TerrainStroke terrainStroke_;
    AreaEdges areaEdges_;          // the edges an area drag moves
    QPoint areaDragAt_;            // where the mouse stands in an area drag
    const void* stampOwner_ = nullptr;
    std::vector<CellPlace> stamp_;
};

} // namespace vexa
