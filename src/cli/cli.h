#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vexa {

// The command-line tool, `vexabuild-cli COMMAND ...` (see --help). Returns the exit
// code. Standard input is read where a file is named "-". `outDescriptor` is the
// system's descriptor behind `out`, if any, which tells why writing it failed.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           int outDescriptor = -1);
// With the process's standard input, output and error.
int runCli(const std::vector<std::string>& args);

} // namespace vexa
