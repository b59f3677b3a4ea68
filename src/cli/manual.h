#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace vexa::cli {

// The manual page vexabuild-cli(1) in roff: the overview as synopsis and description,
// then a section per command, all from the help texts that --help prints.
void writeManual(std::ostream& out);

// A help text laid out as commands.h describes, as the body of a roff manual section.
std::string helpToRoff(std::string_view help);

// Text made safe for roff: backslashes, minus signs and control characters at the
// start of a line.
std::string roffEscape(std::string_view text);

} // namespace vexa::cli
