#include "core/map/footprints.h"

#include <algorithm>
#include <string>

namespace vexa {

namespace {

struct FootprintRow {
    std::string_view code;
    ThingKind kind;
    int width;
    int height;
};

// footprints.inc is written at build time from data/footprints.tsv, sorted by code.
constexpr FootprintRow kFootprints[] = {
#include "footprints.inc"
};

constexpr Footprint kLargest = [] {
    Footprint largest;
    for (const FootprintRow& row : kFootprints)
        largest = {std::max(largest.width, row.width), std::max(largest.height, row.height)};
    return largest;
}();

} // namespace

Footprint largestFootprint()
{
    return kLargest;
}

Footprint footprintOf(ThingKind kind, std::string_view type)
{
    if (kind != ThingKind::Structure && kind != ThingKind::Terrain)
        return {};
    // The map asks for every thing it paints: ASCII capitals, without the locale's lookup.
    std::string code(type);
    for (char& c : code)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    const auto found = std::lower_bound(std::begin(kFootprints), std::end(kFootprints), code,
                                        [](const FootprintRow& row, const std::string& wanted) { return row.code < wanted; });
    if (found == std::end(kFootprints) || found->code != code || found->kind != kind)
        return {};
    return {found->width, found->height};
}

bool covers(const PlacedThing& thing, CellPlace place)
{
    const auto origin = placeOfCell(thing.cell);
    if (!origin)
        return false;
    const Footprint size = footprintOf(thing.kind, thing.type);
    return place.column >= origin->column && place.column < origin->column + size.width && place.row >= origin->row &&
           place.row < origin->row + size.height && place.column < kMapSide && place.row < kMapSide;
}

std::vector<std::int32_t> coveredCells(const PlacedThing& thing)
{
    const auto origin = placeOfCell(thing.cell);
    if (!origin)
        return {};
    const Footprint size = footprintOf(thing.kind, thing.type);
    std::vector<std::int32_t> cells;
    for (int row = origin->row; row < origin->row + size.height; ++row) {
        for (int column = origin->column; column < origin->column + size.width; ++column) {
            if (const auto cell = cellAt({column, row}))
                cells.push_back(*cell);
        }
    }
    return cells;
}

} // namespace vexa
