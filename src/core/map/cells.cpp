#include "core/map/cells.h"

#include "core/document/body_line.h"
#include "core/document/scenario.h"
#include "core/placement/integers.h"

namespace vexa {

namespace {

bool isSpanOfMap(std::int64_t from, std::int64_t length)
{
    return from >= 0 && length >= 1 && from + length <= kMapSide;
}

} // namespace

std::optional<std::int32_t> cellAt(CellPlace place)
{
    if (place.column < 0 || place.column >= kMapSide || place.row < 0 || place.row >= kMapSide)
        return std::nullopt;
    return place.column + kMapSide * place.row;
}

PlayableArea::PlayableArea(int x, int y, int width, int height)
    : x_(x)
    , y_(y)
    , width_(width)
    , height_(height)
{
}

std::optional<PlayableArea> PlayableArea::inside(std::int32_t x, std::int32_t y, std::int32_t width,
                                                 std::int32_t height)
{
    if (!isSpanOfMap(x, width) || !isSpanOfMap(y, height))
        return std::nullopt;
    return PlayableArea(x, y, width, height);
}

bool PlayableArea::holds(std::int32_t cell) const
{
    const auto place = placeOfCell(cell);
    return place && place->column >= x_ && place->column < x_ + width_ && place->row >= y_
        && place->row < y_ + height_;
}

std::string PlayableArea::text() const
{
    return "x " + std::to_string(x_) + " to " + std::to_string(x_ + width_ - 1) + ", y " + std::to_string(y_) + " to "
        + std::to_string(y_ + height_ - 1);
}

MapBounds readMapBounds(const Scenario& scenario)
{
    const auto number = [&](FieldId field) { return parseInteger(valueText(scenario.field(field))); };
    const auto left = number(FieldId::X);
    const auto top = number(FieldId::Y);
    const auto columns = number(FieldId::Width);
    const auto rows = number(FieldId::Height);
    if (!left || !top || !columns || !rows)
        return {};
    if (const auto area = PlayableArea::inside(*left, *top, *columns, *rows))
        return {MapBounds::State::Playable, area};
    FieldId badField = FieldId::Height;
    if (*left < 0 || *left >= kMapSide)
        badField = FieldId::X;
    else if (*top < 0 || *top >= kMapSide)
        badField = FieldId::Y;
    else if (!isSpanOfMap(*left, *columns))
        badField = FieldId::Width;
    return {MapBounds::State::OutOfRange, std::nullopt, badField};
}

} // namespace vexa
