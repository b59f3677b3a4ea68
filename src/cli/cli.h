#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vexa {

// The command-line tool, `vexabuild-cli COMMAND ...` (see --help). Returns the exit
// code. Standard input is read where a file is named "-".
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vexa
