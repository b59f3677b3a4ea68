#include "gui/map/paint/map_picture.h"

#include "core/document/scenario.h"

#include <gtest/gtest.h>

using namespace vexa;

namespace {

PlacedThing thing(ThingKind kind, int column, int row, std::string country = {})
{
    return {kind, *cellAt({column, row}), "7", std::move(country), 0, paneOfKind(kind), 0};
}

// A 60 × 64 playable area, a building in it, a tree and a waypoint beyond its border.
MapContents borderland()
{
    MapContents contents;
    contents.playable = PlayableArea::inside(34, 30, 60, 64);
    contents.things = {thing(ThingKind::Structure, 50, 50, "USSR"), thing(ThingKind::Terrain, 20, 60),
                       thing(ThingKind::Waypoint, 70, 101)};
    return contents;
}

int darkPixels(const QImage& image, const QRect& box)
{
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            count += image.pixelColor(x, y).lightness() < 100;
    }
    return count;
}

} // namespace

TEST(MapPicture, TheTitleTheWholeMapAndItsLegendOneBelowTheOther)
{
    const MapContents contents = borderland();
    const MapPictureLayout layout = layOutMapPicture(contents, QStringLiteral("Borderland \u2014 border.mpr"), 800);
    EXPECT_EQ(layout.size.width(), 800);
    const QRect picture(QPoint(0, 0), layout.size);

    // The map frames the area with its border and the things beyond it, cell for cell.
    EXPECT_EQ(layout.cells, cellsToShow(contents));
    EXPECT_EQ(layout.frame.cellRect({18, 28}).topLeft(), layout.mapBox.topLeft());
    EXPECT_EQ(layout.frame.cellRect({95, 103}).bottomRight(), layout.mapBox.bottomRight());
    EXPECT_TRUE(picture.contains(layout.mapBox));
    EXPECT_LT(layout.titleBox.bottom(), layout.mapBox.top());

    std::vector<QString> texts;
    for (const LegendItem& item : layout.legend) {
        texts.push_back(item.text);
        EXPECT_GT(item.textBox.top(), layout.mapBox.bottom()) << item.text.toStdString();
        EXPECT_TRUE(picture.contains(item.textBox.united(item.sampleBox))) << item.text.toStdString();
    }
    EXPECT_EQ(texts, (std::vector<QString>{"Kinds:", "Structure", "Terrain", "Waypoint", "Countries:", "USSR"}));

    const QImage image = mapPicture(contents, QStringLiteral("Borderland \u2014 border.mpr"), 800);
    ASSERT_EQ(image.size(), layout.size);
    EXPECT_GT(darkPixels(image, layout.titleBox), 50) << "the title is written";
    EXPECT_EQ(image.pixelColor(layout.frame.cellRect({50, 50}).center()), countryColour("USSR"));
    EXPECT_EQ(image.pixelColor(layout.legend.back().sampleBox.center()), countryColour("USSR"));
    EXPECT_GT(darkPixels(image, layout.legend[1].sampleBox), 0) << "the structure's shape";
    EXPECT_GT(darkPixels(image, layout.legend[1].textBox), 10) << "its name";
    // The playable area's border, top and bottom, lies whole within the map.
    const QRect area = layout.frame.cellRect({34, 30}).united(layout.frame.cellRect({93, 93}));
    EXPECT_TRUE(layout.mapBox.contains(area.adjusted(-1, -1, 1, 1)));
    EXPECT_EQ(image.pixelColor(area.center().x(), area.top()).lightness(), 32);
    EXPECT_EQ(image.pixelColor(area.center().x(), area.bottom()).lightness(), 32);
}

TEST(MapPicture, ANarrowPictureElidesTheTitleAndWrapsTheLegend)
{
    MapContents contents = borderland();
    for (const char* country : {"Greece", "England", "Ukraine", "Germany", "France", "Multi1"})
        contents.things.push_back(thing(ThingKind::Unit, 40, 40, country));
    const QString title = QStringLiteral("A scenario with a name far longer than a narrow picture can hold");
    const MapPictureLayout layout = layOutMapPicture(contents, title, 256);
    EXPECT_EQ(layout.size.width(), 256);
    EXPECT_TRUE(layout.title.endsWith(QChar(0x2026))) << layout.title.toStdString();
    const QRect inside = QRect(QPoint(0, 0), layout.size).adjusted(1, 1, -1, -1);
    EXPECT_TRUE(inside.contains(layout.titleBox));
    for (std::size_t i = 0; i < layout.legend.size(); ++i) {
        const LegendItem& item = layout.legend[i];
        EXPECT_TRUE(inside.contains(item.textBox.united(item.sampleBox))) << item.text.toStdString();
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(layout.legend[j].textBox.intersects(item.textBox.united(item.sampleBox))) << item.text.toStdString();
    }
    // The countries begin a line of their own.
    const auto countries = std::find_if(layout.legend.begin(), layout.legend.end(),
                                        [](const LegendItem& item) { return item.text == "Countries:"; });
    ASSERT_NE(countries, layout.legend.end());
    EXPECT_EQ(countries->textBox.left(), layout.legend.front().textBox.left());
    EXPECT_GT(countries->textBox.top(), std::prev(countries)->textBox.top());
    // Without a title the map comes first.
    EXPECT_TRUE(layOutMapPicture(contents, QString(), 256).titleBox.isEmpty());
}

TEST(MapPicture, TitledWithTheScenariosNameAndTheFilesName)
{
    Scenario scenario;
    scenario.field(FieldId::Name) = " Gr\xe4nsland ; the north";
    EXPECT_EQ(mapPictureTitle(scenario, "maps/border.mpr"), QStringLiteral("Gr\u00e4nsland \u2014 border.mpr"));
    EXPECT_EQ(mapPictureTitle(scenario, ""), QStringLiteral("Gr\u00e4nsland"));
    scenario.field(FieldId::Name) = "";
    EXPECT_EQ(mapPictureTitle(scenario, "/home/ann/border.mpr"), QStringLiteral("border.mpr"));
}
