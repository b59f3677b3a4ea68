#include "cli.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace vexa;

TEST(Render, DrawsTheSampleMapAtTheAskedSizeAndRefusesBadInput)
{
    const auto picture = std::filesystem::temp_directory_path() / "vexa-render-test.png";
    std::filesystem::remove(picture);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli({"render", VEXA_SOURCE_DIR "/data/sample.mpr", "-o", picture.string(), "--size", "384"}, out, err), 0)
        << err.str();
    const QImage image(QString::fromStdString(picture.string()));
    ASSERT_EQ(image.size(), QSize(384, 384));
    // The playable 48 × 48 cells fill the picture at 8 pixels a cell, so the Multi1 yard
    // at cell 5675 (column 43, row 44) stands at column 3, row 4 of the picture.
    EXPECT_EQ(image.pixelColor(3 * 8 + 4, 4 * 8 + 4).rgb(), QColor(0xe8, 0xc4, 0x00).rgb());
    std::filesystem::remove(picture);

    EXPECT_EQ(runCli({"render", VEXA_SOURCE_DIR "/data/sample.mpr", "-o", picture.string(), "--size", "12"}, out, err), 2);
    EXPECT_EQ(runCli({"render", VEXA_SOURCE_DIR "/data/sample.mpr"}, out, err), 2);
    const auto missing = std::filesystem::temp_directory_path() / "vexa-render-missing.mpr";
    EXPECT_EQ(runCli({"render", missing.string(), "-o", picture.string()}, out, err), 1);
    EXPECT_NE(err.str().find("Filen saknas."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(picture));
}
