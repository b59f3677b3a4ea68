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
std::variant<NormalizeRequest, int> parseNormalize(const std::vector<std::string>& args, std::ostream& err)
{
    NormalizeRequest request;
    bool haveInput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o") {
            if (request.output)
                return usageError(err, "option '-o' given twice", "normalize");
            if (i + 1 == args.size())
                return usageError(err, "option '-o' needs a file name", "normalize");
            request.output = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError(err, "unknown option '" + arg + "'", "normalize");
        } else if (haveInput) {
            return usageError(err, "unexpected argument '" + arg + "'", "normalize");
        } else {
            request.input = arg;
            haveInput = true;
        }
    }
    if (!haveInput)
        return usageError(err, "missing FILE", "normalize");
    return request;
}

int reportFileError(const FileError& error, std::ostream& err)
{
    printFileError(err, error);
    return kNormalizeFileError;
}

int normalize(const NormalizeRequest& request, Streams streams)
{
    auto bytes = readInput(request.input, streams.in);
    if (const auto* error = std::get_if<FileError>(&bytes))
        return reportFileError(*error, streams.err);
    const std::string written = writeScenario(readScenario(std::get<std::string>(bytes)));
    if (!request.output || isStandardStream(*request.output)) {
        streams.out.write(written.data(), static_cast<std::streamsize>(written.size()));
        return kExitOk;
    }
    if (const auto error = replaceFile(*request.output, written))
        return reportFileError(*error, streams.err);
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

int runNormalize(const std::vector<std::string>& args, Streams streams)
{
    const auto request = parseNormalize(args, streams.err);
    if (const int* exitCode = std::get_if<int>(&request))
        return *exitCode;
    return normalize(std::get<NormalizeRequest>(request), streams);
}

} // namespace vexa::cli
