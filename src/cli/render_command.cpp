#include "render_command.h"

#include "core/document/reader.h"
#include "core/document/source_lines.h"
#include "core/document/windows1252.h"
#include "core/ground/ground.h"
#include "core/map/placed_things.h"
#include "gui/map/paint/map_picture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <charconv>
#include <memory>
#include <optional>
#include <ostream>

namespace vexa::cli {

namespace {

constexpr int kDefaultWidth = 1024;
constexpr int kLargestWidth = 8192;

struct RenderRequest {
    std::string input;
    std::string output;
    int width = kDefaultWidth;
    bool ground = true;
};

std::optional<int> parseWidth(const std::string& text)
{
    int width = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), width);
    if (error != std::errc() || end != text.data() + text.size() || width < kSmallestMapPictureWidth ||
        width > kLargestWidth)
        return std::nullopt;
    return width;
}

// The request, or the exit code of a usage error already reported.
std::variant<RenderRequest, int> renderRequest(const CommandLine& line, std::ostream& err)
{
    const auto file = soleFile(line, err, "render");
    if (const int* exitCode = std::get_if<int>(&file))
        return *exitCode;
    const std::optional<std::string> output = line.value("-o");
    if (!output)
        return usageError(err, "missing '-o MAP.png' (or '-o -' for standard output)", "render");
    RenderRequest request{std::get<std::string>(file), *output, kDefaultWidth, !line.given("--no-ground")};
    if (const std::optional<std::string> size = line.value("--size")) {
        const std::optional<int> width = parseWidth(*size);
        if (!width)
            return usageError(err, "the size '" + *size + "' is not a whole number from " +
                                       std::to_string(kSmallestMapPictureWidth) + " to " + std::to_string(kLargestWidth),
                              "render");
        request.width = *width;
    }
    return request;
}

// Text needs a font database, which only an application provides; the picture needs no display.
std::unique_ptr<QGuiApplication> ensureApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vexabuild-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Nothing when the picture could not be made or encoded (memory ran out).
std::optional<std::string> pngBytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, "PNG"))
        return std::nullopt;
    return bytes.toStdString();
}

int reportFileError(const FileError& error, const std::string& file, std::ostream& err)
{
    printFileError(err, error, file);
    return kRenderFileError;
}

// The ground of the packs; a pack that cannot be read is left out, with a warning that
// says why.
GroundPicture groundOf(const Scenario& scenario, const SourceLines& sources, const std::string& file,
                       std::ostream& err)
{
    const GroundReading reading = readGround(scenario);
    for (const PackError& error : reading.errors)
        err << displayName(file) << ": warning: " << utf8FromWindows1252(describe(error, sources))
            << "; the picture is drawn without this pack\n";
    return groundPicture(reading, GroundLayers());
}

int render(const RenderRequest& request, Streams streams)
{
    auto bytes = readInput(request.input, streams.in);
    if (const auto* error = std::get_if<FileError>(&bytes))
        return reportFileError(*error, displayName(request.input), streams.err);
    SourceLines sources;
    const Scenario scenario = readScenario(std::get<std::string>(bytes), &sources);
    std::optional<std::string> png;
    {
        const auto application = ensureApplication();
        const QString title = mapPictureTitle(scenario, isStandardStream(request.input) ? "" : request.input);
        const GroundPicture ground =
            request.ground ? groundOf(scenario, sources, request.input, streams.err) : GroundPicture();
        png = pngBytes(mapPicture(readMapContents(scenario), title, request.width, ground));
    }
    if (!png) {
        streams.err << displayOutputName(request.output) << ": the picture could not be made; nothing was written.\n";
        return kRenderFileError;
    }
    if (isStandardStream(request.output)) {
        streams.out.write(png->data(), static_cast<std::streamsize>(png->size()));
        return kExitOk;
    }
    if (const auto error = replaceFile(request.output, *png))
        return reportFileError(*error, displayOutputName(request.output), streams.err);
    return kExitOk;
}

} // namespace

void printRenderHelp(std::ostream& out)
{
    out << "Usage: vexabuild-cli render FILE -o MAP.png [--size N] [--no-ground]\n"
           "\n"
           "Draws the map of the scenario FILE as the Map window shows it, for a\n"
           "document: the ground of [MapPack] with the ore, gems and walls of\n"
           "[OverlayPack], the playable area with its border and every placed thing,\n"
           "also those beyond the border, with a margin of two cells; the scenario's\n"
           "name and the file's name above the map; below it the kinds and countries\n"
           "it shows. Writes the picture to MAP.png as PNG (replacing the file safely).\n"
           "A pack that cannot be unpacked is left out with a warning that says why.\n"
           "FILE '-' is standard input, MAP.png '-' standard output. Needs no display.\n"
           "\n"
           "Options:\n"
           "  -o MAP.png  the picture to write\n"
           "  --size N    its width in pixels, "
        << kSmallestMapPictureWidth << " to " << kLargestWidth << " (" << kDefaultWidth
        << " when not given);\n"
           "              its height follows from the map's shape and the legend\n"
           "  --no-ground  leave out the ground and the overlay of the packs: the\n"
           "              things on the plain grid\n"
           "  --help      show this help\n"
           "\n"
           "Exit status: 0 done, 1 a file error, 2 a usage error.\n";
}

int runRender(const CommandLine& line, Streams streams)
{
    const auto request = renderRequest(line, streams.err);
    if (const int* exitCode = std::get_if<int>(&request))
        return *exitCode;
    return render(std::get<RenderRequest>(request), streams);
}

} // namespace vexa::cli
