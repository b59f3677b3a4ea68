#include "normalize_command.h"

#include "core/document/file_access.h"
#include "core/document/reader.h"
#include "core/document/writer.h"
#ifdef VEXA_CLI_RENDER
#include "render_command.h"
#endif

#include <optional>
#include <ostream>

namespace vexa {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "Usage: vexabuild-cli normalize FILE [-o OUT]\n"
    "       vexabuild-cli render FILE -o MAP.png [--size N]\n"
    "\n"
    "Reads the scenario FILE as the editor opens it and writes what the editor\n"
    "saves: the header comment, the sections in their fixed order, every line\n"
    "ended by CR LF. Writes to OUT when given (replacing it safely), otherwise to\n"
    "standard output.\n"
    "\n"
    "Options:\n"
    "render draws the map of FILE as the Map window shows it, fitted to the\n"
    "playable area, into a PNG picture N pixels square (1024 unless told).\n"
    "\n"
    "  -o OUT      write to the file OUT\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

struct NormalizeRequest {
    std::string input;
    std::optional<std::string> output;
};

std::optional<NormalizeRequest> parseNormalize(const std::vector<std::string>& args)
{
    NormalizeRequest request;
    bool haveInput = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size() && !request.output) {
            request.output = args[++i];
        } else if (!haveInput && (args[i].empty() || args[i][0] != '-')) {
            request.input = args[i];
            haveInput = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveInput)
        return std::nullopt;
    return request;
}

int reportFileError(const FileError& error, std::ostream& err)
{
    err << error.text() << ".\n";
    return kExitFileError;
}

int normalize(const NormalizeRequest& request, std::ostream& out, std::ostream& err)
{
    auto bytes = readWholeFile(request.input);
    if (const auto* error = std::get_if<FileError>(&bytes))
        return reportFileError(*error, err);
    const std::string written = writeScenario(readScenario(std::get<std::string>(bytes)));
    if (!request.output) {
        out.write(written.data(), static_cast<std::streamsize>(written.size()));
        out.flush();
        return out ? kExitOk : reportFileError(FileError{kDiskFull}, err);
    }
    if (const auto error = replaceFile(*request.output, written))
        return reportFileError(*error, err);
    return kExitOk;
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kExitOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "vexabuild-cli " << VEXA_VERSION << "\n";
        return kExitOk;
    }
#ifdef VEXA_CLI_RENDER
    if (!args.empty() && args[0] == "render")
        return runRender(args, out, err);
#endif
    if (!args.empty() && args[0] == "normalize") {
        if (const auto request = parseNormalize(args))
            return normalize(*request, out, err);
    }
    err << kUsage;
    return kExitUsage;
}

} // namespace vexa
