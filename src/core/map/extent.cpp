#include "core/map/extent.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vexa {

namespace {

// Grows a box, or starts one, so that it holds a place.
void include(std::optional<CellBox>& box, CellPlace place)
{
    if (!box) {
        box = CellBox{place.column, place.row, place.column, place.row};
        return;
    }
    box->firstColumn = std::min(box->firstColumn, place.column);
    box->firstRow = std::min(box->firstRow, place.row);
    box->lastColumn = std::max(box->lastColumn, place.column);
    box->lastRow = std::max(box->lastRow, place.row);
}

} // namespace

CellBox cellsToShow(const MapContents& contents, int margin)
{
    std::optional<CellBox> box;
    if (const auto& area = contents.playable) {
        include(box, {area->x(), area->y()});
        include(box, {area->x() + area->width() - 1, area->y() + area->height() - 1});
    }
    for (const PlacedThing& thing : contents.things) {
        if (const auto place = placeOfCell(thing.cell))
            include(box, *place);
    }
    if (!box)
        return CellBox{};
    const auto onMap = [](int line) { return std::clamp(line, 0, kMapSide - 1); };
    return CellBox{onMap(box->firstColumn - margin), onMap(box->firstRow - margin), onMap(box->lastColumn + margin),
                   onMap(box->lastRow + margin)};
}

std::vector<ThingKind> kindsIn(const MapContents& contents)
{
    std::array<bool, kThingKindCount> present{};
    for (const PlacedThing& thing : contents.things)
        present[index(thing.kind)] = true;
    std::vector<ThingKind> kinds;
    for (std::size_t i = 0; i < kThingKindCount; ++i) {
        if (present[i])
            kinds.push_back(static_cast<ThingKind>(i));
    }
    return kinds;
}

std::vector<std::string_view> countriesIn(const MapContents& contents)
{
    std::vector<std::string_view> countries;
    for (const PlacedThing& thing : contents.things) {
        if (!thing.country.empty() && std::find(countries.begin(), countries.end(), thing.country) == countries.end())
            countries.push_back(thing.country);
    }
    return countries;
}

} // namespace vexa
