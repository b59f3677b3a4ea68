#pragma once

#include "cli_support.h"

#include <vector>

namespace vexa::cli {

// `render FILE -o MAP.png [--size N] [--no-ground]`: a picture of the scenario's map, on
// its ground, with its title and legend, as a PNG file. Exit 0 done, 1 a file error, 2 a usage error.
void printRenderHelp(std::ostream& out);
inline constexpr Option kRenderOptions[] = {{"-o", "a file name"}, {"--size", "a number"}, {"--no-ground"}};
int runRender(const CommandLine& line, Streams streams);
// Its exit status for a file that cannot be read or written.
inline constexpr int kRenderFileError = 1;

} // namespace vexa::cli
