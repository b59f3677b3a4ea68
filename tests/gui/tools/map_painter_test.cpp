#include "gui/tools/map_painter.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace vexa;

namespace {

constexpr int kCell = 10;

PlacedThing thing(ThingKind kind, std::int32_t cell, std::string country = {}, int subPosition = 0)
{
    return {kind, cell, "X", std::move(country), subPosition, paneOfKind(kind), 0};
}

QImage picture(const MapContents& contents, const ShownKinds& shown = kAllKinds)
{
    QImage image(kMapSide * kCell, kMapSide * kCell, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintMap(painter, contents, MapFrame{QPoint(0, 0), kCell}, image.rect(), shown);
    return image;
}

QColor centreOf(const QImage& image, CellPlace place)
{
    return image.pixelColor(place.column * kCell + kCell / 2, place.row * kCell + kCell / 2);
}

} // namespace

TEST(MapPainter, EveryCellOfARunAndOfEachCountryShowsItsStructure)
{
    MapContents contents;
    for (std::int32_t cell = 130; cell < 140; ++cell)
        contents.things.push_back(thing(ThingKind::Structure, cell, cell % 2 ? "USSR" : "Greece"));
    contents.things.push_back(thing(ThingKind::Structure, 127, "England")); // the last column
    const QImage image = picture(contents);
    for (std::int32_t cell = 130; cell < 140; ++cell)
        EXPECT_EQ(centreOf(image, *placeOfCell(cell)), countryColour(cell % 2 ? "USSR" : "Greece")) << cell;
    EXPECT_EQ(centreOf(image, {127, 0}), countryColour("England"));
    EXPECT_NE(centreOf(image, {0, 1}), countryColour("Greece"));
    EXPECT_NE(centreOf(image, {12, 1}), countryColour("Greece"));
}

TEST(MapPainter, AStructuresEdgeIsADarkerShadeOfItsColour)
{
    MapContents contents;
    contents.things.push_back(thing(ThingKind::Structure, 130, "Greece"));
    contents.things.push_back(thing(ThingKind::Structure, 131, "USSR"));
    const QImage image = picture(contents);
    for (const auto& [column, country] : {std::pair{2, "Greece"}, std::pair{3, "USSR"}}) {
        const QColor edge = image.pixelColor(column * kCell, kCell + kCell / 2);
        const QColor expected = countryColour(country).darker(170);
        EXPECT_NEAR(edge.red(), expected.red(), 3) << country;
        EXPECT_NEAR(edge.green(), expected.green(), 3) << country;
        EXPECT_NEAR(edge.blue(), expected.blue(), 3) << country;
    }
}

TEST(MapPainter, TerrainRunsAcrossTheMiddleOfARowAndHiddenKindsStayOff)
{
    MapContents contents;
    for (std::int32_t cell = 60; cell < 70; ++cell)
        contents.things.push_back(thing(ThingKind::Terrain, cell));
    // The triangle's middle column at three quarters down is filled.
    const auto middleOf = [](const QImage& image, int column) {
        return image.pixelColor(column * kCell + kCell / 2, kCell * 3 / 4);
    };
    const QImage shownImage = picture(contents);
    for (int column = 60; column < 70; ++column)
        EXPECT_EQ(middleOf(shownImage, column), kindColour(ThingKind::Terrain)) << column;
    EXPECT_NE(middleOf(shownImage, 70), kindColour(ThingKind::Terrain));

    ShownKinds shown = kAllKinds;
    shown[index(ThingKind::Terrain)] = false;
    EXPECT_NE(middleOf(picture(contents, shown), 65), kindColour(ThingKind::Terrain));
}

TEST(MapPainter, InfantryStandsInTheCornerOfItsSubPosition)
{
    MapContents contents;
    contents.things.push_back(thing(ThingKind::Infantry, 130, "Greece", 4)); // bottom right
    const QImage image = picture(contents);
    const QPoint cell(2 * kCell, kCell);
    EXPECT_EQ(image.pixelColor(cell + QPoint(kCell * 3 / 4, kCell * 3 / 4)), countryColour("Greece"));
    EXPECT_NE(image.pixelColor(cell + QPoint(kCell / 4, kCell / 4)), countryColour("Greece"));
}

TEST(MapPainter, TheGridLinesRunAlongEveryCellsTopAndLeftAndCloseTheMap)
{
    // An empty map seen through a window that starts inside a cell: the grid keeps its place.
    QImage image(kMapSide * kCell + 1, kMapSide * kCell + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const QRect visible(kCell * 3 + 4, kCell * 5 + 7, kCell * 20, kCell * 20);
    {
        QPainter painter(&image);
        paintMap(painter, MapContents{}, MapFrame{QPoint(0, 0), kCell}, visible, kAllKinds);
    }
    const QColor line = image.pixelColor(kCell * 4, kCell * 6 + 3);
    EXPECT_EQ(image.pixelColor(kCell * 4 + 3, kCell * 6), line);      // a top line
    EXPECT_NE(image.pixelColor(kCell * 4 + 3, kCell * 6 + 3), line);  // inside the cell
    EXPECT_EQ(image.pixelColor(visible.left(), visible.top()), image.pixelColor(kCell * 4 + 3, kCell * 6 + 3));
    EXPECT_EQ(image.pixelColor(visible.right() + 1, visible.top()), Qt::white);  // outside the window

    QImage whole = picture(MapContents{});
    EXPECT_EQ(whole.pixelColor(kMapSide * kCell - 1, 5), whole.pixelColor(kCell * 4 + 3, kCell * 6 + 3));
}
