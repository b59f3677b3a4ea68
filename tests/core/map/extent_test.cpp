#include "core/map/extent.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

PlacedThing thing(ThingKind kind, std::int32_t cell, std::string country = {})
{
    return {kind, cell, "X", std::move(country), 0, paneOfKind(kind), 0};
}

std::int32_t cell(int column, int row)
{
    return *cellAt({column, row});
}

TEST(CellsToShow, ThePlayableAreaAndEveryThingOutsideItWithAMargin)
{
    // A 60 × 64 area with two waypoints beyond it, left of it and below it.
    MapContents contents;
    contents.playable = PlayableArea::inside(34, 30, 60, 64);
    contents.things = {thing(ThingKind::Structure, cell(50, 50), "USSR"), thing(ThingKind::Waypoint, cell(20, 60)),
                       thing(ThingKind::Waypoint, cell(70, 101))};
    EXPECT_EQ(cellsToShow(contents), (CellBox{18, 28, 95, 103}));
    EXPECT_EQ(cellsToShow(contents, 0), (CellBox{20, 30, 93, 101}));

    // The area alone, when everything stands inside it.
    contents.things.resize(1);
    const CellBox area = cellsToShow(contents);
    EXPECT_EQ(area, (CellBox{32, 28, 95, 95}));
    EXPECT_EQ(area.columnCount(), 64);
    EXPECT_EQ(area.rowCount(), 68);
}

TEST(CellsToShow, StaysOnTheMap)
{
    MapContents contents;
    contents.playable = PlayableArea::inside(1, 0, 126, 128);
    EXPECT_EQ(cellsToShow(contents), CellBox{});

    // Things in the map's corners, and cells that lie on no map, which nothing shows.
    MapContents corners;
    corners.things = {thing(ThingKind::Terrain, 0), thing(ThingKind::Overlay, kLastCell), thing(ThingKind::Unit, -1),
                      thing(ThingKind::Unit, kMapCellCount)};
    EXPECT_EQ(cellsToShow(corners), CellBox{});
    corners.things = {thing(ThingKind::Terrain, cell(1, 126)), thing(ThingKind::Unit, -5),
                      thing(ThingKind::Unit, kMapCellCount + 3)};
    EXPECT_EQ(cellsToShow(corners), (CellBox{0, 124, 3, 127}));
}

TEST(CellsToShow, WithoutAreaOrThingsTheWholeMap)
{
    EXPECT_EQ(cellsToShow(MapContents{}), (CellBox{0, 0, 127, 127}));
    MapContents offMap;
    offMap.things = {thing(ThingKind::Waypoint, 20000)};
    EXPECT_EQ(cellsToShow(offMap), CellBox{});

    MapContents one;
    one.things = {thing(ThingKind::Waypoint, cell(60, 70))};
    EXPECT_EQ(cellsToShow(one), (CellBox{58, 68, 62, 72}));
}

TEST(MapLegend, KindsInKindOrderAndCountriesOnceInTheOrderMet)
{
    MapContents contents;
    contents.things = {thing(ThingKind::Waypoint, 1),           thing(ThingKind::Unit, 2, "USSR"),
                       thing(ThingKind::Structure, 3, "Greece"), thing(ThingKind::Unit, 4, "USSR"),
                       thing(ThingKind::BaseEntry, 5, "Gr\xe4" "ce"), thing(ThingKind::Terrain, 6)};
    EXPECT_EQ(kindsIn(contents), (std::vector{ThingKind::Structure, ThingKind::Unit, ThingKind::Terrain,
                                              ThingKind::Waypoint, ThingKind::BaseEntry}));
    EXPECT_EQ(countriesIn(contents), (std::vector<std::string_view>{"USSR", "Greece", "Gr\xe4" "ce"}));
    EXPECT_TRUE(kindsIn(MapContents{}).empty());
    EXPECT_TRUE(countriesIn(MapContents{}).empty());
}

} // namespace
} // namespace vexa
