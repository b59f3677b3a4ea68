#include "core/map/cells.h"

#include "core/document/scenario.h"

#include <gtest/gtest.h>

#include <limits>

namespace vexa {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(MapCells, ColumnAndRow)
{
    EXPECT_EQ(placeOfCell(0), (CellPlace{0, 0}));
    EXPECT_EQ(placeOfCell(127), (CellPlace{127, 0}));
    EXPECT_EQ(placeOfCell(128), (CellPlace{0, 1}));
    EXPECT_EQ(placeOfCell(5675), (CellPlace{43, 44}));
    EXPECT_EQ(placeOfCell(16383), (CellPlace{127, 127}));
    EXPECT_EQ(cellAt({43, 44}), 5675);
    EXPECT_EQ(cellAt({127, 127}), 16383);
}

TEST(MapCells, OutsideTheMapHasNoPlace)
{
    for (const std::int32_t cell : {-1, -128, 16384, kMax, kMin})
        EXPECT_FALSE(placeOfCell(cell)) << cell;
    for (const CellPlace place : {CellPlace{-1, 0}, CellPlace{0, -1}, CellPlace{128, 0}, CellPlace{0, 128}})
        EXPECT_FALSE(cellAt(place)) << place.column << "," << place.row;
}

Scenario withBounds(const char* x, const char* y, const char* width, const char* height)
{
    Scenario scenario;
    scenario.field(FieldId::X) = x;
    scenario.field(FieldId::Y) = y;
    scenario.field(FieldId::Width) = width;
    scenario.field(FieldId::Height) = height;
    return scenario;
}

TEST(PlayableArea, ReadAsValuesFromTheMapFields)
{
    const MapBounds bounds = readMapBounds(withBounds("40", "$10", "48 ; the whole valley", " 36 "));
    EXPECT_EQ(bounds.state, MapBounds::State::Playable);
    EXPECT_EQ(bounds.area, PlayableArea::inside(40, 16, 48, 36));
    EXPECT_EQ(bounds.area->text(), "x 40 to 87, y 16 to 51");
}

TEST(PlayableArea, MissingWhenAFieldIsNoNumber)
{
    for (const char* text : {"ten", "", "\t10", "10 x"}) {
        const MapBounds bounds = readMapBounds(withBounds("10", "10", text, "10"));
        EXPECT_EQ(bounds.state, MapBounds::State::Missing) << text;
        EXPECT_FALSE(bounds.area);
    }
}

TEST(PlayableArea, OnlyInsideTheMap)
{
    EXPECT_TRUE(PlayableArea::inside(0, 0, 128, 128));
    EXPECT_TRUE(PlayableArea::inside(127, 127, 1, 1));
    EXPECT_FALSE(PlayableArea::inside(1, 0, 128, 1));
    EXPECT_FALSE(PlayableArea::inside(0, 1, 1, 128));
    EXPECT_FALSE(PlayableArea::inside(0, 0, 0, 10)) << "an area holds at least one cell";
    EXPECT_FALSE(PlayableArea::inside(0, 0, 10, 0));
    EXPECT_FALSE(PlayableArea::inside(-1, 0, 10, 10));
    EXPECT_FALSE(PlayableArea::inside(kMax, kMax, kMax, kMax)) << "no overflow";
    EXPECT_FALSE(PlayableArea::inside(kMin, 0, kMax, 10));
}

TEST(PlayableArea, OutOfRangeNamesTheFieldThatTakesItOff)
{
    const auto badField = [](const char* x, const char* y, const char* width, const char* height) {
        const MapBounds bounds = readMapBounds(withBounds(x, y, width, height));
        EXPECT_EQ(bounds.state, MapBounds::State::OutOfRange);
        EXPECT_FALSE(bounds.area);
        return bounds.badField;
    };
    EXPECT_EQ(badField("2147483647", "0", "10", "10"), FieldId::X);
    EXPECT_EQ(badField("128", "0", "10", "10"), FieldId::X);
    EXPECT_EQ(badField("0", "-1", "10", "10"), FieldId::Y);
    EXPECT_EQ(badField("0", "128", "10", "10"), FieldId::Y);
    EXPECT_EQ(badField("100", "0", "29", "10"), FieldId::Width);
    EXPECT_EQ(badField("0", "0", "0", "10"), FieldId::Width);
    EXPECT_EQ(badField("0", "100", "10", "29"), FieldId::Height);
    EXPECT_EQ(badField("0", "0", "10", "-2147483648"), FieldId::Height);
}

TEST(PlayableArea, HoldsTheCellsOfItsRectangle)
{
    const PlayableArea area = *PlayableArea::inside(40, 16, 48, 36);
    EXPECT_TRUE(area.holds(40 + 128 * 16));
    EXPECT_TRUE(area.holds(87 + 128 * 51));
    EXPECT_FALSE(area.holds(39 + 128 * 16));
    EXPECT_FALSE(area.holds(88 + 128 * 16));
    EXPECT_FALSE(area.holds(40 + 128 * 15));
    EXPECT_FALSE(area.holds(40 + 128 * 52));
    for (const std::int32_t cell : {-1, 16384, kMax, kMin})
        EXPECT_FALSE(area.holds(cell)) << cell;
}

} // namespace
} // namespace vexa
