#include "gui/map/map_canvas.h"

#include "core/ground/ground_look.h"
#include "gui/document/text_codec.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <map>
#include <tuple>

namespace vexa {

namespace {

// Cell sides, in pixels, that the zoom steps through.
constexpr std::array<int, 17> kZoomSteps = {1, 2, 3, 4, 5, 6, 8, 10, 12, 14, 16, 20, 24, 32, 40, 48, 64};
// A press that moves no farther than this is a click, not a drag.
constexpr int kClickSlop = 4;

const QColor kSelectionInner(255, 255, 255);
const QColor kPreviewColour(255, 255, 255, 150);
const QColor kBandFill(60, 120, 220, 50);
const QColor kBandLine(60, 120, 220);

using ThingKey = std::pair<PaneId, std::size_t>;

ThingKey keyOf(const PlacedThing& thing)
{
    return {thing.pane, thing.line};
}

// The cells of the things.
std::vector<std::int32_t> cellsOf(const MapContents& contents, const std::vector<std::uint32_t>& things)
{
    std::vector<std::int32_t> cells;
    cells.reserve(things.size());
    for (const std::uint32_t i : things)
        cells.push_back(contents.things[i].cell);
    return cells;
}

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

MapCanvas::MapCanvas(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MapCanvas"));
    setMouseTracking(true);
    setMinimumSize(320, 320);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
}

// New contents in which only cells changed (a move on the map, a cell typed in a pane)
// repaint just those cells and keep the selection as it is. Otherwise the whole map is
// painted again, and a selected thing stays selected while its line still places a thing
// of its kind, type and country: lines typed above it in the pane put another thing on
// its line, mostly one of another type.
void MapCanvas::setContents(MapContents contents)
{
    if (const auto moved = cellsMovedTo(contents)) {
        contents_ = std::move(contents);
        indexCells();
        update(*moved);
        return;
    }
    std::map<ThingKey, const PlacedThing*> kept;
    for (const std::uint32_t i : selected_)
        kept.emplace(keyOf(contents_.things[i]), &contents_.things[i]);
    const auto sameThing = [&](const PlacedThing& thing) {
        const auto was = kept.find(keyOf(thing));
        return was != kept.end() && was->second->kind == thing.kind && was->second->type == thing.type
            && was->second->country == thing.country;
    };
    std::vector<std::uint32_t> selected;
    for (std::uint32_t i = 0; i < contents.things.size() && selected.size() < kept.size(); ++i) {
        if (sameThing(contents.things[i]) && shown_[index(contents.things[i].kind)])
            selected.push_back(i);
    }
    contents_ = std::move(contents);
    indexCells();
    setSelection(std::move(selected));
    update();
}

// Where the map changes when the contents become the next ones, if nothing but the cells
// of some things changed; nothing otherwise. A waypoint that moves may move the numbers
// of others, so it counts as a change of more than its cells.
std::optional<QRect> MapCanvas::cellsMovedTo(const MapContents& next) const
{
    const auto& before = contents_.things;
    const auto& after = next.things;
    const bool onlyCellsMoved = before.size() == after.size() && contents_.playable == next.playable &&
        std::equal(before.begin(), before.end(), after.begin(), [](const PlacedThing& a, const PlacedThing& b) {
            const bool sameButCell = a.kind == b.kind && a.type == b.type && a.country == b.country &&
                                     a.subPosition == b.subPosition && a.pane == b.pane && a.line == b.line;
            return sameButCell && (a.cell == b.cell || a.kind != ThingKind::Waypoint);
        });
    if (!onlyCellsMoved)
        return std::nullopt;
    // The outline around a run of selected cells spans neighbours that did not move when
    // only some of the selection moved (a cell typed in a pane).
    const auto selectedMoved = std::count_if(selected_.begin(), selected_.end(),
                                             [&](std::uint32_t i) { return before[i].cell != after[i].cell; });
    if (selectedMoved != 0 && static_cast<std::size_t>(selectedMoved) != selected_.size())
        return std::nullopt;
    QRect changed;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].cell == after[i].cell)
            continue;
        for (const std::int32_t cell : {before[i].cell, after[i].cell}) {
            if (const auto place = placeOfCell(cell))
                changed = changed.united(outlinedCellExtent(frame_, *place));
        }
    }
    return changed;
}

void MapCanvas::indexCells()
{
    byCell_.resize(contents_.things.size());
    for (std::uint32_t i = 0; i < byCell_.size(); ++i)
        byCell_[i] = i;
    std::stable_sort(byCell_.begin(), byCell_.end(),
                     [this](std::uint32_t a, std::uint32_t b) { return contents_.things[a].cell < contents_.things[b].cell; });
}

std::vector<const PlacedThing*> MapCanvas::thingsAt(std::int32_t cell) const
{
    const auto cellOf = [this](std::uint32_t i) { return contents_.things[i].cell; };
    const auto first =
        std::partition_point(byCell_.begin(), byCell_.end(), [&](std::uint32_t i) { return cellOf(i) < cell; });
    const auto last = std::partition_point(first, byCell_.end(), [&](std::uint32_t i) { return cellOf(i) == cell; });
    std::vector<const PlacedThing*> things;
    for (auto it = first; it != last; ++it) {
        const PlacedThing& thing = contents_.things[*it];
        if (shown_[index(thing.kind)])
            things.push_back(&thing);
    }
    return things;
}

// The shown things of a cell, the one drawn on top first: by the painter's order of the
// kinds, and within a kind the later line first.
std::vector<std::uint32_t> MapCanvas::stackAt(std::int32_t cell) const
{
    std::vector<std::uint32_t> stack;
    for (const PlacedThing* thing : thingsAt(cell))
        stack.push_back(static_cast<std::uint32_t>(thing - contents_.things.data()));
    std::sort(stack.begin(), stack.end(), [this](std::uint32_t a, std::uint32_t b) {
        const auto order = [this](std::uint32_t i) { return std::tuple(paintOrder(contents_.things[i].kind), i); };
        return order(a) > order(b);
    });
    return stack;
}

void MapCanvas::setShownKinds(const ShownKinds& shown)
{
    shown_ = shown;
    std::vector<std::uint32_t> selected;
    std::copy_if(selected_.begin(), selected_.end(), std::back_inserter(selected),
                 [this](std::uint32_t i) { return shown_[index(contents_.things[i].kind)]; });
    setSelection(std::move(selected));
    update();
}

void MapCanvas::setGround(GroundReading reading)
{
    ground_ = std::move(reading);
    groundPicture_ = vexa::groundPicture(ground_, shownGround_);
    update();
}

void MapCanvas::setShownGround(GroundLayers shown)
{
    shownGround_ = shown;
    groundPicture_ = vexa::groundPicture(ground_, shownGround_);
    update();
}

QString MapCanvas::groundAt(std::int32_t cell) const
{
    if (!isMapCell(cell))
        return {};
    const GroundLayers drawn = drawnLayers(ground_, shownGround_);
    return decodeText(describeGround(ground_.ground.cell(static_cast<std::size_t>(cell)), drawn.ground, drawn.overlayPack));
}

void MapCanvas::fitPlayableArea()
{
    frame_ = fittingFrame(contents_, size());
    update();
}

void MapCanvas::zoom(int steps, QPoint around)
{
    const auto current = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), frame_.cellSize);
    const auto at = std::clamp<std::ptrdiff_t>(current - kZoomSteps.begin() + steps, 0, kZoomSteps.size() - 1);
    const int cellSize = kZoomSteps[static_cast<std::size_t>(at)];
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

// ---- Selecting

std::vector<PlacedThing> MapCanvas::selectedThings() const
{
    std::vector<PlacedThing> things;
    things.reserve(selected_.size());
    for (const std::uint32_t i : selected_)
        things.push_back(contents_.things[i]);
    return things;
}

bool MapCanvas::isSelected(std::uint32_t thing) const
{
    return std::binary_search(selected_.begin(), selected_.end(), thing);
}

void MapCanvas::setSelection(std::vector<std::uint32_t> things)
{
    std::sort(things.begin(), things.end());
    things.erase(std::unique(things.begin(), things.end()), things.end());
    if (things == selected_)
        return;
    selected_ = std::move(things);
    update();
    Q_EMIT selectionChanged();
}

void MapCanvas::selectAllShown()
{
    selectWithin({0, 0}, {kMapSide - 1, kMapSide - 1}, false);
}

void MapCanvas::clearSelection()
{
    setSelection({});
}

// A click selects the thing on top; on a cell whose one thing is selected, the next one
// down (and after the last, the top one again). Shift+click adds the first thing not yet
// selected, or unselects the cell's things when all of them are.
void MapCanvas::clickSelect(std::int32_t cell, bool add)
{
    const std::vector<std::uint32_t> stack = stackAt(cell);
    if (stack.empty()) {
        if (!add)
            clearSelection();
        return;
    }
    if (!add) {
        std::size_t next = 0;
        if (selected_.size() == 1) {
            const auto at = std::find(stack.begin(), stack.end(), selected_.front());
            if (at != stack.end())
                next = static_cast<std::size_t>(at - stack.begin() + 1) % stack.size();
        }
        setSelection({stack[next]});
        return;
    }
    std::vector<std::uint32_t> selected = selected_;
    const auto unselected = std::find_if(stack.begin(), stack.end(), [this](std::uint32_t i) { return !isSelected(i); });
    if (unselected != stack.end())
        selected.push_back(*unselected);
    else
        std::erase_if(selected, [&](std::uint32_t i) { return std::find(stack.begin(), stack.end(), i) != stack.end(); });
    setSelection(std::move(selected));
}

void MapCanvas::selectWithin(CellPlace from, CellPlace to, bool add)
{
    const auto [left, right] = std::minmax(from.column, to.column);
    const auto [top, bottom] = std::minmax(from.row, to.row);
    std::vector<std::uint32_t> selected = add ? selected_ : std::vector<std::uint32_t>{};
    for (std::uint32_t i = 0; i < contents_.things.size(); ++i) {
        const PlacedThing& thing = contents_.things[i];
        const auto place = placeOfCell(thing.cell);
        if (place && shown_[index(thing.kind)] && place->column >= left && place->column <= right && place->row >= top
            && place->row <= bottom)
            selected.push_back(i);
    }
    setSelection(std::move(selected));
}

// ---- Painting

void MapCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    // The selection and the run lie below the waypoints' numbers, which the painter keeps on top.
    MapMarks marks{cellsOf(contents_, selected_), {}, std::nullopt};
    if (gesture_ == Gesture::Run) {
        marks.run = runCells_;
        marks.runEnd = cellAt(dragPlace_);
    }
    paintMap(painter, contents_, frame_, event->rect(), shown_, hovered_, groundPicture_, marks);
    paintGestures(painter);
}

// The selection moved by the given columns and rows: one rectangle on the edge of each
// run of side-by-side cells of a row, so that a selection of thousands draws as a few.
QList<QRect> MapCanvas::selectionRects(CellPlace by) const
{
    QList<QRect> rects = cellRuns(frame_, cellsOf(contents_, selected_), by);
    for (QRect& rect : rects)
        rect.adjust(0, 0, -1, -1);
    return rects;
}

// What a drag would do: the selection at its new place, the rectangle being drawn. (The
// selection's outline and a run's cells are the painter's marks.)
void MapCanvas::paintGestures(QPainter& painter) const
{
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
    }
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
    Q_EMIT pressing();
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
    if (button == Qt::MiddleButton || (button == Qt::RightButton && tool_ == Tool::Select)) {
        gesture_ = Gesture::Pan;
        panOrigin_ = frame_.origin;
    } else if (tool_ == Tool::Brush && !picking_ && (button == Qt::LeftButton || button == Qt::RightButton)) {
        gesture_ = Gesture::Stroke;
        strokeOverlay_ = button == Qt::LeftButton ? brushOverlay_ : kNoOverlay;
        strokeChanged_ = false;
        strokePlace_.reset();
        paintStroke(pressedPlace_);
    } else if (button == Qt::LeftButton) {
        gesture_ = Gesture::Press;
    }
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    followDrag(point);
    const auto cell = cellAtPoint(point);
    if (cell == hovered_)
        return;
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
        if (!pressedPlace_ || picking_) {
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
    const auto stack = stackAt(*cellAt(*pressedPlace_));
    if (stack.empty())
        return Gesture::Band;
    const bool onSelection = std::any_of(stack.begin(), stack.end(), [this](std::uint32_t i) { return isSelected(i); });
    if (!onSelection) {
        std::vector<std::uint32_t> selected = adding_ ? selected_ : std::vector<std::uint32_t>{};
        selected.push_back(stack.front());
        setSelection(std::move(selected));
    }
    return Gesture::Move;
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
            else
                clickSelect(*cell, adding_);
        }
        break;
    case Gesture::Move:
        if (to.column != from->column || to.row != from->row)
            Q_EMIT moveRequested(to.column - from->column, to.row - from->row);
        break;
    case Gesture::Band:
        selectWithin(*from, to, adding_);
        break;
    case Gesture::Run:
        Q_EMIT runDragged(*cellAt(*from), *cellAt(to));
        break;
    case Gesture::Stroke:
        if (strokeChanged_)
            Q_EMIT strokeFinished();
        break;
    default:
        break;
    }
    pressedPlace_.reset();
}

void MapCanvas::setTool(Tool tool)
{
    tool_ = tool;
    setCursor(tool == Tool::Brush ? Qt::PointingHandCursor : Qt::CrossCursor);
}

// Paints the stroke's overlay into every cell from the last one painted to this one.
void MapCanvas::paintStroke(std::optional<CellPlace> to)
{
    if (!to)
        return;
    std::vector<CellPlace> places = strokePlace_ ? placesAlong(*strokePlace_, *to) : std::vector<CellPlace>{*to};
    strokePlace_ = to;
    // What is painted shows at once, as the pack would show it.
    ground_.overlayPack = UnpackedPack::Status::Unpacked;
    for (const CellPlace place : places) {
        const auto cell = static_cast<std::size_t>(*cellAt(place));
        if (ground_.ground.cell(cell).overlay == strokeOverlay_)
            continue;
        ground_.ground.setOverlay(cell, strokeOverlay_);
        redrawCell(groundPicture_, ground_, shownGround_, static_cast<std::int32_t>(cell));
        strokeChanged_ = true;
        update(frame_.cellRect(place));
    }
}

void MapCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || tool_ != Tool::Select)
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
}

void MapCanvas::updateRevealedTags(std::optional<std::int32_t> cell)
{
    if (!cell)
        return;
    for (const PlacedThing* thing : thingsAt(*cell)) {
        if (thing->kind == ThingKind::Waypoint)
            update(revealedTagRect(frame_, *thing));
    }
}

void MapCanvas::leaveEvent(QEvent*)
{
    setHovered(std::nullopt);
    Q_EMIT left();
}

} // namespace vexa
