#include "gui/map/map_document.h"

#include "core/ground/overlay_brush.h"
#include "core/map/area_drag.h"
#include "core/map/extent.h"
#include "core/map/footprints.h"
#include "gui/desktop/busy_work.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

namespace vexa {

namespace {

constexpr char kReplacementByte = '?';

// The panes whose lines the map reads besides those of the placed things.
constexpr std::array<PaneId, 2> kPackPanes = {PaneId::MapPack, PaneId::OverlayPack};
// The Map page's fields the map reads: the theater and the playable area.
// The player is what a thing placed by a click belongs to at first.
constexpr std::array<FieldId, 6> kMapFields = {FieldId::Theater, FieldId::X,      FieldId::Y,
                                               FieldId::Width,   FieldId::Height, FieldId::Player};

std::vector<PaneId> panesRead()
{
    std::vector<PaneId> panes;
    for (std::size_t kind = 0; kind < kThingKindCount; ++kind)
        panes.push_back(paneOfKind(static_cast<ThingKind>(kind)));
    panes.insert(panes.end(), kPackPanes.begin(), kPackPanes.end());
    // The triggers the properties' chooser offers and a paste looks its things' up in.
    panes.push_back(PaneId::Trigs);
    return panes;
}

// The panes and fields the map reads, as bytes. A character no file can hold only blocks
// saving; for the map it stands as a '?'.
Scenario mapSnapshot(const ScenarioView& document)
{
    Scenario scenario;
    for (const PaneId pane : panesRead())
        scenario.pane(pane) = MemoryPane(encodeTextReplacing(paneText(*document.paneEditor(pane)), kReplacementByte));
    for (const FieldId field : kMapFields)
        scenario.field(field) = encodeTextReplacing(document.fieldText(field), kReplacementByte);
    return scenario;
}

using ThingKey = std::pair<PaneId, std::size_t>;

ThingKey keyOf(const PlacedThing& thing)
{
    return {thing.pane, thing.line};
}

// What the map no longer shows of a pack that cannot be read.
QString lossOf(PackId pack, bool groundRead)
{
    if (pack == PackId::Map)
        return QStringLiteral("the map shows no ground from this pack");
    return QStringLiteral("the map shows no ore, gems, walls or crates from this pack") +
           (groundRead ? QStringLiteral("; the ground still shows") : QString());
}

// "2 columns and 1 row", "1 column", "3 rows"; empty for no move at all.
QString distanceText(int columns, int rows)
{
    const auto part = [](int count, const char* one, const char* many) {
        return countText(count) + QLatin1Char(' ') + QLatin1String(std::abs(count) == 1 ? one : many);
    };
    QStringList parts;
    if (columns != 0)
        parts << part(columns, "column", "columns");
    if (rows != 0)
        parts << part(rows, "row", "rows");
    return parts.join(QStringLiteral(" and "));
}

} // namespace

QString describe(const PlacedThing& thing)
{
    QString text = decodeText(kindName(thing.kind)) + QLatin1Char(' ') + decodeText(thing.type);
    if (!thing.country.empty())
        text += QStringLiteral(" (%1)").arg(decodeText(thing.country));
    return text + QStringLiteral(", %1 line %2").arg(decodeText(tabOf(thing.pane).caption)).arg(thing.line);
}

QString packErrorsText(const std::vector<PackError>& errors)
{
    const bool groundRead = std::none_of(errors.begin(), errors.end(),
                                         [](const PackError& error) { return error.pack == PackId::Map; });
    QStringList texts;
    for (const PackError& error : errors)
        texts << decodeText(describe(error)) + QStringLiteral(" \u2014 ") + lossOf(error.pack, groundRead);
    return texts.join(QStringLiteral("; "));
}

QString movedText(const QString& what, int columns, int rows)
{
    const QString distance = distanceText(columns, rows);
    return QStringLiteral("Moved ") + what + (distance.isEmpty() ? QString() : QStringLiteral(" by ") + distance);
}

MapDocument::MapDocument(ScenarioView& document, QObject* parent)
    : QObject(parent)
    , document_(document)
    , history_(document)
{
    followDocument();
    connect(&document_, &ScenarioView::replaced, this, &MapDocument::forget);
}

// Every change of a pane or of the Map page's theater and position fields makes the reading old.
void MapDocument::followDocument()
{
    for (const PaneId pane : panesRead())
        connect(document_.paneEditor(pane), &QPlainTextEdit::textChanged, this, &MapDocument::markStale);
    for (const FieldId field : kMapFields)
        connect(document_.fieldEdit(field), &QLineEdit::textChanged, this, &MapDocument::markStale);
}

void MapDocument::markStale()
{
    stale_ = true;
    Q_EMIT documentChanged();
}

// The map's edits and selection belong to the document they were made in.
void MapDocument::forget()
{
    history_.clear();
    clearSelection();
    Q_EMIT replaced();
}

void MapDocument::refreshIfStale()
{
    if (stale_)
        refresh();
}

void MapDocument::refresh()
{
    const auto started = std::chrono::steady_clock::now();
    snapshot_ = mapSnapshot(document_);
    showSnapshot();
    lastReading_ = std::chrono::steady_clock::now() - started;
}

// After the map's own edit the panes hold what the edit makes of the snapshot: the map
// reads that, without copying every pane again.
void MapDocument::refreshAfter(const std::vector<PaneChange>& changes)
{
    for (const PaneChange& change : changes)
        snapshot_.pane(change.pane) = applied(snapshot_.pane(change.pane), change);
    showSnapshot();
}

void MapDocument::showSnapshot()
{
    stale_ = false;
    setContents(readMapContents(snapshot_));
    readGroundOnChange();
}

// Unpacking is the costly part of the ground: it runs only when the text of a pack's pane
// has changed since the last reading. A new theater repaints the ground, unpacked anew.
void MapDocument::readGroundOnChange()
{
    const MemoryPane& mapPack = snapshot_.pane(PaneId::MapPack);
    const MemoryPane& overlayPack = snapshot_.pane(PaneId::OverlayPack);
    if (packsRead_ && packsRead_->first == mapPack.text() && packsRead_->second == overlayPack.text() &&
        ground_.theater == theaterOf(snapshot_))
        return;
    packsRead_ = std::pair{mapPack.text(), overlayPack.text()};
    ground_ = readGround(snapshot_);
    Q_EMIT groundRead();
}

// New contents in which only cells changed (a move on the map, a cell typed in a pane)
// keep the selection as it is. Otherwise a selected thing stays selected while its line
// still places a thing of its kind, type and country: lines typed above it in the pane put
// another thing on its line, mostly one of another type.
void MapDocument::setContents(MapContents contents)
{
    if (auto moved = cellsMovedTo(contents)) {
        contents_ = std::move(contents);
        indexCells();
        Q_EMIT contentsChanged({true, std::move(*moved)});
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
    // The selection fits the new contents before anyone hears of them.
    const bool selectionKept = selected == selected_;
    contents_ = std::move(contents);
    indexCells();
    selected_ = std::move(selected);
    Q_EMIT contentsChanged({});
    if (!selectionKept)
        Q_EMIT selectionChanged();
}

// The cells left and entered when the contents become the next ones, if nothing but the
// cells of some things changed; nothing otherwise. A waypoint that moves may move the
// numbers of others, so it counts as a change of more than its cells.
std::optional<std::vector<std::int32_t>> MapDocument::cellsMovedTo(const MapContents& next) const
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
    std::vector<std::int32_t> cells;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].cell != after[i].cell) {
            cells.push_back(before[i].cell);
            cells.push_back(after[i].cell);
        }
    }
    return cells;
}

void MapDocument::indexCells()
{
    byCell_.resize(contents_.things.size());
    for (std::uint32_t i = 0; i < byCell_.size(); ++i)
        byCell_[i] = i;
    std::stable_sort(byCell_.begin(), byCell_.end(),
                     [this](std::uint32_t a, std::uint32_t b) { return contents_.things[a].cell < contents_.things[b].cell; });
}

// A thing covers cells right of and below its own, as far as its footprint reaches: the
// cells up to the largest footprint's reach left of and above the cell are looked at.
std::vector<const PlacedThing*> MapDocument::thingsAt(std::int32_t cell) const
{
    const auto place = placeOfCell(cell);
    if (!place)
        return {};
    const Footprint reach = largestFootprint();
    const auto cellOf = [this](std::uint32_t i) { return contents_.things[i].cell; };
    std::vector<const PlacedThing*> things;
    // The cells looked at in a row follow each other: one search finds the row's first.
    const int firstColumn = std::max(place->column - reach.width + 1, 0);
    for (int row = std::max(place->row - reach.height + 1, 0); row <= place->row; ++row) {
        const std::int32_t rowFirst = *cellAt({firstColumn, row});
        const std::int32_t rowLast = *cellAt({place->column, row});
        const auto first = std::partition_point(byCell_.begin(), byCell_.end(),
                                                [&](std::uint32_t i) { return cellOf(i) < rowFirst; });
        for (auto it = first; it != byCell_.end() && cellOf(*it) <= rowLast; ++it) {
            const PlacedThing& thing = contents_.things[*it];
            if (shown_[index(thing.kind)] && (thing.cell == cell || covers(thing, *place)))
                things.push_back(&thing);
        }
    }
    std::sort(things.begin(), things.end());
    return things;
}

void MapDocument::setShownKinds(const ShownKinds& shown)
{
    shown_ = shown;
    std::vector<std::uint32_t> selected;
    std::copy_if(selected_.begin(), selected_.end(), std::back_inserter(selected),
                 [this](std::uint32_t i) { return shown_[index(contents_.things[i].kind)]; });
    Q_EMIT shownKindsChanged();
    setSelection(std::move(selected));
}

// ---- Selecting

// The shown things of a cell, the one drawn on top first: by the painter's order of the
// kinds, and within a kind the later line first.
std::vector<std::uint32_t> MapDocument::stackAt(std::int32_t cell) const
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

std::vector<PlacedThing> MapDocument::selectedThings() const
{
    std::vector<PlacedThing> things;
    things.reserve(selected_.size());
    for (const std::uint32_t i : selected_)
        things.push_back(contents_.things[i]);
    return things;
}

QString MapDocument::selectionText() const
{
    if (selected_.size() == 1)
        return describe(contents_.things[selected_.front()]);
    if (selected_.empty())
        return {};
    return QStringLiteral("%1 things").arg(countText(static_cast<qint64>(selected_.size())));
}

bool MapDocument::isSelected(std::uint32_t thing) const
{
    return std::binary_search(selected_.begin(), selected_.end(), thing);
}

void MapDocument::setSelection(std::vector<std::uint32_t> things)
{
    std::sort(things.begin(), things.end());
    things.erase(std::unique(things.begin(), things.end()), things.end());
    if (things == selected_)
        return;
    selected_ = std::move(things);
    Q_EMIT selectionChanged();
}

void MapDocument::selectAllShown()
{
    selectWithin({0, 0}, {kMapSide - 1, kMapSide - 1}, false);
}

void MapDocument::clearSelection()
{
    setSelection({});
}

void MapDocument::selectLines(const std::vector<std::pair<PaneId, std::size_t>>& lines)
{
    // The things stand kind after kind, each kind in line order.
    const auto order = [](const PlacedThing& thing) { return std::pair(index(thing.kind), thing.line); };
    std::vector<std::uint32_t> selected;
    for (const auto& [pane, line] : lines) {
        const auto kind = kindInPane(pane);
        if (!kind)
            continue;
        const auto wanted = std::pair(index(*kind), line);
        const auto found = std::partition_point(contents_.things.begin(), contents_.things.end(),
                                                [&](const PlacedThing& thing) { return order(thing) < wanted; });
        if (found != contents_.things.end() && order(*found) == wanted)
            selected.push_back(static_cast<std::uint32_t>(found - contents_.things.begin()));
    }
    setSelection(std::move(selected));
}

// After the last thing of the stack the next click selects the top one again. Shift+click
// on a cell whose things are all selected unselects them.
void MapDocument::clickSelect(std::int32_t cell, bool add)
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

void MapDocument::selectWithin(CellPlace from, CellPlace to, bool add)
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

bool MapDocument::grabAt(std::int32_t cell, bool add)
{
    const auto stack = stackAt(cell);
    if (stack.empty())
        return false;
    const bool onSelection = std::any_of(stack.begin(), stack.end(), [this](std::uint32_t i) { return isSelected(i); });
    if (!onSelection) {
        std::vector<std::uint32_t> selected = add ? selected_ : std::vector<std::uint32_t>{};
        selected.push_back(stack.front());
        setSelection(std::move(selected));
    }
    return true;
}

// ---- The edits

QString MapDocument::moveSelection(int columns, int rows)
{
    refreshIfStale();
    if (selected_.empty())
        return {};
    return apply(movedThings(snapshot_, selectedThings(), columns, rows), movedText(selectionText(), columns, rows));
}

// A refused delete keeps the selection for another try.
QString MapDocument::deleteSelection()
{
    refreshIfStale();
    if (selected_.empty())
        return {};
    const QString deleted = QStringLiteral("Deleted ") + selectionText();
    const MapEdit edit = deletedThings(snapshot_, selectedThings());
    if (!edit.refused())
        clearSelection();
    return apply(edit, deleted);
}

bool MapDocument::paintOverlay(std::int32_t cell, std::uint8_t overlay)
{
    const auto at = static_cast<std::size_t>(cell);
    if (ground_.ground.cell(at).overlay == overlay)
        return false;
    // What is painted shows at once, as the pack would show it.
    ground_.overlayPack = UnpackedPack::Status::Unpacked;
    ground_.ground.setOverlay(at, overlay);
    return true;
}

// The painted ground goes into [OverlayPack] as a new pack, one undo step.
QString MapDocument::finishStroke()
{
    writeStroke(PackId::Overlay, strokeMemo_);
    return QStringLiteral("Painted the overlay pack");
}

std::vector<std::int32_t> MapDocument::stampTerrain(const PaletteTemplate& stamp, CellPlace topLeft)
{
    const std::vector<StampedCell> changes = stampChanges(ground_.ground, stamp, topLeft);
    if (changes.empty())
        return {};
    // What is stamped shows at once; without a pack the ground is all clear already, as
    // the new pack starts.
    ground_.mapPack = UnpackedPack::Status::Unpacked;
    return applyStamp(ground_.ground, changes);
}

QString MapDocument::finishTerrainStroke()
{
    writeStroke(PackId::Map, terrainMemo_);
    return QStringLiteral("Painted the map pack");
}

// The ground holds what was painted already, so the new pack counts as read.
void MapDocument::writeStroke(PackId pack, ChunkMemo& memo)
{
    const std::vector<std::uint8_t> bytes =
        pack == PackId::Map ? ground_.ground.mapPackBytes() : ground_.ground.overlayPackBytes();
    MemoryPane& pane = snapshot_.pane(packPane(pack));
    const PaneChange change = rewrittenPack(pack, pane, bytes, &memo);
    history_.apply({change});
    pane = applied(pane, change);
    packsRead_ = std::pair{snapshot_.pane(PaneId::MapPack).text(), snapshot_.pane(PaneId::OverlayPack).text()};
    stale_ = false;
}

QString MapDocument::setPlayableArea(const PlayableArea& area)
{
    refreshIfStale();
    if (!contents_.playable)
        return {};
    std::vector<FieldChange> changes;
    for (const auto& [field, value] : areaFieldChanges(*contents_.playable, area))
        changes.push_back({field, document_.fieldText(field), QString::number(value)});
    if (changes.empty())
        return {};
    history_.applyFields(changes);
    refresh();
    return QStringLiteral("Playable area ") + decodeText(area.text());
}

QString MapDocument::apply(const MapEdit& edit, const QString& done)
{
    if (edit.refused())
        return decodeText(edit.refusal);
    history_.apply(edit.changes);
    refreshAfter(edit.changes);
    return done;
}

QString MapDocument::undo()
{
    const QString refusal = history_.undo();
    refresh();
    return refusal.isEmpty() ? QStringLiteral("Undid the last map edit") : refusal;
}

QString MapDocument::redo()
{
    const QString refusal = history_.redo();
    refresh();
    return refusal.isEmpty() ? QStringLiteral("Redid the map edit") : refusal;
}

} // namespace vexa
