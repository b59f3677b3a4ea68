#include "core/placement/cell_position.h"

#include "core/placement/integers.h"

namespace vexa {

std::optional<std::int32_t> cellAt(std::int32_t offset, std::int32_t right, std::int32_t down)
{
    const auto alongRow = checkedAdd(offset, right);
    if (!alongRow)
        return std::nullopt;
    const auto rows = checkedMultiply(kMapSide, down);
    if (!rows)
        return std::nullopt;
    return checkedAdd(*alongRow, *rows);
}

CellCalculation calculateCell(std::string_view offset, std::string_view right, std::string_view down)
{
    if (offset.empty() || right.empty() || down.empty())
        return {};
    const auto cell = cellAt(readInteger(offset, 0), readInteger(right, 0), readInteger(down, 0));
    if (!cell)
        return {Outcome::Overflow, 0};
    return {Outcome::Done, *cell};
}

} // namespace vexa
