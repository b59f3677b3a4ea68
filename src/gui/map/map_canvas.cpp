#include "gui/map/map_canvas.h"

#include "core/ground/ground_look.h"
#include "core/map/footprints.h"
#include "gui/document/text_codec.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace vexa {

namespace {

// Cell sides, in pixels, that the zoom steps through.
constexpr std::array<int, 17> kZoomSteps = {1, 2, 3, 4, 5, 6, 8, 10, 12, 14, 16, 20, 24, 32, 40, 48, 64};
// The cell side some steps in (or, with a negative count, out) from the given one. A fitted
// side may lie between the steps or beyond the largest: zooming in never makes it smaller,
// and zooming out never larger.
int zoomedCellSize(int cellSize, int steps)
{
    const auto stepIndex = [](auto at) { return static_cast<std::ptrdiff_t>(at - kZoomSteps.begin()); };
    const std::ptrdiff_t last = stepIndex(kZoomSteps.end()) - 1;
    if (steps == 0)
        return cellSize;
    if (steps > 0) {
        const std::ptrdiff_t above = stepIndex(std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), cellSize));
        return above > last ? cellSize : kZoomSteps[static_cast<std::size_t>(std::min(above + steps - 1, last))];
    }
    const std::ptrdiff_t below = stepIndex(std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), cellSize)) - 1;
    return below < 0 ? cellSize : kZoomSteps[static_cast<std::size_t>(std::max<std::ptrdiff_t>(below + steps + 1, 0))];
}

// A press that moves no farther than this is a click, not a drag.
constexpr int kClickSlop = 4;

const QColor kSelectionInner(255, 255, 255);
const QColor kPreviewColour(255, 255, 255, 150);
const QColor kBandFill(60, 120, 220, 50);
const QColor kBandLine(60, 120, 220);

// The cells the selected things cover.
std::vector<std::int32_t> selectedCells(const MapDocument& map)
{
    std::vector<std::int32_t> cells;
    cells.reserve(map.selection().size());
    for (const std::uint32_t i : map.selection()) {
        const auto covered = coveredCells(map.contents().things[i]);
        cells.insert(cells.end(), covered.begin(), covered.end());
    }
    return cells;
}

const QColor kStampPreview(255, 255, 255, 110);
const QColor kAreaDragLine(255, 220, 0);

// The cells of a straight line from one place to the next, so that a quick stroke leaves
// no gaps; the first place is left out (it was painted already).
std::vector<CellPlace> placesAlong(CellPlace from, CellPlace to)
{
    std::vector<CellPlace> places;
    const int steps = std::max(std::abs(to.column - from.column), std::abs(to.row - from.row));
    for (int i = 1; i <= steps; ++i) {
        places.push_back({from.column + (to.column - from.column) * i / steps,
                          from.row + (to.row - from.row) * i / steps});
    }
    return places;
}

} // namespace

MapCanvas::MapCanvas(MapDocument& map, QWidget* parent)
    : QWidget(parent)
    , map_(map)
{
    setObjectName(QStringLiteral("MapCanvas"));
    setMouseTracking(true);
    setMinimumSize(320, 320);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    connect(&map_, &MapDocument::contentsChanged, this, &MapCanvas::contentsChanged);
    connect(&map_, &MapDocument::groundRead, this, &MapCanvas::remakeGroundPicture);
    connect(&map_, &MapDocument::selectionChanged, this, qOverload<>(&MapCanvas::update));
    connect(&map_, &MapDocument::shownKindsChanged, this, qOverload<>(&MapCanvas::update));
}

// New contents in which only cells changed (a move on the map, a cell typed in a pane)
// repaint just those cells; otherwise the whole map is painted again.
void MapCanvas::contentsChanged(const ContentsChange& change)
{
    if (!change.onlyCells) {
        update();
        return;
    }
    // A thing that moved covers as many cells right and below as its footprint.
    const Footprint reach = largestFootprint();
    QRect changed;
    for (const std::int32_t cell : change.cells) {
        if (const auto place = placeOfCell(cell)) {
            const CellPlace farthest{std::min(place->column + reach.width - 1, kMapSide - 1),
                                     std::min(place->row + reach.height - 1, kMapSide - 1)};
            changed = changed.united(outlinedCellExtent(frame_, *place)).united(outlinedCellExtent(frame_, farthest));
        }
    }
    update(changed);
}

void MapCanvas::remakeGroundPicture()
{
    groundPicture_ = vexa::groundPicture(map_.ground(), shownGround_);
    update();
}

void MapCanvas::setShownGround(GroundLayers shown)
{
    shownGround_ = shown;
    remakeGroundPicture();
}

QString MapCanvas::groundAt(std::int32_t cell) const
{
    if (!isMapCell(cell))
        return {};
    const GroundLayers drawn = drawnLayers(map_.ground(), shownGround_);
    return decodeText(describeGround(map_.ground().ground.cell(static_cast<std::size_t>(cell)), drawn.ground, drawn.overlayPack));
}

void MapCanvas::fitPlayableArea()
{
    frame_ = fittingFrame(map_.contents(), size());
    update();
}

void MapCanvas::zoom(int steps, QPoint around)
{
    const int cellSize = zoomedCellSize(frame_.cellSize, steps);
    if (cellSize == frame_.cellSize)
        return;
    // The map point under `around` stays there.
    const QPointF mapPoint = QPointF(around - frame_.origin) / frame_.cellSize;
    frame_.origin = around - (mapPoint * cellSize).toPoint();
    frame_.cellSize = cellSize;
    update();
}

std::optional<CellPlace> MapCanvas::placeAtPoint(QPointF point) const
{
    return frame_.placeAt(point);
}

std::optional<std::int32_t> MapCanvas::cellAtPoint(QPointF point) const
{
    if (const auto place = placeAtPoint(point))
        return cellAt(*place);
    return std::nullopt;
}

// ---- Painting

void MapCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    // The selection and the run lie below the waypoints' numbers, which the painter keeps on top.
    MapMarks marks{selectedCells(map_), {}, std::nullopt};
    if (gesture_ == Gesture::Run) {
        marks.run = runCells_;
        marks.runEnd = cellAt(dragPlace_);
    }
    paintMap(painter, map_.contents(), frame_, event->rect(), map_.shownKinds(), hovered_, groundPicture_, marks);
    paintGestures(painter);
    paintTerrainPreview(painter);
}

// The cells a click of the terrain brush would change, veiled.
void MapCanvas::paintTerrainPreview(QPainter& painter) const
{
    if (tool_ != Tool::Terrain || picking_ || !hovered_ || !isEnabled())
        return;
    const CellPlace place = *placeOfCell(*hovered_);
    const std::vector<StampedCell> changes = stampChanges(map_.ground().ground, terrainStamp_, place);
    std::vector<std::int32_t> cells;
    for (const StampedCell& change : changes)
        cells.push_back(change.cell);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kStampPreview);
    painter.drawRects(cellRuns(frame_, cells));
    painter.setPen(QPen(kSelectionInner, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(terrainPreviewRect(hovered_).adjusted(0, 0, -1, -1));
}

// The pixels of the template's rectangle on a cell, within the map.
QRect MapCanvas::terrainPreviewRect(std::optional<std::int32_t> cell) const
{
    if (!cell || tool_ != Tool::Terrain)
        return {};
    const CellPlace place = *placeOfCell(*cell);
    const CellPlace last{std::min(place.column + terrainStamp_.width - 1, kMapSide - 1),
                         std::min(place.row + terrainStamp_.height - 1, kMapSide - 1)};
    return frame_.cellRect(place).united(frame_.cellRect(last));
}

// The selection moved by the given columns and rows: one rectangle on the edge of each
// run of side-by-side cells of a row, so that a selection of thousands draws as a few.
QList<QRect> MapCanvas::selectionRects(CellPlace by) const
{
    QList<QRect> rects = cellRuns(frame_, selectedCells(map_), by);
    for (QRect& rect : rects)
        rect.adjust(0, 0, -1, -1);
    return rects;
}

// What a drag would do: the selection at its new place, the rectangle being drawn. (The
// selection's outline and a run's cells are the painter's marks.)
void MapCanvas::paintGestures(QPainter& painter) const
{
    paintStamp(painter);
    if (!pressedPlace_)
        return;
    const CellPlace from = *pressedPlace_;
    if (gesture_ == Gesture::Move) {
        painter.setPen(QPen(kSelectionInner, 1, Qt::DashLine));
        painter.setBrush(kPreviewColour);
        painter.drawRects(selectionRects({dragPlace_.column - from.column, dragPlace_.row - from.row}));
    } else if (gesture_ == Gesture::Band) {
        const QRect band = frame_.cellRect(from).united(frame_.cellRect(dragPlace_));
        painter.setPen(kBandLine);
        painter.setBrush(kBandFill);
        painter.drawRect(band.adjusted(0, 0, -1, -1));
    } else if (gesture_ == Gesture::Area) {
        painter.setPen(QPen(kAreaDragLine, 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(areaRect(frame_, *draggedPlayableArea()));
    }
}

// The playable area as the drag would leave it.
std::optional<PlayableArea> MapCanvas::draggedPlayableArea() const
{
    const auto& area = map_.contents().playable;
    if (!area)
        return std::nullopt;
    const CellPlace moved = cellsMoved(frame_, pressedAt_, areaDragAt_);
    return draggedArea(*area, areaEdges_, moved.column, moved.row);
}

// The stamp at the cell under the mouse: what a click would set down there.
void MapCanvas::paintStamp(QPainter& painter) const
{
    const auto at = hovered_ ? placeOfCell(*hovered_) : std::nullopt;
    if (!stampOwner_ || !at)
        return;
    QList<QRect> rects;
    for (const CellPlace offset : stamp_) {
        const CellPlace place{at->column + offset.column, at->row + offset.row};
        if (cellAt(place))
            rects << frame_.cellRect(place).adjusted(0, 0, -1, -1);
    }
    painter.setPen(QPen(kSelectionInner, 1, Qt::DashLine));
    painter.setBrush(kPreviewColour);
    painter.drawRects(rects);
}

void MapCanvas::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        zoom(steps, event->position().toPoint());
    event->accept();
}

// ---- The gestures

void MapCanvas::mousePressEvent(QMouseEvent* event)
{
    // A gesture whose button is no longer down lost its release (the window was hidden
    // during the drag): it ends without doing anything.
    if (gesture_ != Gesture::None && event->buttons().testFlag(gestureButton_))
        return;
    dropGesture();
    // What the press acts on is the document as it is now.
    map_.refreshIfStale();
    startDrag(*event);
}

void MapCanvas::hideEvent(QHideEvent* event)
{
    dropGesture();
    QWidget::hideEvent(event);
}

void MapCanvas::dropGesture()
{
    if (gesture_ == Gesture::None)
        return;
    gesture_ = Gesture::None;
    pressedPlace_.reset();
    runCells_.clear();
    update();
}

void MapCanvas::startDrag(const QMouseEvent& event)
{
    pressedAt_ = event.position().toPoint();
    pressedPlace_ = placeAtPoint(event.position());
    dragPlace_ = pressedPlace_.value_or(CellPlace{});
    adding_ = event.modifiers().testFlag(Qt::ShiftModifier);
    placingRun_ = event.modifiers().testFlag(Qt::ControlModifier);
    const Qt::MouseButton button = event.button();
    gestureButton_ = button;
    const auto& area = map_.contents().playable;
    // Things waiting to be placed or pasted take the left click, whatever the tool.
    if (button == Qt::LeftButton && stampOwner_ && !picking_) {
        gesture_ = Gesture::Press;
    } else if (button == Qt::LeftButton && tool_ == Tool::Select && !picking_ && area &&
        (areaEdges_ = edgesNear(frame_, *area, pressedAt_)).any()) {
        gesture_ = Gesture::Area;
        areaDragAt_ = pressedAt_;
        pressedPlace_ = pressedPlace_.value_or(CellPlace{});
    } else if (button == Qt::MiddleButton || (button == Qt::RightButton && tool_ == Tool::Select)) {
        gesture_ = Gesture::Pan;
        panOrigin_ = frame_.origin;
    } else if (tool_ == Tool::Brush && !picking_ && (button == Qt::LeftButton || button == Qt::RightButton)) {
        gesture_ = Gesture::Stroke;
        strokeOverlay_ = button == Qt::LeftButton ? brushOverlay_ : kNoOverlay;
        strokeChanged_ = false;
        strokePlace_.reset();
        paintStroke(pressedPlace_);
    } else if (tool_ == Tool::Terrain && !picking_ && pressedPlace_ && (button == Qt::LeftButton || button == Qt::RightButton)) {
        gesture_ = Gesture::Stamp;
        redrawGround(terrainStroke_.start(map_, button == Qt::LeftButton ? terrainStamp_ : kClearStamp, *pressedPlace_));
    } else if (button == Qt::LeftButton) {
        gesture_ = Gesture::Press;
    }
}

// What a stamp changed shows in the ground's picture at once.
void MapCanvas::redrawGround(const std::vector<std::int32_t>& cells)
{
    for (const std::int32_t cell : cells) {
        redrawCell(groundPicture_, map_.ground(), shownGround_, cell);
        update(frame_.cellRect(*placeOfCell(cell)));
    }
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    followDrag(point);
    showAreaCursor(point);
    const auto cell = cellAtPoint(point);
    if (cell == hovered_)
        return;
    update(terrainPreviewRect(hovered_));
    update(terrainPreviewRect(cell));
    setHovered(cell);
    if (cell)
        Q_EMIT hovered(*cell);
    else
        Q_EMIT left();
}

// A press becomes a drag once the mouse has gone far enough: a run with Ctrl; a move
// when it started on a thing (which is selected first, if it was not); a rectangle on
// empty ground. Off the map it only pans.
void MapCanvas::followDrag(QPoint point)
{
    if (gesture_ == Gesture::Press && (point - pressedAt_).manhattanLength() > kClickSlop) {
        if (!pressedPlace_ || picking_ || stampOwner_) {
            gesture_ = Gesture::Pan;
            panOrigin_ = frame_.origin;
        } else if (placingRun_) {
            gesture_ = Gesture::Run;
        } else {
            gesture_ = startMoveOrBand();
        }
    }
    const auto place = placeAtPoint(point);
    switch (gesture_) {
    case Gesture::Pan:
        frame_.origin = panOrigin_ + (point - pressedAt_);
        update();
        break;
    case Gesture::Stroke:
        paintStroke(place);
        break;
    case Gesture::Stamp:
        if (place)
            redrawGround(terrainStroke_.follow(map_, *place));
        break;
    case Gesture::Area:
        areaDragAt_ = point;
        update();
        break;
    case Gesture::Move:
    case Gesture::Band:
    case Gesture::Run:
        if (place && !(*place == dragPlace_)) {
            dragPlace_ = *place;
            if (gesture_ == Gesture::Run) {
                const auto cells = runPreview_ ? runPreview_(*cellAt(*pressedPlace_), *cellAt(dragPlace_)) : std::nullopt;
                runCells_ = cells.value_or(std::vector<std::int32_t>{});
            }
            update();
        }
        break;
    default:
        break;
    }
}

// A drag from a thing moves the selection, taking the thing into it first if it is not
// selected; a drag from empty ground draws a rectangle.
MapCanvas::Gesture MapCanvas::startMoveOrBand()
{
    return map_.grabAt(*cellAt(*pressedPlace_), adding_) ? Gesture::Move : Gesture::Band;
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (gesture_ == Gesture::None || event->button() != gestureButton_)
        return;
    finishDrag(event->position().toPoint());
}

void MapCanvas::finishDrag(QPoint point)
{
    const Gesture gesture = std::exchange(gesture_, Gesture::None);
    const auto from = pressedPlace_;
    const CellPlace to = dragPlace_;
    runCells_.clear();
    // What the drag previewed goes.
    if (gesture == Gesture::Move || gesture == Gesture::Band || gesture == Gesture::Run)
        update();
    switch (gesture) {
    case Gesture::Press:
        if (const auto cell = cellAtPoint(point)) {
            if (picking_)
                Q_EMIT cellClicked(*cell);
            else if (stampOwner_)
                Q_EMIT stampClicked(*cell);
            else
                map_.clickSelect(*cell, adding_);
        }
        break;
    case Gesture::Move:
        if (to.column != from->column || to.row != from->row)
            Q_EMIT moveRequested(to.column - from->column, to.row - from->row);
        break;
    case Gesture::Band:
        map_.selectWithin(*from, to, adding_);
        break;
    case Gesture::Run:
        Q_EMIT runDragged(*cellAt(*from), *cellAt(to));
        break;
    case Gesture::Stroke:
        if (strokeChanged_)
            Q_EMIT strokeFinished();
        break;
    case Gesture::Stamp:
        if (terrainStroke_.changed())
            Q_EMIT terrainStrokeFinished();
        break;
    case Gesture::Area:
        update();
        areaDragAt_ = point;
        if (const auto area = draggedPlayableArea(); area && !(area == map_.contents().playable))
            Q_EMIT areaDragged(*area);
        break;
    default:
        break;
    }
    pressedPlace_.reset();
}

void MapCanvas::setTool(Tool tool)
{
    tool_ = tool;
    setCursor(tool == Tool::Select ? Qt::CrossCursor : Qt::PointingHandCursor);
    update();
}

void MapCanvas::setTerrainStamp(const PaletteTemplate& stamp)
{
    terrainStamp_ = stamp;
    update();
}

// Over the playable area's outline the select tool's cursor shows which way it drags.
void MapCanvas::showAreaCursor(QPoint point)
{
    if (tool_ != Tool::Select || picking_ || stampOwner_ || (gesture_ != Gesture::None && gesture_ != Gesture::Area))
        return;
    const AreaEdges edges = gesture_ == Gesture::Area ? areaEdges_
        : map_.contents().playable ? edgesNear(frame_, *map_.contents().playable, point) : AreaEdges{};
    setCursor(edges.any() ? cursorForEdges(edges) : Qt::CrossCursor);
}

// Paints the stroke's overlay into every cell from the last one painted to this one.
void MapCanvas::paintStroke(std::optional<CellPlace> to)
{
    if (!to)
        return;
    std::vector<CellPlace> places = strokePlace_ ? placesAlong(*strokePlace_, *to) : std::vector<CellPlace>{*to};
    strokePlace_ = to;
    for (const CellPlace place : places) {
        const std::int32_t cell = *cellAt(place);
        if (!map_.paintOverlay(cell, strokeOverlay_))
            continue;
        redrawCell(groundPicture_, map_.ground(), shownGround_, cell);
        strokeChanged_ = true;
        update(frame_.cellRect(place));
    }
}

void MapCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || tool_ != Tool::Select || stampOwner_)
        return;
    if (const auto cell = cellAtPoint(event->position()))
        Q_EMIT cellDoubleClicked(*cell);
}

void MapCanvas::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: Q_EMIT moveRequested(-1, 0); break;
    case Qt::Key_Right: Q_EMIT moveRequested(1, 0); break;
    case Qt::Key_Up: Q_EMIT moveRequested(0, -1); break;
    case Qt::Key_Down: Q_EMIT moveRequested(0, 1); break;
    case Qt::Key_Delete: Q_EMIT deleteRequested(); break;
    case Qt::Key_Escape:
        if (!stampOwner_) {
            QWidget::keyPressEvent(event);
            return;
        }
        Q_EMIT stampDropped(std::exchange(stampOwner_, nullptr));
        stamp_.clear();
        update();
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

// A waypoint's number that found no room shows while the mouse is over its cell: the
// places of the numbers of the cell left and of the cell entered are painted again.
void MapCanvas::setHovered(std::optional<std::int32_t> cell)
{
    if (cell == hovered_)
        return;
    updateRevealedTags(hovered_);
    hovered_ = cell;
    updateRevealedTags(hovered_);
    if (stampOwner_)
        update();
}

void MapCanvas::setStamp(const void* owner, std::vector<CellPlace> offsets)
{
    stampOwner_ = owner;
    stamp_ = std::move(offsets);
    update();
}

void MapCanvas::clearStamp()
{
    stampOwner_ = nullptr;
    stamp_.clear();
    update();
}

void MapCanvas::updateRevealedTags(std::optional<std::int32_t> cell)
{
    if (!cell)
        return;
    for (const PlacedThing* thing : map_.thingsAt(*cell)) {
        if (thing->kind == ThingKind::Waypoint)
            update(revealedTagRect(frame_, *thing));
    }
}

// The mouse coming onto the map is the user turning to it: the map shows the document as
// it is now.
void MapCanvas::enterEvent(QEnterEvent* event)
{
    map_.refreshIfStale();
    QWidget::enterEvent(event);
}

void MapCanvas::leaveEvent(QEvent*)
{
    setHovered(std::nullopt);
    Q_EMIT left();
}

} // namespace vexa
