#pragma once

#include "core/document/layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

struct Scenario;

// The map is 128 cells wide and 128 high: cell = column + 128 × row. Every function
// here takes any 32-bit number and never overflows.
inline constexpr int kMapSide = 128;
inline constexpr std::int32_t kMapCellCount = kMapSide * kMapSide;
inline constexpr std::int32_t kLastCell = kMapCellCount - 1;

struct CellPlace {
    int column = 0;
    int row = 0;
    bool operator==(const CellPlace&) const = default;
};

inline constexpr bool isMapCell(std::int32_t cell)
{
    return cell >= 0 && cell <= kLastCell;
}

// Where a cell lies on the map; nothing for a cell outside it (negative or past the last row).
// Inline: the map's painter asks this for every thing it draws.
inline std::optional<CellPlace> placeOfCell(std::int32_t cell)
{
    if (!isMapCell(cell))
        return std::nullopt;
    return CellPlace{cell % kMapSide, cell / kMapSide};
}

// The cell of a place on the map; nothing for a place off it.
std::optional<std::int32_t> cellAt(CellPlace place);

// The playable rectangle of [Map], in cells: columns x to x + width - 1, rows y to
// y + height - 1. It always lies inside the map and holds at least one cell.
class PlayableArea {
public:
    // Nothing for a rectangle that does not lie inside the map.
    static std::optional<PlayableArea> inside(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

    int x() const { return x_; }
    int y() const { return y_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool holds(std::int32_t cell) const;
    // "x 40 to 87, y 40 to 87"
    std::string text() const;
    bool operator==(const PlayableArea&) const = default;

private:
    PlayableArea(int x, int y, int width, int height);
    int x_, y_, width_, height_;
};

// What the X, Y, Width and Height fields of [Map] give (each read as a value: its
// comment and the blanks around it do not count).
struct MapBounds {
    enum class State { Missing, OutOfRange, Playable };
    State state = State::Missing;         // Missing: a field is not a number
    std::optional<PlayableArea> area;     // Playable only
    FieldId badField = FieldId::X;        // OutOfRange only: the first field that takes it off the map
};
MapBounds readMapBounds(const Scenario& scenario);

} // namespace vexa
