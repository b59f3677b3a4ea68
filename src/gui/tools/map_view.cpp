#include "gui/tools/map_view.h"

#include "core/document/scenario.h"
#include "core/ground/ground_look.h"
#include "core/map/extent.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/tools/elided_label.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace vexa {

namespace {

// Cell sides, in pixels, that the zoom steps through.
constexpr std::array<int, 17> kZoomSteps = {1, 2, 3, 4, 5, 6, 8, 10, 12, 14, 16, 20, 24, 32, 40, 48, 64};
// A press that moves no farther than this is a click, not a drag.
constexpr int kClickSlop = 4;
// Typing in a pane redraws the map only once the typing pauses this long.
constexpr int kRefreshDelayMs = 250;
constexpr char kReplacementByte = '?';

const QString kPickInstruction = QStringLiteral("Click a cell to deliver its number; Esc cancels");

QString qstr(std::string_view text)
{
    return decodeText(text);
}

// The panes whose lines the map reads besides those of the placed things.
constexpr std::array<PaneId, 2> kPackPanes = {PaneId::MapPack, PaneId::OverlayPack};

// The panes and fields the map reads, as bytes. A character no file can hold only blocks
// saving; for the map it stands as a '?'.
Scenario mapSnapshot(const ScenarioView& document)
{
    Scenario scenario;
    const auto copyPane = [&](PaneId pane) {
        scenario.pane(pane) = MemoryPane(encodeTextReplacing(paneText(*document.paneEditor(pane)), kReplacementByte));
    };
    for (std::size_t kind = 0; kind < kThingKindCount; ++kind)
        copyPane(paneOfKind(static_cast<ThingKind>(kind)));
    for (const PaneId pane : kPackPanes)
        copyPane(pane);
    for (const FieldId field : {FieldId::X, FieldId::Y, FieldId::Width, FieldId::Height})
        scenario.field(field) = encodeTextReplacing(document.fieldText(field), kReplacementByte);
    return scenario;
}

QString describe(const PlacedThing& thing)
{
    QString text = qstr(kindName(thing.kind)) + QLatin1Char(' ') + qstr(thing.type);
    if (!thing.country.empty())
        text += QStringLiteral(" (%1)").arg(qstr(thing.country));
    return text + QStringLiteral(", %1 line %2").arg(qstr(tabOf(thing.pane).caption)).arg(thing.line);
}

// The legend's sample of the ground: water beside land, and of the overlay pack: ore
// beside gems.
QIcon twoColourIcon(std::uint32_t left, std::uint32_t right)
{
    QImage sample(16, 16, QImage::Format_RGB32);
    sample.fill(QColor::fromRgb(left));
    QPainter painter(&sample);
    painter.fillRect(8, 0, 8, 16, QColor::fromRgb(right));
    return QIcon(QPixmap::fromImage(sample));
}

// "[MapPack] line 3 (key 4): ... — the map shows no ground from this pack"
QString packErrorsText(const std::vector<PackError>& errors)
{
    QStringList texts;
    for (const PackError& error : errors)
        texts << qstr(describe(error));
    return texts.join(QStringLiteral("; ")) + QStringLiteral(" \u2014 the map shows no ground from ") +
           (errors.size() == 1 ? QStringLiteral("this pack") : QStringLiteral("these packs"));
}

} // namespace

// ---- MapCanvas

MapCanvas::MapCanvas(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MapCanvas"));
    setMouseTracking(true);
    setMinimumSize(320, 320);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void MapCanvas::setContents(MapContents contents)
{
    contents_ = std::move(contents);
    indexCells();
    update();
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

void MapCanvas::setShownKinds(const ShownKinds& shown)
{
    shown_ = shown;
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
    return qstr(describeGround(ground_.ground.cell(static_cast<std::size_t>(cell)), drawn.ground, drawn.overlayPack));
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

std::optional<std::int32_t> MapCanvas::cellAtPoint(QPointF point) const
{
    if (const auto place = frame_.placeAt(point))
        return cellAt(*place);
    return std::nullopt;
}

void MapCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    paintMap(painter, contents_, frame_, event->rect(), shown_, hovered_, groundPicture_);
}

void MapCanvas::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        zoom(steps, event->position().toPoint());
    event->accept();
}

void MapCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    dragging_ = false;
    pressedAt_ = event->position().toPoint();
    dragOrigin_ = frame_.origin;
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (pressed_ && (dragging_ || (point - pressedAt_).manhattanLength() > kClickSlop)) {
        dragging_ = true;
        frame_.origin = dragOrigin_ + (point - pressedAt_);
        update();
    }
    const auto cell = cellAtPoint(point);
    setHovered(cell);
    if (cell)
        Q_EMIT hovered(*cell);
    else
        Q_EMIT left();
}

// A waypoint's number that found no room shows while the mouse is over its cell.
void MapCanvas::setHovered(std::optional<std::int32_t> cell)
{
    if (cell == hovered_)
        return;
    const bool redraw = holdsWaypoint(hovered_) || holdsWaypoint(cell);
    hovered_ = cell;
    if (redraw)
        update();
}

bool MapCanvas::holdsWaypoint(std::optional<std::int32_t> cell) const
{
    if (!cell)
        return false;
    const auto things = thingsAt(*cell);
    return std::any_of(things.begin(), things.end(), [](const PlacedThing* thing) { return thing->kind == ThingKind::Waypoint; });
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    if (dragging_)
        return;
    if (const auto cell = cellAtPoint(event->position()))
        Q_EMIT cellClicked(*cell);
}

void MapCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto cell = cellAtPoint(event->position()))
        Q_EMIT cellDoubleClicked(*cell);
}

void MapCanvas::leaveEvent(QEvent*)
{
    setHovered(std::nullopt);
    Q_EMIT left();
}

// ---- MapWindow

MapWindow::MapWindow(ScenarioView& document, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , document_(document)
    , canvas_(new MapCanvas(this))
    , status_(new ElidedLabel(this))
    , refreshTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("MapWindow"));
    setWindowTitle(QStringLiteral("Map"));
    status_->setObjectName(QStringLiteral("MapStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* body = new QHBoxLayout;
    body->addWidget(canvas_, 1);
    body->addWidget(makeLegend());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(status_);
    resize(900, 720);

    const std::pair<QKeySequence, int> zoomKeys[] = {
        {QKeySequence::ZoomIn, 1}, {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1}, {QKeySequence::ZoomOut, -1}};
    for (const auto& [keys, steps] : zoomKeys) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        addAction(action);
        connect(action, &QAction::triggered, canvas_, [this, steps = steps] { canvas_->zoom(steps); });
    }

    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(kRefreshDelayMs);
    connect(refreshTimer_, &QTimer::timeout, this, &MapWindow::refresh);
    connect(canvas_, &MapCanvas::hovered, this, &MapWindow::showCell);
    connect(canvas_, &MapCanvas::left, this, &MapWindow::showNoCell);
    connect(canvas_, &MapCanvas::cellClicked, this, &MapWindow::cellClicked);
    connect(canvas_, &MapCanvas::cellDoubleClicked, this, &MapWindow::jumpToLine);
    followDocument();
}

QWidget* MapWindow::makeLegend()
{
    auto* legend = new QWidget(this);
    legend->setObjectName(QStringLiteral("MapLegend"));
    auto* column = new QVBoxLayout(legend);
    for (std::size_t i = 0; i < kThingKindCount; ++i) {
        const auto kind = static_cast<ThingKind>(i);
        auto* box = new QCheckBox(qstr(kindName(kind)), legend);
        box->setObjectName(QStringLiteral("Show%1").arg(qstr(kindName(kind)).remove(QLatin1Char(' '))));
        box->setIcon(QIcon(QPixmap::fromImage(kindSample(kind, 16))));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this, i](bool checked) {
            ShownKinds shown = canvas_->shownKinds();
            shown[i] = checked;
            canvas_->setShownKinds(shown);
        });
        kindBoxes_[i] = box;
        column->addWidget(box);
    }
    addGroundBoxes(legend, column);
    column->addSpacing(12);
    auto* countries = new QLabel(legend);
    countries->setObjectName(QStringLiteral("MapCountries"));
    column->addWidget(countries);
    column->addStretch(1);
    return legend;
}

// The ground and the overlay pack each have a box too, below the kinds.
void MapWindow::addGroundBoxes(QWidget* legend, QLayout* column)
{
    const auto addBox = [&](const QString& text, const QString& name, const QIcon& icon, bool GroundLayers::*layer) {
        auto* box = new QCheckBox(text, legend);
        box->setObjectName(name);
        box->setIcon(icon);
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this, layer](bool checked) {
            GroundLayers shown = canvas_->shownGround();
            shown.*layer = checked;
            canvas_->setShownGround(shown);
        });
        column->addWidget(box);
    };
    addBox(QStringLiteral("Ground"), QStringLiteral("ShowGround"),
           twoColourIcon(groundColour(GroundKind::Water), groundColour(GroundKind::Clear)), &GroundLayers::ground);
    constexpr std::uint8_t kGold02 = 6;
    constexpr std::uint8_t kGem02 = 10;
    addBox(QStringLiteral("Overlay pack"), QStringLiteral("ShowOverlayPack"),
           twoColourIcon(overlayLook(kGold02).colour, overlayLook(kGem02).colour), &GroundLayers::overlayPack);
}

// Every change of a pane or of the Map page's position fields restarts the pause timer.
void MapWindow::followDocument()
{
    for (std::size_t kind = 0; kind < kThingKindCount; ++kind) {
        QPlainTextEdit* editor = document_.paneEditor(paneOfKind(static_cast<ThingKind>(kind)));
        connect(editor, &QPlainTextEdit::textChanged, this, &MapWindow::documentChanged);
    }
    for (const PaneId pane : kPackPanes)
        connect(document_.paneEditor(pane), &QPlainTextEdit::textChanged, this, &MapWindow::documentChanged);
    for (const FieldId field : {FieldId::X, FieldId::Y, FieldId::Width, FieldId::Height}) {
        auto* edit = document_.findChild<QLineEdit*>(qstr(infoOf(field).component));
        if (edit)
            connect(edit, &QLineEdit::textChanged, this, &MapWindow::documentChanged);
    }
}

void MapWindow::documentChanged()
{
    stale_ = true;
    if (isVisible())
        refreshTimer_->start();
}

void MapWindow::refresh()
{
    refreshTimer_->stop();
    stale_ = false;
    const Scenario snapshot = mapSnapshot(document_);
    canvas_->setContents(readMapContents(snapshot));
    readGroundOnChange(snapshot);

    QString html;
    for (const std::string_view country : countriesIn(canvas_->contents())) {
        html += QStringLiteral("<span style=\"color:%1\">&#9632;</span> %2<br>")
                    .arg(countryColour(country).name(), qstr(country).toHtmlEscaped());
    }
    findChild<QLabel*>(QStringLiteral("MapCountries"))->setText(html);
}

// Unpacking is the costly part of the ground: it runs only when the text of a pack's pane
// has changed since the last reading. A pack that cannot be read says why, once.
void MapWindow::readGroundOnChange(const Scenario& snapshot)
{
    const MemoryPane& mapPack = snapshot.pane(PaneId::MapPack);
    const MemoryPane& overlayPack = snapshot.pane(PaneId::OverlayPack);
    if (packsRead_ && packsRead_->first == mapPack.text() && packsRead_->second == overlayPack.text())
        return;
    packsRead_ = std::pair{mapPack.text(), overlayPack.text()};
    GroundReading reading = readGround(mapPack, overlayPack);
    const QString errors = reading.errors.empty() ? QString() : packErrorsText(reading.errors);
    canvas_->setGround(std::move(reading));
    if (!errors.isEmpty())
        showStatus(isPicking() ? kPickInstruction + QStringLiteral(" \u2014 ") + errors : errors);
}

void MapWindow::open()
{
    show();
    raise();
    activateWindow();
    canvas_->fitPlayableArea();
}

void MapWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (stale_)
        refresh();
}

void MapWindow::pickCell(std::function<void(std::int32_t)> deliver)
{
    deliverPick_ = std::move(deliver);
    if (!isVisible())
        open();
    raise();
    activateWindow();
    canvas_->setCursor(Qt::PointingHandCursor);
    showStatus(kPickInstruction);
}

void MapWindow::cancelPick()
{
    deliverPick_ = nullptr;
    canvas_->setCursor(Qt::CrossCursor);
    showStatus(QString());
}

void MapWindow::cellClicked(std::int32_t cell)
{
    if (!deliverPick_)
        return;
    const auto deliver = std::move(deliverPick_);
    cancelPick();
    deliver(cell);
}

void MapWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (isPicking())
        cancelPick();
    else
        hide();
}

// While a pick waits, its instruction stays and the cell a click would deliver follows it.
void MapWindow::showCell(std::int32_t cell)
{
    showStatus(isPicking() ? kPickInstruction + QStringLiteral(" \u2014 ") + cellText(cell) : cellText(cell));
}

void MapWindow::showNoCell()
{
    showStatus(isPicking() ? kPickInstruction : QString());
}

QString MapWindow::cellText(std::int32_t cell) const
{
    const auto place = placeOfCell(cell);
    QString text = QStringLiteral("Cell %1 (column %2, row %3)").arg(cell).arg(place->column).arg(place->row);
    QStringList standing;
    for (const PlacedThing* thing : canvas_->thingsAt(cell))
        standing << describe(*thing);
    if (!standing.isEmpty())
        text += QStringLiteral(": ") + standing.join(QStringLiteral("; "));
    if (const QString ground = canvas_->groundAt(cell); !ground.isEmpty())
        text += QStringLiteral(" \u2014 ") + ground;
    return text;
}

void MapWindow::showStatus(const QString& text)
{
    status_->setFullText(text);
}

QString MapWindow::statusText() const
{
    return status_->fullText();
}

// Shows the first thing standing in the cell: its pane's tab, with its line selected.
void MapWindow::jumpToLine(std::int32_t cell)
{
    const auto things = canvas_->thingsAt(cell);
    if (!things.empty())
        document_.showPaneLine(things.front()->pane, things.front()->line);
}

} // namespace vexa
