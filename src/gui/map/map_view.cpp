#include "gui/map/map_view.h"

#include "core/document/scenario.h"
#include "core/ground/ground_look.h"
#include "core/ground/overlay_brush.h"
#include "core/map/extent.h"
#include "gui/document/scenario_view.h"
#include "gui/desktop/busy_work.h"
#include "gui/document/text_codec.h"
#include "gui/forms/run_dialogs.h"
#include "gui/map/elided_label.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vexa {

namespace {

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

// ---- MapWindow

MapWindow::MapWindow(ScenarioView& document, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , document_(document)
    , canvas_(new MapCanvas(this))
    , status_(new ElidedLabel(this))
    , selection_(new QLabel(this))
    , refreshTimer_(new QTimer(this))
    , hoverTimer_(new QTimer(this))
    , history_(document)
{
    setObjectName(QStringLiteral("MapWindow"));
    setWindowTitle(QStringLiteral("Map"));
    status_->setObjectName(QStringLiteral("MapStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    selection_->setObjectName(QStringLiteral("MapSelection"));

    auto* body = new QHBoxLayout;
    body->addWidget(canvas_, 1);
    body->addWidget(makeLegend());
    auto* statusLine = new QHBoxLayout;
    statusLine->addWidget(status_, 1);
    statusLine->addWidget(selection_);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(makeToolBar());
    layout->addLayout(body, 1);
    layout->addLayout(statusLine);
    resize(900, 720);
    addShortcuts();

    hoverTimer_->setSingleShot(true);
    hoverTimer_->setInterval(0);
    connect(hoverTimer_, &QTimer::timeout, this, &MapWindow::showHovered);
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(kRefreshDelayMs);
    connect(refreshTimer_, &QTimer::timeout, this, &MapWindow::refresh);
    connect(canvas_, &MapCanvas::hovered, this, &MapWindow::showCell);
    connect(canvas_, &MapCanvas::left, this, &MapWindow::showNoCell);
    connect(canvas_, &MapCanvas::cellClicked, this, &MapWindow::cellClicked);
    connect(canvas_, &MapCanvas::cellDoubleClicked, this, &MapWindow::jumpToLine);
    connect(canvas_, &MapCanvas::pressing, this, &MapWindow::refreshIfStale);
    connect(canvas_, &MapCanvas::selectionChanged, this, &MapWindow::selectionChanged);
    connect(canvas_, &MapCanvas::moveRequested, this, &MapWindow::moveSelection);
    connect(canvas_, &MapCanvas::deleteRequested, this, &MapWindow::deleteSelection);
    connect(canvas_, &MapCanvas::runDragged, this, &MapWindow::fillRun);
    connect(canvas_, &MapCanvas::strokeFinished, this, &MapWindow::finishStroke);
    connect(&document_, &ScenarioView::replaced, this, [this] { history_.clear(); });
    followDocument();
}

// Select and Brush, the brush's overlay, and why the brush is off when it is.
QToolBar* MapWindow::makeToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("MapTools"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* tools = new QActionGroup(bar);
    const auto addTool = [&](const QString& text, const QString& name, MapCanvas::Tool tool, const QString& tip) {
        QAction* action = bar->addAction(text);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setToolTip(tip);
        tools->addAction(action);
        connect(action, &QAction::toggled, this, [this, tool](bool on) {
            if (on)
                canvas_->setTool(tool);
        });
        return action;
    };
    addTool(QStringLiteral("Select"), QStringLiteral("SelectTool"), MapCanvas::Tool::Select,
            QStringLiteral("Select, move and delete things; Ctrl+drag fills a Create dialog's positions"))
        ->setChecked(true);
    brushTool_ = addTool(QStringLiteral("Brush"), QStringLiteral("BrushTool"), MapCanvas::Tool::Brush,
                         QStringLiteral("Paint the overlay pack: the left button paints, the right one erases"));
    brushOverlay_ = new QComboBox(bar);
    brushOverlay_->setObjectName(QStringLiteral("BrushOverlay"));
    for (const BrushOverlay& overlay : brushOverlays())
        brushOverlay_->addItem(qstr(overlay.caption), overlay.number);
    connect(brushOverlay_, &QComboBox::currentIndexChanged, this, [this] {
        canvas_->setBrushOverlay(static_cast<std::uint8_t>(brushOverlay_->currentData().toInt()));
        brushTool_->setChecked(brushTool_->isEnabled());
    });
    canvas_->setBrushOverlay(brushOverlays().front().number);
    bar->addWidget(brushOverlay_);
    brushState_ = new QLabel(bar);
    brushState_->setObjectName(QStringLiteral("BrushState"));
    bar->addWidget(brushState_);
    return bar;
}

// Zoom, undo and redo; arrows, Delete and Esc are the canvas's and the window's keys.
void MapWindow::addShortcuts()
{
    const auto addShortcut = [this](const QString& name, const QList<QKeySequence>& keys, auto slot) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    addShortcut(QStringLiteral("MapZoomIn"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                [this] { canvas_->zoom(1); });
    addShortcut(QStringLiteral("MapZoomOut"), {QKeySequence::ZoomOut}, [this] { canvas_->zoom(-1); });
    addShortcut(QStringLiteral("MapSelectAll"), {QKeySequence::SelectAll}, [this] { canvas_->selectAllShown(); });
    addShortcut(QStringLiteral("MapUndo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &MapWindow::undo);
    addShortcut(QStringLiteral("MapRedo"), {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                &MapWindow::redo);
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
    for (const FieldId field : {FieldId::X, FieldId::Y, FieldId::Width, FieldId::Height})
        connect(document_.fieldEdit(field), &QLineEdit::textChanged, this, &MapWindow::documentChanged);
}

void MapWindow::refreshIfStale()
{
    if (stale_)
        refresh();
}

void MapWindow::documentChanged()
{
    stale_ = true;
    if (isVisible())
        refreshTimer_->start();
}

void MapWindow::refresh()
{
    snapshot_ = mapSnapshot(document_);
    showSnapshot();
}

// After the map's own edit the panes hold what the edit makes of the snapshot: the map
// reads that, without copying every pane again.
void MapWindow::refreshAfter(const std::vector<PaneChange>& changes)
{
    for (const PaneChange& change : changes)
        snapshot_.pane(change.pane) = applied(snapshot_.pane(change.pane), change);
    showSnapshot();
}

void MapWindow::showSnapshot()
{
    refreshTimer_->stop();
    stale_ = false;
    canvas_->setContents(readMapContents(snapshot_));
    readGroundOnChange(snapshot_);

    QString html;
    for (const std::string_view country : countriesIn(canvas_->contents())) {
        html += QStringLiteral("<span style=\"color:%1\">&#9632;</span> %2<br>")
                    .arg(countryColour(country).name(), qstr(country).toHtmlEscaped());
    }
    // A label of rich text lays its text out anew on every change: only a change counts.
    auto* countries = findChild<QLabel*>(QStringLiteral("MapCountries"));
    if (countries->text() != html)
        countries->setText(html);
}

// Unpacking is the costly part of the ground: it runs only when the text of a pack's pane
// has changed since the last reading. A pack that cannot be read says why, once.
void MapWindow::readGroundOnChange(const Scenario& snapshot)
{
    const MemoryPane& mapPack = snapshot.pane(PaneId::MapPack);
    const MemoryPane& overlayPack = snapshot.pane(PaneId::OverlayPack);
    const Theater theater = theaterOf(snapshot);
    if (packsRead_ && packsRead_->first == mapPack.text() && packsRead_->second == overlayPack.text() &&
        canvas_->ground().theater == theater)
        return;
    packsRead_ = std::pair{mapPack.text(), overlayPack.text()};
    GroundReading reading = readGround(mapPack, overlayPack);
    reading.theater = theater;
    const QString errors = reading.errors.empty() ? QString() : packErrorsText(reading.errors);
    enableBrush(reading);
    canvas_->setGround(std::move(reading));
    if (!errors.isEmpty())
        showStatus(isPicking() ? kPickInstruction + QStringLiteral(" \u2014 ") + errors : errors);
}

// An overlay pack that cannot be unpacked is never painted over: the brush waits until it
// reads again.
void MapWindow::enableBrush(const GroundReading& reading)
{
    const auto failed = std::find_if(reading.errors.begin(), reading.errors.end(),
                                     [](const PackError& error) { return error.pack == PackId::Overlay; });
    const bool usable = failed == reading.errors.end();
    brushTool_->setEnabled(usable);
    brushOverlay_->setEnabled(usable);
    brushState_->setText(usable ? QString() : QStringLiteral("The brush is off: ") + qstr(describe(*failed)));
    if (!usable && canvas_->tool() == MapCanvas::Tool::Brush)
        findChild<QAction*>(QStringLiteral("SelectTool"))->setChecked(true);
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
    canvas_->setPicking(true);
    canvas_->setCursor(Qt::PointingHandCursor);
    showStatus(kPickInstruction);
}

void MapWindow::cancelPick()
{
    deliverPick_ = nullptr;
    canvas_->setPicking(false);
    canvas_->setTool(canvas_->tool());
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
    else if (canvas_->hasSelection())
        canvas_->clearSelection();
    else
        hide();
}

// The mouse reports far more moves than anyone can read: the status line tells the cell
// under it once the moves reported together have been handled (a brush stroke's among
// them).
void MapWindow::showCell(std::int32_t cell)
{
    hoveredCell_ = cell;
    if (!hoverTimer_->isActive())
        hoverTimer_->start();
}

void MapWindow::showNoCell()
{
    hoveredCell_.reset();
    if (!hoverTimer_->isActive())
        hoverTimer_->start();
}

// While a pick waits, its instruction stays and the cell a click would deliver follows it.
void MapWindow::showHovered()
{
    const QString cell = hoveredCell_ ? cellText(*hoveredCell_) : QString();
    if (!isPicking())
        showStatus(cell);
    else
        showStatus(cell.isEmpty() ? kPickInstruction : kPickInstruction + QStringLiteral(" \u2014 ") + cell);
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

// A message is newer than the cell under the mouse, which waits for the next move.
void MapWindow::showStatus(const QString& text)
{
    hoverTimer_->stop();
    status_->setFullText(text);
}

QString MapWindow::statusText()
{
    if (hoverTimer_->isActive())
        showHovered();
    return status_->fullText();
}

// Shows the first thing standing in the cell: its pane's tab, with its line selected.
void MapWindow::jumpToLine(std::int32_t cell)
{
    const auto things = canvas_->thingsAt(cell);
    if (!things.empty())
        document_.showPaneLine(things.front()->pane, things.front()->line);
}

void MapWindow::setRunDialogs(RunDialogs* dialogs)
{
    runDialogs_ = dialogs;
    canvas_->setRunPreview([this](std::int32_t first, std::int32_t last) {
        return runDialogs_ ? runDialogs_->runCells(first, last) : std::nullopt;
    });
}

QString MapWindow::selectionText() const
{
    return selection_->text();
}

void MapWindow::selectionChanged()
{
    const std::vector<PlacedThing> things = canvas_->selectedThings();
    QString text;
    if (things.size() == 1)
        text = describe(things.front());
    else if (!things.empty())
        text = QStringLiteral("%1 things").arg(countText(static_cast<qint64>(things.size())));
    selection_->setText(text);
    if (!text.isEmpty())
        showStatus(QStringLiteral("Selected: ") + text);
}

// ---- The edits

void MapWindow::moveSelection(int columns, int rows)
{
    refreshIfStale();
    const std::vector<PlacedThing> things = canvas_->selectedThings();
    if (things.empty())
        return;
    apply(movedThings(snapshot_, things, columns, rows),
          QStringLiteral("Moved %1 by %2 columns and %3 rows").arg(selectionText()).arg(columns).arg(rows));
}

void MapWindow::deleteSelection()
{
    refreshIfStale();
    const std::vector<PlacedThing> things = canvas_->selectedThings();
    if (things.empty())
        return;
    const QString deleted = QStringLiteral("Deleted ") + selectionText();
    const MapEdit edit = deletedThings(snapshot_, things);
    // A refused delete keeps the selection for another try.
    if (!edit.refused())
        canvas_->clearSelection();
    apply(edit, deleted);
}

void MapWindow::fillRun(std::int32_t first, std::int32_t last)
{
    if (!runDialogs_ || !runDialogs_->fill(first, last)) {
        showStatus(QStringLiteral("Open a Create dialog (buildings, units, terrain ...) to fill its positions by dragging"));
        return;
    }
    showStatus(QStringLiteral("First position %1, last position %2: press Create in %3")
                   .arg(first)
                   .arg(last)
                   .arg(runDialogs_->current()->windowTitle()));
}

// The painted ground goes into [OverlayPack] as a new pack, one undo step. The canvas
// shows that ground already, so the new pack counts as read.
void MapWindow::finishStroke()
{
    const std::vector<std::uint8_t> overlays = canvas_->ground().ground.overlayPackBytes();
    const PaneChange change = rewrittenPack(PackId::Overlay, snapshot_.pane(PaneId::OverlayPack), overlays, &strokeMemo_);
    history_.apply({change});
    MemoryPane& pack = snapshot_.pane(PaneId::OverlayPack);
    pack = applied(pack, change);
    packsRead_ = std::pair{snapshot_.pane(PaneId::MapPack).text(), pack.text()};
    refreshTimer_->stop();
    stale_ = false;
    showStatus(QStringLiteral("Painted the overlay pack"));
}

void MapWindow::apply(const MapEdit& edit, const QString& done)
{
    if (edit.refused()) {
        showStatus(qstr(edit.refusal));
        return;
    }
    history_.apply(edit.changes);
    refreshAfter(edit.changes);
    showStatus(done);
}

void MapWindow::undo()
{
    const QString refusal = history_.undo();
    refresh();
    showStatus(refusal.isEmpty() ? QStringLiteral("Undid the last map edit") : refusal);
}

void MapWindow::redo()
{
    const QString refusal = history_.redo();
    refresh();
    showStatus(refusal.isEmpty() ? QStringLiteral("Redid the map edit") : refusal);
}

} // namespace vexa
