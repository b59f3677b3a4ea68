#include "placement_fixture.h"

#include <QRadioButton>

#include <array>

using namespace vexa;
using vexa::test::PlacementFixture;

namespace {

// Where each button of the rose stands, RadioButton1 first: columns left to right and
// rows top to bottom, -1, 0 or 1.
struct CompassPlace {
    int column;
    int row;
};
constexpr std::array<CompassPlace, 8> kCompassPlaces = {{
    {0, -1},   // top centre
    {-1, -1},  // upper left
    {-1, 0},   // left
    {-1, 1},   // lower left
    {0, 1},    // bottom
    {1, 1},    // lower right
    {1, 0},    // right
    {1, -1},   // upper right
}};

// -1, 0 or 1 as a stands before, level with or after b; within the slack counts as level.
int order(int a, int b, int slack = 0)
{
    return a < b - slack ? -1 : (a > b + slack ? 1 : 0);
}

// Centres of one row or column of the grid may differ by a pixel of rounding.
constexpr int kPixelSlack = 1;

} // namespace

using CompassLayout = PlacementFixture;

TEST_F(CompassLayout, EachButtonStandsAtItsCompassPlace)
{
    buildings().open();
    std::array<QPoint, 8> centres;
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const QString name = QStringLiteral("RadioButton%1").arg(i + 1);
        auto* button = buildings().findChild<QRadioButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        ASSERT_TRUE(button->isVisible()) << name.toStdString();
        centres[i] = button->mapTo(&buildings(), button->rect().center());
    }
    for (std::size_t i = 0; i < centres.size(); ++i) {
        for (std::size_t j = 0; j < centres.size(); ++j) {
            const CompassPlace a = kCompassPlaces[i];
            const CompassPlace b = kCompassPlaces[j];
            EXPECT_EQ(order(centres[i].x(), centres[j].x(), kPixelSlack), order(a.column, b.column))
                << "RadioButton" << i + 1 << " against RadioButton" << j + 1 << ", left to right";
            EXPECT_EQ(order(centres[i].y(), centres[j].y(), kPixelSlack), order(a.row, b.row))
                << "RadioButton" << i + 1 << " against RadioButton" << j + 1 << ", top to bottom";
        }
    }
}
