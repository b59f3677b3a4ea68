#pragma once

#include "gui/map/map_canvas.h"
#include "gui/map/map_document.h"

#include <QWidget>

#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QTimer;
class QToolBar;

namespace vexa {

class ElidedLabel;
class MapClipboard;
class PlaceTool;
class RunDialogs;
class TerrainPalette;
class ThingPropertiesPanel;
class ScenarioView;

// The "Map" window of the Tools menu, which shows the map's document: the map with a legend whose boxes show or hide
// each kind, the ground and the overlay pack, a tool bar, and a status line that tells
// what stands in the cell under the mouse and what ground lies there (while a pick waits,
// after its instruction) and what is selected. It follows the document once the typing
// in it pauses, and starts afresh with each document opened: fitted, nothing selected,
// the Select tool chosen. A double click jumps to a thing's line, and it can hand a
// clicked cell to whoever asked for one.
//
// The map is also a place to edit: selected things move and are deleted, Ctrl+drag fills
// the positions of the placement dialog in use, the brush paints the overlay pack. Every
// edit is an ordinary edit of the panes, one undo step in each pane it touches, which
// Ctrl+Z in this window undoes while it is still the newest there.
class MapWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MapWindow(ScenarioView& document, QWidget* parent = nullptr);
    ~MapWindow() override;

    // Shows the window, fitted to the playable area.
    void open();
    // Shows the playable area (the whole map without one) as large as it fits.
    void fit();
    // The next click on a cell delivers it; Esc cancels. Shows the window.
    void pickCell(std::function<void(std::int32_t)> deliver);
    bool isPicking() const { return static_cast<bool>(deliverPick_); }
    // The dialogs whose positions Ctrl+drag fills.
    void setRunDialogs(RunDialogs* dialogs);

    MapDocument& document() { return map_; }
    MapCanvas& canvas() const { return *canvas_; }
    // The whole text of the status line, which shows as much of it as fits.
    QString statusText();
    // What is selected: "Structure POWR (Greece), [STRUCTURES] line 1", "3 things".
    QString selectionText() const { return map_.selectionText(); }
    // Reads the document again at once instead of waiting for the pause after a change.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QToolBar* makeToolBar();
    QWidget* makeLegend();
    void addGroundBoxes(QWidget* legend, QLayout* column);
    void addShortcuts();
    void showCountries();
    void groundRead();
    void enableBrush(const GroundReading& reading);
    void addTerrainTool(QToolBar* bar, QAction* after);
    void enableTerrain(const GroundReading& reading);
    void documentChanged();
    void startAfresh();
    void showCell(std::int32_t cell);
    void showNoCell();
    void showHovered();
    QString cellText(std::int32_t cell) const;
    void cellClicked(std::int32_t cell);
    void jumpToLine(std::int32_t cell);
    void cancelPick();
    void showStatus(const QString& text);
    void selectionChanged();

    void fillRun(std::int32_t first, std::int32_t last);
    // The properties panel, placing by a click, and copy and paste.
    void addThingEditing(QLayout* body);
    // Shows what an edit of the map's document said of itself.
    void edited(const QString& said);

    ScenarioView& document_;
    MapDocument map_;
    MapCanvas* canvas_;
    ElidedLabel* status_;
    QLabel* selection_;
    QLabel* countries_ = nullptr;
    QTimer* refreshTimer_;
    QTimer* hoverTimer_;
    std::optional<std::int32_t> hoveredCell_;
    QAction* selectTool_ = nullptr;
    QAction* brushTool_ = nullptr;
    QComboBox* brushOverlay_ = nullptr;
    QLabel* brushState_ = nullptr;
    QAction* terrainTool_ = nullptr;
    TerrainPalette* terrainPalette_ = nullptr;
    QLabel* terrainState_ = nullptr;
    std::function<void(std::int32_t)> deliverPick_;
    RunDialogs* runDialogs_ = nullptr;
    PlaceTool* placeTool_ = nullptr;
    MapClipboard* clipboard_ = nullptr;
};

} // namespace vexa
