#pragma once

#include "cli_support.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::cli {

// One command of the tool. Its help text is what `COMMAND --help` prints and what the
// manual page shows, so it is written once, laid out as plain text that reads well on a
// terminal and turns into roff (manual.h):
//   - blocks of lines separated by blank lines, the first one "Usage: vexabuild-cli ...";
//   - a block that starts with an unindented line ending in ':' ("Options:") is a list:
//     each item indented two spaces, "TERM  description" with two or more blanks between
//     them, or the TERM alone with its description below; deeper lines continue it;
//   - any other indented line is an example, shown as it is.
struct Command {
    std::string_view name;
    std::string_view arguments; // as the overview lists them: "FILE [-o OUT]"
    std::string_view summary;   // one line for the overview
    void (*printHelp)(std::ostream& out);
    std::span<const Option> options; // besides --help, which every command takes
    int (*run)(const CommandLine& line, Streams streams);
    // The exit status of a file error, which is also what output that could not be
    // written to standard output is.
    int fileErrorExit;
};

// Every command, in the order `vexabuild-cli --help` lists them. A new command is a row
// of this table (cli.cpp): the overview, the dispatch and the manual follow from it.
std::span<const Command> commands();
// The command of that name, or nothing.
const Command* commandNamed(std::string_view name);

// `vexabuild-cli --help`: usage, the commands and the tool's own options.
void printOverview(std::ostream& out);

} // namespace vexa::cli
