#include "core/map/area_drag.h"
#include "core/map/footprints.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

PlacedThing footprintThing(ThingKind kind, std::string type, CellPlace place)
{
    return {kind, *cellAt(place), std::move(type), "Greece", 0, paneOfKind(kind), 0};
}

TEST(Footprints, ByKindAndCodeWithOneCellForAnyOther)
{
    EXPECT_EQ(footprintOf(ThingKind::Structure, "FACT"), (Footprint{3, 3}));
    EXPECT_EQ(footprintOf(ThingKind::Structure, "weap"), (Footprint{3, 3}));
    EXPECT_EQ(footprintOf(ThingKind::Terrain, "T01"), (Footprint{2, 2}));
    EXPECT_EQ(footprintOf(ThingKind::Terrain, "FACT"), Footprint{});  // a structure's code on a terrain line
    EXPECT_EQ(footprintOf(ThingKind::Unit, "T01"), Footprint{});
    EXPECT_EQ(footprintOf(ThingKind::Structure, "NOPE"), Footprint{});
    EXPECT_EQ(footprintOf(ThingKind::Structure, ""), Footprint{});
    EXPECT_GE(largestFootprint().width, 4);
    EXPECT_GE(largestFootprint().height, 3);
}

TEST(Footprints, CoverTheirRectangleUpToTheMapsEdge)
{
    const PlacedThing factory = footprintThing(ThingKind::Structure, "FACT", {10, 20});
    EXPECT_EQ(coveredCells(factory).size(), 9U);
    EXPECT_TRUE(covers(factory, {12, 22}));
    EXPECT_TRUE(covers(factory, {10, 21}));
    EXPECT_FALSE(covers(factory, {13, 22}));
    EXPECT_FALSE(covers(factory, {12, 23}));
    EXPECT_FALSE(covers(factory, {9, 20}));

    const PlacedThing onTheEdge = footprintThing(ThingKind::Structure, "FACT", {127, 126});
    EXPECT_EQ(coveredCells(onTheEdge), (std::vector<std::int32_t>{*cellAt({127, 126}), *cellAt({127, 127})}));
    EXPECT_FALSE(covers(onTheEdge, {128, 126}));
    EXPECT_FALSE(covers(onTheEdge, {127, 128}));
}

TEST(AreaDrag, AnEdgeChangesOnlyItsFields)
{
    const PlayableArea area = *PlayableArea::inside(40, 30, 50, 60);
    const auto dragged = [&](AreaEdges edges, int columns, int rows) {
        return areaFieldChanges(area, draggedArea(area, edges, columns, rows));
    };
    using Changes = std::vector<std::pair<FieldId, int>>;
    EXPECT_EQ(dragged({.right = true}, 5, 9), (Changes{{FieldId::Width, 55}}));
    EXPECT_EQ(dragged({.bottom = true}, 9, -10), (Changes{{FieldId::Height, 50}}));
    EXPECT_EQ(dragged({.left = true}, -3, 2), (Changes{{FieldId::X, 37}, {FieldId::Width, 53}}));
    EXPECT_EQ(dragged({.top = true}, 0, 4), (Changes{{FieldId::Y, 34}, {FieldId::Height, 56}}));
    EXPECT_EQ(dragged({.left = true, .top = true}, 1, 1),
              (Changes{{FieldId::X, 41}, {FieldId::Y, 31}, {FieldId::Width, 49}, {FieldId::Height, 59}}));
    EXPECT_EQ(dragged({.right = true}, 0, 0), Changes{});
}

TEST(AreaDrag, StaysInsideTheMapAndAtLeastOneCell)
{
    const PlayableArea area = *PlayableArea::inside(40, 30, 50, 60);
    EXPECT_EQ(draggedArea(area, {.left = true, .top = true}, -100, -100), *PlayableArea::inside(0, 0, 90, 90));
    EXPECT_EQ(draggedArea(area, {.right = true, .bottom = true}, 100, 100), *PlayableArea::inside(40, 30, 88, 98));
    EXPECT_EQ(draggedArea(area, {.left = true, .top = true}, 100, 100), *PlayableArea::inside(89, 89, 1, 1));
    EXPECT_EQ(draggedArea(area, {.right = true, .bottom = true}, -100, -100), *PlayableArea::inside(40, 30, 1, 1));
}

} // namespace
} // namespace vexa
