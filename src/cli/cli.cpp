#include "cli.h"

#include "check_command.h"
#include "commands.h"
#include "normalize_command.h"
#ifdef VEXA_CLI_RENDER
#include "render_command.h"
#endif
#include "core/check/scenario_check.h"

#include <algorithm>
#include <array>
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
    "A FILE (or OUT) named '-' is standard input (or output).\n"
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

#ifdef VEXA_CLI_RENDER
int runRenderCommand(const std::vector<std::string>& args, Streams streams)
{
    std::vector<std::string> withName{"render"};
    withName.insert(withName.end(), args.begin(), args.end());
    return runRender(withName, streams.out, streams.err);
}
#endif

constexpr std::array kCommands{
    Command{"normalize", "FILE [-o OUT]", "write FILE as the editor saves it",
            [](std::ostream& out) { out << kNormalizeHelp; }, runNormalize},
    Command{"check", "FILE... [--format text|json]", "find the mistakes the game silently punishes",
            printCheckHelp, runCheck},
#ifdef VEXA_CLI_RENDER
    Command{"render", "FILE -o MAP.png [--size N]", "draw the map as the Map window shows it",
            [](std::ostream& out) { out << kRenderHelp; }, runRenderCommand},
#endif
};

bool asksForHelp(const std::vector<std::string>& args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string& arg) { return arg == "--help" || arg == "-h"; });
}

const Command* commandNamed(std::string_view name)
{
    const auto found = std::find_if(kCommands.begin(), kCommands.end(), [&](const Command& c) { return c.name == name; });
    return found == kCommands.end() ? nullptr : &*found;
}

} // namespace

std::span<const Command> commands()
{
    return kCommands;
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

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return cli::usageError(err, "missing COMMAND");
    const std::string& name = args[0];
    if (name == "--help" || name == "-h") {
        cli::printOverview(out);
        return cli::kExitOk;
    }
    if (name == "--version") {
        out << "vexabuild-cli " << VEXA_VERSION << "\n";
        return cli::kExitOk;
    }
    const cli::Command* command = cli::commandNamed(name);
    if (!command) {
        if (name.size() > 1 && name[0] == '-')
            return cli::usageError(err, "unknown option '" + name + "'");
        return cli::usageError(err, "unknown command '" + name + "'");
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (cli::asksForHelp(rest)) {
        command->printHelp(out);
        return cli::kExitOk;
    }
    return command->run(rest, cli::Streams{in, out, err});
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return runCli(args, std::cin, out, err);
}

} // namespace vexa
