#include "gui/map/paint/waypoint_tags.h"

#include <gtest/gtest.h>

using namespace vexa;

namespace {

std::int32_t cell(int column, int row)
{
    return *cellAt({column, row});
}

} // namespace

TEST(WaypointTags, NoTagCoversAnotherOrAWaypointAndATagWithoutRoomIsLeftOut)
{
    // A row across a bin's edge, a block of three by three, two waypoints in one cell and
    // one off the map.
    std::vector<std::int32_t> cells;
    for (int column = 60; column < 66; ++column)
        cells.push_back(cell(column, 64));
    for (int row = 68; row < 71; ++row) {
        for (int column = 60; column < 63; ++column)
            cells.push_back(cell(column, row));
    }
    cells.push_back(cell(60, 74));
    cells.push_back(cell(60, 74));
    cells.push_back(-1);
    const std::size_t blockCentre = 6 + 4;

    for (const int cellSize : {8, 10, 16, 32}) {
        SCOPED_TRACE(cellSize);
        const MapFrame frame{QPoint(-300, 7), cellSize};
        std::vector<TagRequest> requests;
        for (const std::int32_t c : cells)
            requests.push_back({c, QSize(cellSize * 3 / 2 + 3, cellSize + 2)});
        const std::vector<TagPlace> tags = layOutTags(requests, frame);
        ASSERT_EQ(tags.size(), requests.size());
        for (std::size_t i = 0; i < tags.size(); ++i) {
            if (!tags[i].shown)
                continue;
            EXPECT_EQ(tags[i].rect.size(), requests[i].size) << i;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(tags[j].shown && tags[j].rect.intersects(tags[i].rect)) << j << " and " << i;
            for (const std::int32_t c : cells) {
                if (const auto place = placeOfCell(c)) {
                    EXPECT_FALSE(tags[i].rect.intersects(frame.cellRect(*place))) << i;
                }
            }
        }
        EXPECT_TRUE(tags[1].shown && tags[4].shown) << "the row's numbers find room";
        EXPECT_FALSE(tags[blockCentre].shown) << "the middle of the block has none";
        const QRect centre = frame.cellRect(*placeOfCell(cells[blockCentre]));
        EXPECT_EQ(tags[blockCentre].rect, firstTagPlace(centre, requests[blockCentre].size));
        EXPECT_TRUE(tags[cells.size() - 2].shown && tags[cells.size() - 3].shown) << "two in one cell";
        EXPECT_FALSE(tags.back().shown) << "off the map";
    }
}

TEST(WaypointTags, ATagTakesTheFirstFreePlaceOfAboveBelowRightLeftAndTheCorners)
{
    const MapFrame frame{QPoint(0, 0), 10};
    const QSize size(14, 12);
    // Each waypoint listed first, its neighbours after it: A alone; B under another; C
    // with neighbours above and below; D also right; E on all four sides.
    const std::vector<TagRequest> requests = {
        {cell(10, 10), size},
        {cell(30, 10), size}, {cell(30, 9), size},
        {cell(50, 10), size}, {cell(50, 9), size}, {cell(50, 11), size},
        {cell(70, 10), size}, {cell(70, 9), size}, {cell(70, 11), size}, {cell(71, 10), size},
        {cell(90, 10), size}, {cell(90, 9), size}, {cell(90, 11), size}, {cell(91, 10), size}, {cell(89, 10), size},
    };
    const std::vector<TagPlace> tags = layOutTags(requests, frame);
    const auto cellAt = [&](int column) { return frame.cellRect({column, 10}); };
    const int aboveY = cellAt(0).top() - 12;
    const int centredY = cellAt(0).top() - 1;
    EXPECT_EQ(tags[0].rect, QRect(QPoint(cellAt(10).left() - 2, aboveY), size)) << "above, centred";
    EXPECT_EQ(tags[0].rect, firstTagPlace(cellAt(10), size));
    EXPECT_EQ(tags[1].rect, QRect(QPoint(cellAt(30).left() - 2, cellAt(30).bottom() + 1), size)) << "below";
    EXPECT_EQ(tags[3].rect, QRect(QPoint(cellAt(50).right() + 1, centredY), size)) << "right";
    EXPECT_EQ(tags[6].rect, QRect(QPoint(cellAt(70).left() - 14, centredY), size)) << "left";
    EXPECT_EQ(tags[10].rect, QRect(QPoint(cellAt(90).right() + 1, aboveY), size)) << "above right";
    for (const TagPlace& tag : tags)
        EXPECT_TRUE(tag.shown);
}
