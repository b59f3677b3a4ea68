#include "render_command.h"

#include "cli_support.h"

#include "core/document/file_access.h"
#include "core/document/reader.h"
#include "core/map/placed_things.h"
#include "gui/tools/map_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <charconv>
#include <memory>
#include <optional>
#include <ostream>

namespace vexa {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFileError = 1;
constexpr int kDefaultSize = 1024;
constexpr int kSmallestSize = 128;
constexpr int kLargestSize = 8192;

struct RenderRequest {
    std::string input;
    std::string output;
    int size = kDefaultSize;
};

std::optional<int> parseSize(const std::string& text)
{
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end != text.data() + text.size() || size < kSmallestSize || size > kLargestSize)
        return std::nullopt;
    return size;
}

std::optional<RenderRequest> parseRender(const std::vector<std::string>& args, std::ostream& err)
{
    RenderRequest request;
    bool haveInput = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            request.output = args[++i];
        } else if (args[i] == "--size" && i + 1 < args.size()) {
            const auto size = parseSize(args[++i]);
            if (!size) {
                err << "The size must be a whole number from " << kSmallestSize << " to " << kLargestSize << ".\n";
                return std::nullopt;
            }
            request.size = *size;
        } else if (!haveInput && (args[i].empty() || args[i][0] != '-')) {
            request.input = args[i];
            haveInput = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveInput || request.output.empty())
        return std::nullopt;
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

int render(const RenderRequest& request, std::ostream& err)
{
    auto bytes = readWholeFile(request.input);
    if (const auto* error = std::get_if<FileError>(&bytes)) {
        err << error->text() << ".\n";
        return kExitFileError;
    }
    const MapContents contents = readMapContents(readScenario(std::get<std::string>(bytes)));
    const auto application = ensureApplication();
    QImage picture(request.size, request.size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        paintMap(painter, contents, fittingFrame(contents, picture.size()), picture.rect());
    }
    if (!picture.save(QString::fromLocal8Bit(request.output.c_str()), "PNG")) {
        err << "Cannot write the picture to " << request.output << ".\n";
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace

const char* const kRenderHelp =
    "Usage: vexabuild-cli render FILE -o MAP.png [--size N]\n"
    "\n"
    "Draws the map of the scenario FILE as the Map window shows it and writes it\n"
    "to MAP.png as a PNG picture N pixels square. Needs no display.\n"
    "\n"
    "Options:\n"
    "  -o MAP.png  the picture to write\n"
    "  --size N    its width and height in pixels, 128 to 8192 (1024 when not given)\n"
    "  --help      show this help\n"
    "\n"
    "Exit status: 0 done, 1 a file error, 2 a usage error.\n";

int runRender(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    if (const auto request = parseRender(args, err))
        return render(*request, err);
    return cli::usageError(err, "render takes FILE -o MAP.png [--size N]", "render");
}

} // namespace vexa
