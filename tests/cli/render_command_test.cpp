#include "cli_run.h"

#include "core/document/reader.h"
#include "core/ground/ground_look.h"
#include "gui/map/paint/map_picture.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vexa;
using vexa::test::contents;
using vexa::test::CliRun;
using vexa::test::run;
namespace fs = std::filesystem;

namespace {

const std::string kSample = VEXA_SOURCE_DIR "/data/sample.mpr";
// A real map's packs: water at cell 7700 (column 20, row 60), clear land at 8242.
const std::string kPackedMap = VEXA_SOURCE_DIR "/tests/data/packed-map.ini";

QImage pictureOf(const std::string& png)
{
    return QImage::fromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG");
}

// The test lays the picture out as render does, which needs the fonts of an application.
struct OffscreenApplication {
    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[16] = "render-test";
    char* argv[2] = {name, nullptr};
    QGuiApplication application{argc, argv};
};

} // namespace

using Render = vexa::test::CliFolder;

TEST_F(Render, DrawsTheSampleMapIntoAFileOrToStandardOutput)
{
    const OffscreenApplication fonts;
    const fs::path file = folder_ / "map.png";
    const CliRun toFile = run({"render", kSample, "-o", file.string(), "--size", "384"});
    ASSERT_EQ(toFile.exitCode, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    const QImage picture(QString::fromStdString(file.string()));
    ASSERT_EQ(picture.width(), 384);

    // The Multi1 yard at cell 5675 (column 43, row 44) stands where the picture's layout
    // puts it: the title holds the file's name.
    const Scenario scenario = readScenario(contents(kSample));
    const MapPictureLayout layout =
        layOutMapPicture(readMapContents(scenario), mapPictureTitle(scenario, kSample), 384);
    EXPECT_EQ(picture.size(), layout.size);
    EXPECT_EQ(picture.pixelColor(layout.frame.cellRect({43, 44}).center()), countryColour("Multi1"));

    // A dash is standard input, and for -o standard output; no file named '-' appears.
    const CliRun piped = run({"render", "-", "-o", "-", "--size", "384"}, contents(kSample));
    ASSERT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_TRUE(piped.out.starts_with("\x89PNG\r\n"));
    const QImage pipedPicture = pictureOf(piped.out);
    EXPECT_EQ(pipedPicture.width(), 384);
    // Standard input has no file name for the title, so only the map and legend match.
    EXPECT_EQ(pipedPicture.copy(layout.mapBox), picture.copy(layout.mapBox).convertToFormat(pipedPicture.format()));
    EXPECT_FALSE(fs::exists("-"));
}

TEST_F(Render, DrawsTheGroundOfThePacksUnlessToldNotTo)
{
    const OffscreenApplication fonts;
    const std::string scenarioText = contents(kPackedMap);
    const CliRun withGround = run({"render", "-", "-o", "-", "--size", "512"}, scenarioText);
    const CliRun withoutGround = run({"render", "-", "--no-ground", "-o", "-", "--size", "512"}, scenarioText);
    ASSERT_EQ(withGround.exitCode, 0) << withGround.err;
    ASSERT_EQ(withoutGround.exitCode, 0) << withoutGround.err;
    EXPECT_EQ(withGround.err, "");
    const QImage ground = pictureOf(withGround.out);
    const QImage plain = pictureOf(withoutGround.out);
    ASSERT_EQ(ground.size(), plain.size());

    const MapPictureLayout layout = layOutMapPicture(readMapContents(readScenario(scenarioText)), "", 512);
    const QPoint water = layout.frame.cellRect({20, 60}).center();
    const QPoint land = layout.frame.cellRect({50, 64}).center();
    EXPECT_EQ(ground.pixelColor(water), QColor::fromRgb(groundColour(GroundKind::Water)));
    EXPECT_EQ(ground.pixelColor(land), QColor::fromRgb(groundColour(GroundKind::Clear)));
    EXPECT_NE(plain.pixelColor(water), ground.pixelColor(water));
    EXPECT_EQ(plain.pixelColor(water), plain.pixelColor(land)) << "the plain grid without the ground";

    // A pack that cannot be unpacked is left out, with a warning that says why.
    // It names the line of the file, counted from 1, as check and info do.
    std::string broken = scenarioText;
    const std::size_t faulty = broken.find("\n1=") + 1;
    broken.replace(faulty, 2, "1=!!!!");
    const auto fileLine = std::count(broken.begin(), broken.begin() + static_cast<std::ptrdiff_t>(faulty), '\n') + 1;
    const CliRun warned = run({"render", "-", "-o", "-", "--size", "512"}, broken);
    EXPECT_EQ(warned.exitCode, 0);
    EXPECT_TRUE(warned.err.starts_with("<stdin>: warning: [MapPack] line " + std::to_string(fileLine) + " (key 1): "))
        << warned.err;
    EXPECT_TRUE(warned.err.ends_with("; the picture is drawn without this pack\n")) << warned.err;
    EXPECT_EQ(pictureOf(warned.out).pixelColor(water), plain.pixelColor(water));
}

TEST_F(Render, HelpUsageAndFileErrors)
{
    const CliRun help = run({"render", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: vexabuild-cli render FILE -o MAP.png [--size N] [--no-ground]\n")) << help.out;
    EXPECT_NE(help.out.find("256 to 8192 (1024 when not given)"), std::string::npos);

    const auto usage = [](std::vector<std::string> args) {
        const CliRun result = run(std::move(args));
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        return result.err.substr(0, result.err.find('\n'));
    };
    EXPECT_EQ(usage({"render", kSample}), "vexabuild-cli: missing '-o MAP.png' (or '-o -' for standard output)");
    EXPECT_EQ(usage({"render", "-o", "x.png"}), "vexabuild-cli: missing FILE");
    EXPECT_EQ(usage({"render", kSample, "-o", "x.png", "--size", "12"}),
              "vexabuild-cli: the size '12' is not a whole number from 256 to 8192");
    EXPECT_EQ(usage({"render", kSample, "-o", "x.png", "--size", "1e3"}),
              "vexabuild-cli: the size '1e3' is not a whole number from 256 to 8192");
    EXPECT_EQ(usage({"render", kSample, "-o", "x.png", "--size"}), "vexabuild-cli: option '--size' needs a number");
    EXPECT_EQ(usage({"render", kSample, "-o"}), "vexabuild-cli: option '-o' needs a file name");
    EXPECT_EQ(usage({"render", kSample, "-o", "a.png", "-o", "b.png"}), "vexabuild-cli: option '-o' given twice");
    EXPECT_EQ(usage({"render", kSample, "other.mpr", "-o", "x.png"}), "vexabuild-cli: unexpected argument 'other.mpr'");
    EXPECT_EQ(usage({"render", kSample, "-o", "x.png", "--colour"}), "vexabuild-cli: unknown option '--colour'");

    const fs::path missing = fs::temp_directory_path() / "vexa-render-missing.mpr";
    const CliRun unread = run({"render", missing.string(), "-o", "-"});
    EXPECT_EQ(unread.exitCode, 1);
    EXPECT_EQ(unread.err, missing.string() + ": Filen saknas.\n");
    EXPECT_EQ(unread.out, "");
    const CliRun unwritten = run({"render", kSample, "-o", "/no-such-folder-vexa/map.png"});
    EXPECT_EQ(unwritten.exitCode, 1);
    EXPECT_EQ(unwritten.err, "/no-such-folder-vexa/map.png: Felaktigt filnamn.\n");
}
