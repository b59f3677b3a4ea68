#include "cli.h"

#include "check_command.h"
#include "normalize_command.h"
#ifdef VEXA_CLI_RENDER
#include "render_command.h"
#endif
#include "core/check/scenario_check.h"

#include <iostream>

namespace vexa {

namespace {

using cli::Streams;

constexpr const char* kHelp =
    "Usage: vexabuild-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  normalize FILE [-o OUT]              write FILE as the editor saves it\n"
    "  check FILE... [--format text|json]   find the mistakes the game silently punishes\n"
#ifdef VEXA_CLI_RENDER
    "  render FILE -o MAP.png [--size N]    draw the map as the Map window shows it\n"
#endif
    "\n"
    "A FILE (or OUT) named '-' is standard input (or output).\n"
    "'vexabuild-cli COMMAND --help' tells more about a command.\n"
    "\n"
    "Options:\n"
    "  --help      show this help\n"
    "  --version   show the version\n";

bool asksForHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h")
            return true;
    }
    return false;
}

void printCheckHelp(std::ostream& out)
{
    out << cli::kCheckHelp;
    for (const Rule& rule : checkRules())
        out << "  " << rule.id << "\n      " << rule.explanation << "\n";
}

} // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return cli::usageError(err, "missing COMMAND");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const Streams streams{in, out, err};
    if (command == "--help" || command == "-h") {
        out << kHelp;
        return cli::kExitOk;
    }
    if (command == "--version") {
        out << "vexabuild-cli " << VEXA_VERSION << "\n";
        return cli::kExitOk;
    }
    if (command == "normalize") {
        if (asksForHelp(rest)) {
            out << cli::kNormalizeHelp;
            return cli::kExitOk;
        }
        return cli::runNormalize(rest, streams);
    }
    if (command == "check") {
        if (asksForHelp(rest)) {
            printCheckHelp(out);
            return cli::kExitOk;
        }
        return cli::runCheck(rest, streams);
    }
#ifdef VEXA_CLI_RENDER
    if (command == "render")
        return runRender(args, out, err);
#endif
    if (command.size() > 1 && command[0] == '-')
        return cli::usageError(err, "unknown option '" + command + "'");
    return cli::usageError(err, "unknown command '" + command + "'");
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return runCli(args, std::cin, out, err);
}

} // namespace vexa
