#include "cli.h"

#include "check_command.h"
#include "commands.h"
#include "info_command.h"
#include "normalize_command.h"
#include "scripts_command.h"
#ifdef VEXA_CLI_RENDER
#include "render_command.h"
#endif
#include "core/check/scenario_check.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <iomanip>
#include <iostream>

namespace vexa {

namespace cli {

namespace {

constexpr const char* kOverviewUsage =
    "Usage: vexabuild-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n";

constexpr const char* kOverviewOptions =
    "\n"
    "A FILE (or OUT) named '-' is standard input (or output). Output that cannot\n"
    "be written to standard output is a file error of the command. '--' ends a\n"
    "command's options; an option's value is the argument after it.\n"
    "'vexabuild-cli COMMAND --help' tells more about a command.\n"
    "\n"
    "Options:\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

void printCheckHelp(std::ostream& out)
{
    out << kCheckHelp;
    for (const Rule& rule : checkRules())
        out << "  " << rule.id << "\n      " << rule.explanation << "\n";
}

constexpr std::array kCommands{
    Command{"normalize", "FILE [-o OUT]", "write FILE as the editor saves it",
            [](std::ostream& out) { out << kNormalizeHelp; }, kNormalizeOptions, runNormalize, kNormalizeFileError},
    Command{"check", "FILE... [--format text|json]", "find the mistakes the game silently punishes",
            printCheckHelp, kFilesOptions, runCheck, kCheckFileError},
    Command{"info", "FILE... [--format text|json]", "count what each scenario holds: things, ground, overlays",
            [](std::ostream& out) { out << kInfoHelp; }, kFilesOptions, runInfo, kInfoFileError},
    Command{"scripts", "FILE... [--format text|json]", "explain every trigger and team type in words",
            [](std::ostream& out) { out << kScriptsHelp; }, kFilesOptions, runScripts, kScriptsFileError},
#ifdef VEXA_CLI_RENDER
    Command{"render", "FILE -o MAP.png [--size N] [--no-ground]", "draw the map on its ground, as a picture",
            printRenderHelp, kRenderOptions, runRender, kRenderFileError},
#endif
};

// The tool's own output (its help, its version) that could not be written.
constexpr int kExitOwnOutputFailed = 1;

// Why standard output took no more: a descriptor that is closed or open only for
// reading, a pipe or socket whose reader has gone; a file or device that is full.
FileError outputFailure(int descriptor)
{
    if (descriptor < 0)
        return FileError{kDiskFull};
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY)
        return errorFromErrno(EBADF, {});
    struct stat info {};
    if (::fstat(descriptor, &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)))
        return errorFromErrno(EPIPE, {});
    return FileError{kDiskFull};
}

// Every run ends here: output that could not be written to standard output (a full disk,
// a closed pipe) is a file error, told on standard error, however the command went.
int withOutputWritten(int exitCode, int fileErrorExit, Streams streams)
{
    streams.out.flush();
    if (streams.out)
        return exitCode;
    printFileError(streams.err, outputFailure(streams.outDescriptor), kStandardOutputName);
    return std::max(exitCode, fileErrorExit);
}

int dispatch(const std::vector<std::string>& args, Streams streams)
{
    if (args.empty())
        return usageError(streams.err, "missing COMMAND");
    const std::string& name = args[0];
    if (name == "--help" || name == "-h") {
        printOverview(streams.out);
        return withOutputWritten(kExitOk, kExitOwnOutputFailed, streams);
    }
    if (name == "--version") {
        streams.out << "vexabuild-cli " << VEXA_VERSION << "\n";
        return withOutputWritten(kExitOk, kExitOwnOutputFailed, streams);
    }
    const Command* command = commandNamed(name);
    if (!command) {
        if (name.size() > 1 && name[0] == '-')
            return usageError(streams.err, "unknown option '" + name + "'");
        return usageError(streams.err, "unknown command '" + name + "'");
    }
    const auto parsed = parseCommandLine(std::vector<std::string>(args.begin() + 1, args.end()), command->options);
    if (const auto* problem = std::get_if<std::string>(&parsed))
        return usageError(streams.err, *problem, command->name);
    const CommandLine& line = std::get<CommandLine>(parsed);
    if (line.help) {
        command->printHelp(streams.out);
        return withOutputWritten(kExitOk, command->fileErrorExit, streams);
    }
    return withOutputWritten(command->run(line, streams), command->fileErrorExit, streams);
}

} // namespace

std::span<const Command> commands()
{
    return kCommands;
}

const Command* commandNamed(std::string_view name)
{
    const auto found = std::find_if(kCommands.begin(), kCommands.end(), [&](const Command& c) { return c.name == name; });
    return found == kCommands.end() ? nullptr : &*found;
}

void printOverview(std::ostream& out)
{
    std::size_t width = 0;
    for (const Command& command : kCommands)
        width = std::max(width, command.name.size() + 1 + command.arguments.size());
    out << kOverviewUsage;
    for (const Command& command : kCommands) {
        const std::string call = std::string(command.name) + " " + std::string(command.arguments);
        out << "  " << std::left << std::setw(static_cast<int>(width + 3)) << call << command.summary << "\n";
    }
    out << kOverviewOptions;
}

} // namespace cli

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           int outDescriptor)
{
    return cli::dispatch(args, cli::Streams{in, out, err, outDescriptor});
}

int runCli(const std::vector<std::string>& args)
{
    return runCli(args, std::cin, std::cout, std::cerr, STDOUT_FILENO);
}

} // namespace vexa
