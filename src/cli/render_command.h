#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vexa {

// `vexabuild-cli render FILE -o MAP.png [--size N]`: the map window's picture of a
// scenario, N pixels square. Returns the exit code: 0 done, 1 a file error, 2 a usage error.
int runRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
extern const char* const kRenderHelp;

} // namespace vexa
