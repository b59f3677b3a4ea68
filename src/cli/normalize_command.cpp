#include "normalize_command.h"

#include "core/document/reader.h"
#include "core/document/writer.h"

#include <optional>
#include <ostream>

namespace vexa::cli {

namespace {

struct NormalizeRequest {
    std::string input;
    std::optional<std::string> output;
};

// The request, or the exit code of a usage error already reported.
std::variant<NormalizeRequest, int> normalizeRequest(const CommandLine& line, std::ostream& err)
{
    const auto file = soleFile(line, err, "normalize");
    if (const int* exitCode = std::get_if<int>(&file))
        return *exitCode;
    return NormalizeRequest{std::get<std::string>(file), line.value("-o")};
}

int reportFileError(const FileError& error, const std::string& file, std::ostream& err)
{
    printFileError(err, error, file);
    return kNormalizeFileError;
}

int normalize(const NormalizeRequest& request, Streams streams)
{
    auto bytes = readInput(request.input, streams.in);
    if (const auto* error = std::get_if<FileError>(&bytes))
        return reportFileError(*error, displayName(request.input), streams.err);
    const std::string written = writeScenario(readScenario(std::get<std::string>(bytes)));
    if (!request.output || isStandardStream(*request.output)) {
        streams.out.write(written.data(), static_cast<std::streamsize>(written.size()));
        return kExitOk;
    }
    if (const auto error = replaceFile(*request.output, written))
        return reportFileError(*error, displayOutputName(*request.output), streams.err);
    return kExitOk;
}

} // namespace

const char* const kNormalizeHelp =
    "Usage: vexabuild-cli normalize FILE [-o OUT]\n"
    "\n"
    "Reads the scenario FILE as the editor opens it and writes what the editor\n"
    "saves: the header comment, the sections in their fixed order, every line\n"
    "ended by CR LF. Writes to OUT when given (replacing it safely), otherwise to\n"
    "standard output. FILE or OUT '-' is standard input or output.\n"
    "\n"
    "Options:\n"
    "  -o OUT      write to the file OUT\n"
    "  --help      show this help\n"
    "\n"
    "Exit status: 0 done, 1 a file error, 2 a usage error.\n";

int runNormalize(const CommandLine& line, Streams streams)
{
    const auto request = normalizeRequest(line, streams.err);
    if (const int* exitCode = std::get_if<int>(&request))
        return *exitCode;
    return normalize(std::get<NormalizeRequest>(request), streams);
}

} // namespace vexa::cli
