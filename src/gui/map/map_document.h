#pragma once

#include "core/document/scenario.h"
#include "core/ground/chunk_codec.h"
#include "core/ground/ground.h"
#include "core/ground/terrain_stamp.h"
#include "core/map/map_edits.h"
#include "core/map/placed_things.h"
#include "gui/map/map_history.h"
#include "gui/map/paint/map_painter.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vexa {

class ScenarioView;

// What a new reading changed on the map: only the cells of some things (the cells they
// left and entered), or everything.
struct ContentsChange {
    bool onlyCells = false;
    std::vector<std::int32_t> cells;
};

// The map's side of the document, without widgets: what the map last read of the panes
// (the placed things and the ground of the packs), which kinds show, what is selected,
// and the edits made on the map with their undo. The Map window and its canvas show it
// and hand it the user's gestures; every edit goes into the panes as an ordinary edit,
// one undo step in each pane it touches.
class MapDocument final : public QObject {
    Q_OBJECT
public:
    explicit MapDocument(ScenarioView& document, QObject* parent = nullptr);

    // ---- Reading the document
    // Reads the panes again; the packs are unpacked again only when their text changed.
    void refresh();
    void refreshIfStale();
    // Whether the last reading took longer than a pause in typing may, so that following
    // the typing would make keystrokes wait.
    bool readsSlowly() const { return lastReading_ > typingBudget_; }
    void setTypingBudget(std::chrono::milliseconds budget) { typingBudget_ = budget; }

    const MapContents& contents() const { return contents_; }
    // The panes and fields as the map last read them: what the map's edits are made on.
    const Scenario& snapshot() const { return snapshot_; }
    const GroundReading& ground() const { return ground_; }
    // The shown things covering a cell with their footprints, in pane order.
    std::vector<const PlacedThing*> thingsAt(std::int32_t cell) const;

    // Hiding a kind also unselects its things.
    void setShownKinds(const ShownKinds& shown);
    const ShownKinds& shownKinds() const { return shown_; }

    // ---- Selecting
    // Indexes of contents().things, ascending.
    const std::vector<std::uint32_t>& selection() const { return selected_; }
    bool isSelected(std::uint32_t thing) const;
    bool hasSelection() const { return !selected_.empty(); }
    // The selected things, in pane order.
    std::vector<PlacedThing> selectedThings() const;
    // "Structure POWR (Greece), [STRUCTURES] line 1", "3 things"; empty without a selection.
    QString selectionText() const;
    // A click selects the thing on top; on a cell whose one thing is selected, the next one
    // down. With add the first thing not yet selected joins, or the cell's things leave.
    void clickSelect(std::int32_t cell, bool add);
    // Every shown thing in the rectangle of cells from one corner to the other.
    void selectWithin(CellPlace from, CellPlace to, bool add);
    void selectAllShown();
    void clearSelection();
    // Selects the things standing on these lines (pane, line), shown or not.
    void selectLines(const std::vector<std::pair<PaneId, std::size_t>>& lines);
    // A drag from a cell: takes the thing on top into the selection unless one of the
    // cell's things is selected already. False when no shown thing stands there.
    bool grabAt(std::int32_t cell, bool add);

    // ---- Edits; each gives the text the status line shows of it.
    QString moveSelection(int columns, int rows);
    QString deleteSelection();
    // Puts an overlay (or none) into a cell of the ground as the brush paints; false when
    // the cell holds it already. The stroke goes into the pane when it finishes.
    bool paintOverlay(std::int32_t cell, std::uint8_t overlay);
    QString finishStroke();
    // Stamps a terrain template into the ground as the terrain brush does; gives the cells
    // it changed. The stroke goes into [MapPack] when it finishes.
    std::vector<std::int32_t> stampTerrain(const PaletteTemplate& stamp, CellPlace topLeft);
    QString finishTerrainStroke();
    // Writes the X, Y, Width and Height of [Map] that tell the area from the one shown.
    QString setPlayableArea(const PlayableArea& area);
    // An edit the map's tools made of the snapshot: the done text, or the refusal.
    QString applyEdit(const MapEdit& edit, const QString& done) { return apply(edit, done); }
    QString undo();
    QString redo();

Q_SIGNALS:
    // A pane or field the map reads has changed.
    void documentChanged();
    // Open, New or Revert put another document in place: the map's edits and selection
    // are forgotten.
    void replaced();
    void contentsChanged(const ContentsChange& change);
    // The packs were unpacked anew.
    void groundRead();
    void selectionChanged();
    void shownKindsChanged();

private:
    void followDocument();
    void markStale();
    void forget();
    void showSnapshot();
    void setContents(MapContents contents);
    std::optional<std::vector<std::int32_t>> cellsMovedTo(const MapContents& next) const;
    void indexCells();
    void readGroundOnChange();
    std::vector<std::uint32_t> stackAt(std::int32_t cell) const;
    void setSelection(std::vector<std::uint32_t> things);
    QString apply(const MapEdit& edit, const QString& done);
    void refreshAfter(const std::vector<PaneChange>& changes);
    void writeStroke(PackId pack, ChunkMemo& memo);

    ScenarioView& document_;
    // The panes and fields the map was last read from, as bytes.
    Scenario snapshot_;
    // The text of the [MapPack] and [OverlayPack] panes the ground was last read from.
    std::optional<std::pair<std::string, std::string>> packsRead_;
    MapContents contents_;
    // Indexes of contents_.things sorted by cell, so a cell's things are found without
    // going through the list.
    std::vector<std::uint32_t> byCell_;
    std::vector<std::uint32_t> selected_;
    ShownKinds shown_ = kAllKinds;
    GroundReading ground_;
    // The overlay pack's chunks as the last stroke packed them.
    ChunkMemo strokeMemo_;
    ChunkMemo terrainMemo_;
    MapHistory history_;
    bool stale_ = true;
    std::chrono::steady_clock::duration lastReading_{};
    std::chrono::milliseconds typingBudget_{250};
};

// "Structure POWR (Greece), [STRUCTURES] line 1"
QString describe(const PlacedThing& thing);
// What the map loses of a pack that cannot be read, after why:
// "[OverlayPack] line 3 (key 4): ... — the map shows no ore, gems, walls or crates; the ground still shows"
QString packErrorsText(const std::vector<PackError>& errors);
// "Moved 3 things by 2 columns and 1 row"; a move by 0 rows or columns says nothing of them.
QString movedText(const QString& what, int columns, int rows);

} // namespace vexa
