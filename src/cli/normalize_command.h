#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vexa {

// The command-line tool: `vexabuild-cli normalize FILE [-o OUT]` reads a scenario as the
// editor's Open does and writes what the editor's Save would write. Returns the exit
// code: 0 done, 1 a file error, 2 a usage error.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vexa
