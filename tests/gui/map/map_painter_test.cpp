#include "gui/map/paint/map_painter.h"

#include "core/ground/ground_look.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace vexa;

namespace {

constexpr int kCell = 10;

PlacedThing thing(ThingKind kind, std::int32_t cell, std::string country = {}, int subPosition = 0)
{
    return {kind, cell, "X", std::move(country), subPosition, paneOfKind(kind), 0};
}

QImage picture(const MapContents& contents, const ShownKinds& shown = kAllKinds, const MapMarks& marks = {})
{
    QImage image(kMapSide * kCell, kMapSide * kCell, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintMap(painter, contents, MapFrame{QPoint(0, 0), kCell}, image.rect(), shown, std::nullopt, {}, marks);
    return image;
}

// The smallest rectangle that holds every pixel in which the pictures differ.
QRect differences(const QImage& one, const QImage& other)
{
    QRect changed;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) != other.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    return changed;
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

namespace {

// A ground of template 3 (tile 9 water, tile 3 rock) with a wall, a crate and ore, as if
// read from both packs.
GroundReading groundWithOverlays()
{
    GroundReading reading;
    reading.mapPack = UnpackedPack::Status::Unpacked;
    reading.overlayPack = UnpackedPack::Status::Unpacked;
    reading.ground.setTerrain(130, 3, 9);   // water
    reading.ground.setTerrain(132, 3, 9);
    reading.ground.setTerrain(133, 3, 3);   // rock
    reading.ground.setOverlay(131, 0);      // SBAG on clear land
    reading.ground.setOverlay(132, 21);     // WCRATE on water
    reading.ground.setOverlay(133, 8);      // GOLD04 on rock
    return reading;
}

QImage pictureOnGround(const GroundPicture& ground)
{
    QImage image(kMapSide * kCell + 1, kMapSide * kCell + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintMap(painter, MapContents{}, MapFrame{QPoint(0, 0), kCell}, image.rect(), kAllKinds, std::nullopt, ground);
    return image;
}

QColor look(std::uint32_t colour)
{
    return QColor::fromRgb(colour);
}

// The grid line of a cell of the ground: its colour with each channel 7/8 as bright.
QColor gridOn(const QColor& colour)
{
    return QColor(colour.red() - colour.red() / 8, colour.green() - colour.green() / 8, colour.blue() - colour.blue() / 8);
}

} // namespace

TEST(MapPainter, TheGroundFillsEachCellWithItsGridAShadeDarkerAndMarksTheSmallThings)
{
    const GroundReading reading = groundWithOverlays();
    const QImage image = pictureOnGround(groundPicture(reading, GroundLayers()));
    const QColor water = look(groundColour(GroundKind::Water));
    EXPECT_EQ(centreOf(image, {2, 1}), water);
    const QColor grid = gridOn(water);
    EXPECT_EQ(image.pixelColor(2 * kCell + 4, kCell), grid) << "the cell's top line";
    EXPECT_EQ(image.pixelColor(2 * kCell, kCell + 4), grid) << "the cell's left line";
    EXPECT_EQ(image.pixelColor(3 * kCell - 1, 2 * kCell - 1), water) << "no line at the bottom right";

    const QColor wall = look(overlayLook(0).colour);
    EXPECT_EQ(centreOf(image, {3, 1}), wall);
    EXPECT_EQ(image.pixelColor(4 * kCell - 1, 2 * kCell - 1), wall) << "a wall fills its cell";
    EXPECT_EQ(centreOf(image, {4, 1}), look(overlayLook(21).colour));
    EXPECT_EQ(image.pixelColor(4 * kCell + 2, kCell + 2), water) << "a crate is a small mark on its ground";
    EXPECT_EQ(centreOf(image, {5, 1}), look(overlayLook(8).colour)) << "ore covers the rock";
    EXPECT_EQ(centreOf(image, {6, 1}), look(groundColour(GroundKind::Clear)));

    // The grid closes the map at its right edge and below its last row.
    const QColor clearGrid = gridOn(look(groundColour(GroundKind::Clear)));
    EXPECT_EQ(image.pixelColor(kMapSide * kCell, 5 * kCell + 4), clearGrid);
    EXPECT_EQ(image.pixelColor(5 * kCell + 4, kMapSide * kCell), clearGrid);
}

TEST(MapPainter, EachLayerOfTheGroundShowsOnItsOwnAndAPackNotReadAddsNothing)
{
    GroundReading reading = groundWithOverlays();
    const QImage plain = picture(MapContents{});
    const QColor plainCell = centreOf(plain, {2, 1});

    const QImage overlayOnly = pictureOnGround(groundPicture(reading, GroundLayers{false, true}));
    EXPECT_EQ(centreOf(overlayOnly, {2, 1}), plainCell);
    EXPECT_EQ(overlayOnly.pixelColor(2 * kCell + 4, kCell), plain.pixelColor(2 * kCell + 4, kCell)) << "the plain grid";
    EXPECT_EQ(centreOf(overlayOnly, {3, 1}), look(overlayLook(0).colour));
    EXPECT_EQ(centreOf(overlayOnly, {4, 1}), look(overlayLook(21).colour));

    const QImage groundOnly = pictureOnGround(groundPicture(reading, GroundLayers{true, false}));
    EXPECT_EQ(centreOf(groundOnly, {3, 1}), look(groundColour(GroundKind::Clear)));
    EXPECT_EQ(centreOf(groundOnly, {4, 1}), look(groundColour(GroundKind::Water)));
    EXPECT_EQ(centreOf(groundOnly, {5, 1}), look(groundColour(GroundKind::Rock)));

    reading.mapPack = UnpackedPack::Status::Failed;
    EXPECT_EQ(centreOf(pictureOnGround(groundPicture(reading, GroundLayers())), {2, 1}), plainCell);
    reading.overlayPack = UnpackedPack::Status::NoPack;
    const GroundPicture nothing = groundPicture(reading, GroundLayers());
    EXPECT_TRUE(nothing.cells.isNull());
    EXPECT_TRUE(nothing.marks.empty());
    EXPECT_TRUE(groundPicture(groundWithOverlays(), GroundLayers{false, false}).cells.isNull());
}

TEST(MapPainter, IndoorsAFloorShowsApartFromTheEmptyCellsAroundIt)
{
    GroundReading reading;
    reading.mapPack = UnpackedPack::Status::Unpacked;
    reading.ground.setTerrain(130, 268, 0);  // FLOR0001 beside bare cells
    reading.theater = Theater::Interior;
    const QImage indoors = pictureOnGround(groundPicture(reading, GroundLayers()));
    EXPECT_EQ(centreOf(indoors, {2, 1}), look(groundColour(reading.ground.cell(130), Theater::Interior)));
    EXPECT_NE(centreOf(indoors, {2, 1}), centreOf(indoors, {3, 1}));
    reading.theater = Theater::Temperate;
    const QImage outdoors = pictureOnGround(groundPicture(reading, GroundLayers()));
    EXPECT_EQ(centreOf(outdoors, {2, 1}), centreOf(outdoors, {3, 1}));
}

TEST(MapPainter, ASelectedThingKeepsItsShapeWithinAnOutlineThatStaysBelowTheWaypointsNumbers)
{
    MapContents contents;
    contents.things.push_back(thing(ThingKind::Structure, *cellAt({20, 20}), "Greece"));
    contents.things.push_back(thing(ThingKind::Waypoint, *cellAt({40, 20})));
    const QImage plain = picture(contents);
    const MapFrame frame{QPoint(0, 0), kCell};
    for (const CellPlace place : {CellPlace{20, 20}, CellPlace{40, 20}}) {
        SCOPED_TRACE(place.column);
        const QImage marked = picture(contents, kAllKinds, MapMarks{{*cellAt(place)}, {}, std::nullopt});
        const QRect cell = frame.cellRect(place);
        EXPECT_EQ(marked.copy(cell), plain.copy(cell)) << "the thing is not covered";
        EXPECT_EQ(differences(plain, marked), outlinedCellExtent(frame, place)) << "what a move repaints";
        // From the cell outwards: a light line, a dark band.
        const int middle = cell.center().y();
        EXPECT_EQ(marked.pixelColor(cell.left() - 1, middle), QColor(Qt::white));
        EXPECT_EQ(marked.pixelColor(cell.left() - 2, middle), QColor(Qt::black));
        EXPECT_EQ(marked.pixelColor(cell.right() + kMarkOutlineWidth, middle), QColor(Qt::black));
    }
    const std::vector<WaypointTag> tags = placeWaypointTags(contents, frame);
    ASSERT_EQ(tags.size(), 1U);
    const QRect tag = tags.front().rect;
    ASSERT_TRUE(tag.intersects(outlinedCellExtent(frame, {40, 20})));
    EXPECT_EQ(picture(contents, kAllKinds, MapMarks{{*cellAt({40, 20})}, {}, std::nullopt}).copy(tag), plain.copy(tag))
        << "the number's tag lies over the outline";
}

TEST(MapPainter, ARunVeilsTheCellsThatGetAThingAndRingsItsEndCell)
{
    const MapFrame frame{QPoint(0, 0), kCell};
    const QImage plain = picture(MapContents{});
    const std::vector<std::int32_t> run = {*cellAt({10, 10}), *cellAt({13, 10})};
    const QImage marked = picture(MapContents{}, kAllKinds, MapMarks{{}, run, *cellAt({14, 10})});
    for (const std::int32_t cell : run) {
        const QRect rect = frame.cellRect(*placeOfCell(cell));
        EXPECT_NE(marked.pixelColor(rect.center()), plain.pixelColor(rect.center())) << "veiled";
        EXPECT_EQ(marked.pixelColor(rect.left() - 2, rect.center().y()), plain.pixelColor(rect.left() - 2, rect.center().y()))
            << "not ringed";
    }
    const QRect skipped = frame.cellRect({11, 10});
    EXPECT_EQ(marked.pixelColor(skipped.center()), plain.pixelColor(skipped.center()));
    const QRect end = frame.cellRect({14, 10});
    EXPECT_EQ(marked.pixelColor(end.center()), plain.pixelColor(end.center())) << "the end gets no thing";
    const QColor ring = marked.pixelColor(end.right() + 2, end.center().y());
    EXPECT_NE(ring, plain.pixelColor(end.right() + 2, end.center().y()));
    EXPECT_NE(ring, QColor(Qt::black)) << "not the selection's outline";
}
