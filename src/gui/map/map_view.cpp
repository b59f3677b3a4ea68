#include "gui/map/map_view.h"

#include "core/ground/ground_look.h"
#include "core/ground/overlay_brush.h"
#include "core/map/extent.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"
#include "gui/forms/run_dialogs.h"
#include "gui/map/elided_label.h"
#include "gui/map/terrain_palette.h"
#include "gui/map/map_clipboard.h"
#include "gui/map/place_tool.h"
#include "gui/map/thing_properties_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vexa {

namespace {

// Typing in a pane redraws the map only once the typing pauses this long.
constexpr int kRefreshDelayMs = 250;
const QString kOutOfDate =
    QStringLiteral("The document changed since the map read it; it reads it again when the mouse comes onto it");
const QString kPickInstruction = QStringLiteral("Click a cell to deliver its number; Esc cancels");

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

} // namespace

// ---- MapWindow

MapWindow::MapWindow(ScenarioView& document, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , document_(document)
    , map_(document)
    , canvas_(new MapCanvas(map_, this))
    , status_(new ElidedLabel(this))
    , selection_(new QLabel(this))
    , refreshTimer_(new QTimer(this))
    , hoverTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("MapWindow"));
    setWindowTitle(QStringLiteral("Map"));
    status_->setObjectName(QStringLiteral("MapStatus"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    selection_->setObjectName(QStringLiteral("MapSelection"));

    QToolBar* tools = makeToolBar();
    auto* body = new QHBoxLayout;
    body->addWidget(canvas_, 1);
    body->addWidget(terrainPalette_);
    body->addWidget(makeLegend());
    auto* statusLine = new QHBoxLayout;
    statusLine->addWidget(status_, 1);
    statusLine->addWidget(selection_);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(tools);
    layout->addLayout(body, 1);
    layout->addLayout(statusLine);
    addThingEditing(body);
    resize(1100, 720);
    addShortcuts();

    hoverTimer_->setSingleShot(true);
    hoverTimer_->setInterval(0);
    connect(hoverTimer_, &QTimer::timeout, this, &MapWindow::showHovered);
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(kRefreshDelayMs);
    connect(refreshTimer_, &QTimer::timeout, &map_, &MapDocument::refreshIfStale);
    connect(canvas_, &MapCanvas::hovered, this, &MapWindow::showCell);
    connect(canvas_, &MapCanvas::left, this, &MapWindow::showNoCell);
    connect(canvas_, &MapCanvas::cellClicked, this, &MapWindow::cellClicked);
    connect(canvas_, &MapCanvas::cellDoubleClicked, this, &MapWindow::jumpToLine);
    connect(canvas_, &MapCanvas::moveRequested, this,
            [this](int columns, int rows) { edited(map_.moveSelection(columns, rows)); });
    connect(canvas_, &MapCanvas::deleteRequested, this, [this] { edited(map_.deleteSelection()); });
    connect(canvas_, &MapCanvas::runDragged, this, &MapWindow::fillRun);
    connect(canvas_, &MapCanvas::strokeFinished, this, [this] { edited(map_.finishStroke()); });
    connect(canvas_, &MapCanvas::terrainStrokeFinished, this, [this] { edited(map_.finishTerrainStroke()); });
    connect(canvas_, &MapCanvas::areaDragged, this, [this](const PlayableArea& area) { edited(map_.setPlayableArea(area)); });
    connect(&map_, &MapDocument::documentChanged, this, &MapWindow::documentChanged);
    connect(&map_, &MapDocument::contentsChanged, this, &MapWindow::showCountries);
    connect(&map_, &MapDocument::groundRead, this, &MapWindow::groundRead);
    connect(&map_, &MapDocument::selectionChanged, this, &MapWindow::selectionChanged);
    connect(&map_, &MapDocument::replaced, this, &MapWindow::startAfresh);
}

// The canvas shows the map's document to its end: it goes before the document does.
MapWindow::~MapWindow()
{
    delete canvas_;
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
    selectTool_ = addTool(QStringLiteral("Select"), QStringLiteral("SelectTool"), MapCanvas::Tool::Select,
                          QStringLiteral("Select, move and delete things; Ctrl+drag fills a Create dialog's positions"));
    selectTool_->setChecked(true);
    brushTool_ = addTool(QStringLiteral("Brush"), QStringLiteral("BrushTool"), MapCanvas::Tool::Brush,
                         QStringLiteral("Paint the overlay pack: the left button paints, the right one erases"));
    brushOverlay_ = new QComboBox(bar);
    brushOverlay_->setObjectName(QStringLiteral("BrushOverlay"));
    for (const BrushOverlay& overlay : brushOverlays())
        brushOverlay_->addItem(decodeText(overlay.caption), overlay.number);
    connect(brushOverlay_, &QComboBox::currentIndexChanged, this, [this] {
        canvas_->setBrushOverlay(static_cast<std::uint8_t>(brushOverlay_->currentData().toInt()));
    });
    // The user's choice of an overlay, even of the one shown, picks the brush.
    connect(brushOverlay_, &QComboBox::activated, this, [this] { brushTool_->setChecked(brushTool_->isEnabled()); });
    canvas_->setBrushOverlay(brushOverlays().front().number);
    bar->addWidget(brushOverlay_);
    brushState_ = new QLabel(bar);
    brushState_->setObjectName(QStringLiteral("BrushState"));
    bar->addWidget(brushState_);
    terrainTool_ = addTool(QStringLiteral("Terrain"), QStringLiteral("TerrainTool"), MapCanvas::Tool::Terrain,
                           QStringLiteral("Stamp terrain templates into the map pack: the left button stamps the "
                                          "palette's template, the right one clear ground"));
    addTerrainTool(bar, terrainTool_);
    placeTool_ = new PlaceTool(map_, *canvas_, *bar, *tools);
    auto* fitting = bar->addAction(QStringLiteral("Fit"));
    fitting->setObjectName(QStringLiteral("MapFit"));
    fitting->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    fitting->setToolTip(QStringLiteral("Show the playable area (the whole map without one) as large as it fits (Ctrl+0)"));
    connect(fitting, &QAction::triggered, this, &MapWindow::fit);
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
    addShortcut(QStringLiteral("MapSelectAll"), {QKeySequence::SelectAll}, [this] { map_.selectAllShown(); });
    addShortcut(QStringLiteral("MapUndo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { showStatus(map_.undo()); });
    addShortcut(QStringLiteral("MapRedo"), {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                [this] { showStatus(map_.redo()); });
}

QWidget* MapWindow::makeLegend()
{
    auto* legend = new QWidget(this);
    legend->setObjectName(QStringLiteral("MapLegend"));
    auto* column = new QVBoxLayout(legend);
    for (std::size_t i = 0; i < kThingKindCount; ++i) {
        const auto kind = static_cast<ThingKind>(i);
        auto* box = new QCheckBox(decodeText(kindName(kind)), legend);
        box->setObjectName(QStringLiteral("Show%1").arg(decodeText(kindName(kind)).remove(QLatin1Char(' '))));
        box->setIcon(QIcon(QPixmap::fromImage(kindSample(kind, 16))));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this, i](bool checked) {
            ShownKinds shown = map_.shownKinds();
            shown[i] = checked;
            map_.setShownKinds(shown);
        });
        column->addWidget(box);
    }
    addGroundBoxes(legend, column);
    column->addSpacing(12);
    countries_ = new QLabel(legend);
    countries_->setObjectName(QStringLiteral("MapCountries"));
    column->addWidget(countries_);
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

// Typing in a pane puts the reading off until the typing pauses; a hidden window reads
// when it is shown. A document that takes the map longer to read than a pause in typing
// lasts is read again only once the user turns to the map, as the check waits for F7.
void MapWindow::documentChanged()
{
    if (!isVisible())
        return;
    if (!map_.readsSlowly() || isActiveWindow()) {
        refreshTimer_->start();
        return;
    }
    if (!isPicking())
        showStatus(kOutOfDate);
}

void MapWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        map_.refreshIfStale();
}

void MapWindow::refresh()
{
    map_.refresh();
}

void MapWindow::showCountries()
{
    QString html;
    for (const std::string_view country : countriesIn(map_.contents())) {
        html += QStringLiteral("<span style=\"color:%1\">&#9632;</span> %2<br>")
                    .arg(countryColour(country).name(), decodeText(country).toHtmlEscaped());
    }
    // A label of rich text lays its text out anew on every change: only a change counts.
    if (countries_->text() != html)
        countries_->setText(html);
}

// A pack that cannot be read says why, once, and what the map does not show of it.
void MapWindow::groundRead()
{
    const GroundReading& reading = map_.ground();
    enableBrush(reading);
    enableTerrain(reading);
    if (reading.errors.empty())
        return;
    const QString errors = packErrorsText(reading.errors);
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
    brushState_->setText(usable ? QString() : QStringLiteral("The brush is off: ") + decodeText(describe(*failed)));
    if (!usable && canvas_->tool() == MapCanvas::Tool::Brush)
        selectTool_->setChecked(true);
}

// The palette shows beside the map while the Terrain tool is chosen.
void MapWindow::addTerrainTool(QToolBar* bar, QAction* tool)
{
    terrainPalette_ = new TerrainPalette(this);
    terrainPalette_->hide();
    connect(tool, &QAction::toggled, terrainPalette_, &QWidget::setVisible);
    connect(terrainPalette_, &TerrainPalette::templateChosen, canvas_, &MapCanvas::setTerrainStamp);
    canvas_->setTerrainStamp(terrainPalette_->chosen());
    terrainState_ = new QLabel(bar);
    terrainState_->setObjectName(QStringLiteral("TemplateState"));
    bar->addWidget(terrainState_);
}

// A map pack that cannot be unpacked is never stamped over, as with the overlay brush.
void MapWindow::enableTerrain(const GroundReading& reading)
{
    terrainPalette_->showTheater(document_.fieldText(FieldId::Theater));
    const auto failed = std::find_if(reading.errors.begin(), reading.errors.end(),
                                     [](const PackError& error) { return error.pack == PackId::Map; });
    const bool usable = failed == reading.errors.end();
    terrainTool_->setEnabled(usable);
    terrainPalette_->setEnabled(usable);
    terrainState_->setText(usable ? QString() : QStringLiteral("The terrain brush is off: ") + decodeText(describe(*failed)));
    if (!usable && canvas_->tool() == MapCanvas::Tool::Terrain)
        selectTool_->setChecked(true);
}

void MapWindow::open()
{
    show();
    raise();
    activateWindow();
    fit();
}

void MapWindow::fit()
{
    canvas_->fitPlayableArea();
}

void MapWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    map_.refreshIfStale();
}

// Another document is open: the map shows it fitted, with nothing selected and the
// Select tool chosen, and says nothing of the last one. A waiting pick keeps waiting.
void MapWindow::startAfresh()
{
    selectTool_->setChecked(true);
    showStatus(isPicking() ? kPickInstruction : QString());
    if (!isVisible())
        return;
    refresh();
    fit();
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
    else if (map_.hasSelection())
        map_.clearSelection();
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
    for (const PlacedThing* thing : map_.thingsAt(cell))
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
    const auto things = map_.thingsAt(cell);
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

void MapWindow::selectionChanged()
{
    const QString text = map_.selectionText();
    selection_->setText(text);
    if (!text.isEmpty())
        showStatus(QStringLiteral("Selected: ") + text);
}

// ---- The edits

void MapWindow::edited(const QString& said)
{
    // An edit reads the document it changes: the pause's reading is done.
    refreshTimer_->stop();
    if (!said.isEmpty())
        showStatus(said);
}

void MapWindow::addThingEditing(QLayout* body)
{
    auto* properties = new ThingPropertiesPanel(map_, this);
    body->addWidget(properties);
    clipboard_ = new MapClipboard(map_, *canvas_, *this);
    connect(properties, &ThingPropertiesPanel::said, this, &MapWindow::edited);
    connect(properties, &ThingPropertiesPanel::fieldWritten, placeTool_, &PlaceTool::remember);
    connect(placeTool_, &PlaceTool::said, this, &MapWindow::edited);
    connect(placeTool_, &PlaceTool::dropped, this, [this] { selectTool_->setChecked(true); });
    connect(clipboard_, &MapClipboard::said, this, &MapWindow::edited);
    connect(clipboard_, &MapClipboard::pasteEnded, placeTool_, &PlaceTool::resume);
    connect(&map_, &MapDocument::replaced, placeTool_, &PlaceTool::forget);
}

void MapWindow::fillRun(std::int32_t first, std::int32_t last)
{
    if (!runDialogs_ || !runDialogs_->fill(first, last)) {
        showStatus(QStringLiteral("Open a Create dialog (buildings, units, terrain ...) to fill its positions by dragging"));
        return;
    }
    const QString filled = QStringLiteral("First position %1, last position %2").arg(first).arg(last);
    const QString dialog = runDialogs_->current()->windowTitle();
    if (runDialogs_->spacingMissing())
        showStatus(filled + QStringLiteral(" in %1: its spacing is missing; type one, then press Create").arg(dialog));
    else
        showStatus(filled + QStringLiteral(": press Create in %1").arg(dialog));
}

} // namespace vexa
