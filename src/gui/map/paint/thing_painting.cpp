#include "gui/map/paint/thing_painting.h"

#include "gui/map/paint/thing_looks.h"

#include "core/map/footprints.h"

#include <QPainter>

#include <algorithm>
#include <bit>

namespace vexa {

namespace {

// Which cells of the map hold something: one bit per cell, two 64-bit words per row. Its
// runs of side-by-side cells let a whole run be painted with one call.
class CellSet {
public:
    void insert(CellPlace place)
    {
        words_[wordOf(place.row, place.column)] |= std::uint64_t{1} << (place.column % 64);
    }

    CellSet& operator|=(const CellSet& other)
    {
        for (std::size_t i = 0; i < words_.size(); ++i)
            words_[i] |= other.words_[i];
        return *this;
    }

    // Calls visit(row, firstColumn, count) for each run of side-by-side cells, row by row.
    template <typename Visit> void forEachRun(Visit&& visit) const
    {
        for (int row = 0; row < kMapSide; ++row) {
            for (int column = nextColumn(row, 0, true); column < kMapSide;) {
                const int end = nextColumn(row, column, false);
                visit(row, column, end - column);
                column = nextColumn(row, end, true);
            }
        }
    }

private:
    static constexpr int kWordsPerRow = kMapSide / 64;

    static std::size_t wordOf(int row, int column) { return static_cast<std::size_t>(row * kWordsPerRow + column / 64); }

    // The first column from the given one whose cell is held (or not); kMapSide if none.
    int nextColumn(int row, int from, bool held) const
    {
        for (int column = from; column < kMapSide; column = (column / 64 + 1) * 64) {
            std::uint64_t bits = words_[wordOf(row, column)];
            if (!held)
                bits = ~bits;
            bits &= ~std::uint64_t{0} << (column % 64);
            if (bits != 0)
                return (column / 64) * 64 + std::countr_zero(bits);
        }
        return kMapSide;
    }

    std::array<std::uint64_t, kMapCellCount / 64> words_{};
};

// The things of one kind that look alike: of one country where the kind has countries
// and, for infantry, in one place of the cell.
struct ThingGroup {
    std::string_view country;
    int subPosition = 0;
    CellSet cells;
};

using GroupsByKind = std::array<std::vector<ThingGroup>, kThingKindCount>;

// Groups are told apart by the country's name, not its colour: a few names compare
// faster than each thing's colour is looked up.
CellSet& cellsOfGroup(std::vector<ThingGroup>& groups, std::string_view country, int subPosition)
{
    for (ThingGroup& group : groups) {
        if (group.country == country && group.subPosition == subPosition)
            return group.cells;
    }
    return groups.emplace_back(ThingGroup{country, subPosition, {}}).cells;
}

// The shown things within the cells, sorted into groups that are painted alike; a thing
// fills every cell of its footprint. The groups refer to the countries' names in the
// contents.
GroupsByKind groupThings(const MapContents& contents, const CellRange& cells, const ShownKinds& shown)
{
    GroupsByKind groups;
    for (const PlacedThing& thing : contents.things) {
        if (!shown[index(thing.kind)])
            continue;
        const auto place = placeOfCell(thing.cell);
        if (!place)
            continue;
        const Footprint size = footprintOf(thing.kind, thing.type);
        const CellRange covered{std::max(place->column, cells.firstColumn),
                                std::min({place->column + size.width - 1, cells.lastColumn, kMapSide - 1}),
                                std::max(place->row, cells.firstRow),
                                std::min({place->row + size.height - 1, cells.lastRow, kMapSide - 1})};
        if (covered.columnCount() <= 0 || covered.lastRow < covered.firstRow)
            continue;
        const std::string_view country = carriesCountry(thing.kind) ? std::string_view(thing.country) : "";
        const int subPosition = thing.kind == ThingKind::Infantry ? thing.subPosition : 0;
        CellSet& set = cellsOfGroup(groups[index(thing.kind)], country, subPosition);
        for (int row = covered.firstRow; row <= covered.lastRow; ++row) {
            for (int column = covered.firstColumn; column <= covered.lastColumn; ++column)
                set.insert({column, row});
        }
    }
    return groups;
}

// One cell with a group's shape where it stands in the cell.
QImage cellTile(ThingKind kind, const QColor& colour, int subPosition, int cellSize)
{
    QImage tile(cellSize, cellSize, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    const QImage stamp = makeStamp(kind, colour,
                                   kind == ThingKind::Infantry ? infantrySide(cellSize) : cellSize);
    QPainter painter(&tile);
    painter.drawImage(kind == ThingKind::Infantry ? subPositionOffset(subPosition, cellSize) : QPoint(), stamp);
    return tile;
}

// The tile repeated along a row, long enough for the longest run of the picture.
QImage strip(const QImage& tile, int count)
{
    QImage strip(tile.width() * count, tile.height(), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (int i = 0; i < count; ++i)
        painter.drawImage(i * tile.width(), 0, tile);
    return strip;
}

// Each run of cells copies as much of the strip as it needs, in one call.
void paintRuns(QPainter& painter, const CellSet& cells, const QImage& strip, const MapFrame& frame)
{
    cells.forEachRun([&](int row, int column, int count) {
        painter.drawImage(frame.cellRect({column, row}).topLeft(), strip,
                          QRect(0, 0, count * frame.cellSize, frame.cellSize));
    });
}

// Structures are plain squares: their colours go into a picture of one pixel per cell,
// which one call scales up onto the map; then one outline strip darkens the edges of
// every structure alike.
void paintStructures(QPainter& painter, const std::vector<ThingGroup>& groups, const MapFrame& frame,
                     const CellRange& cells)
{
    if (groups.empty())
        return;
    QImage colours(kMapSide, kMapSide, QImage::Format_ARGB32_Premultiplied);
    colours.fill(Qt::transparent);
    CellSet all;
    for (const ThingGroup& group : groups) {
        const QRgb colour = colourOf(ThingKind::Structure, group.country).rgba();
        group.cells.forEachRun([&](int row, int column, int count) {
            QRgb* first = reinterpret_cast<QRgb*>(colours.scanLine(row)) + column;
            std::fill(first, first + count, colour);
        });
        all |= group.cells;
    }
    painter.drawImage(frame.mapRect(), colours);
    if (frame.cellSize < kSmallestOutlinedShape)
        return;
    QImage outline(frame.cellSize, frame.cellSize, QImage::Format_ARGB32_Premultiplied);
    outline.fill(Qt::transparent);
    QPainter outlinePainter(&outline);
    outlinePainter.setRenderHint(QPainter::Antialiasing);
    drawStructureOutline(outlinePainter, frame.cellSize);
    outlinePainter.end();
    paintRuns(painter, all, strip(outline, cells.columnCount()), frame);
}

} // namespace

void paintThings(QPainter& painter, const MapContents& contents, const MapFrame& frame, const QRect& visible,
                 const ShownKinds& shown)
{
    const CellRange cells = cellsWithin(frame, visible);
    if (cells.columnCount() <= 0)
        return;
    const GroupsByKind groups = groupThings(contents, cells, shown);
    for (const ThingKind kind : kLayers) {
        if (kind == ThingKind::Structure) {
            paintStructures(painter, groups[index(kind)], frame, cells);
            continue;
        }
        for (const ThingGroup& group : groups[index(kind)]) {
            const QImage tile = cellTile(kind, colourOf(kind, group.country), group.subPosition, frame.cellSize);
            paintRuns(painter, group.cells, strip(tile, cells.columnCount()), frame);
        }
    }
}

} // namespace vexa
