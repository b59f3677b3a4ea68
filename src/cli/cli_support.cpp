#include "cli_support.h"

#include <istream>
#include <iterator>
#include <ostream>

namespace vexa::cli {

int usageError(std::ostream& err, std::string_view what, std::string_view command)
{
    err << "vexabuild-cli: " << what << "\n"
        << "Try 'vexabuild-cli " << command << (command.empty() ? "" : " ") << "--help' for more information.\n";
    return kExitUsage;
}

bool isStandardStream(std::string_view name)
{
    return name == "-";
}

FileResult<std::string> readInput(const std::string& name, std::istream& in)
{
    if (!isStandardStream(name))
        return readWholeFile(name);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        return FileError{kReadBeyondEnd};
    return bytes;
}

std::string displayName(const std::string& name)
{
    return isStandardStream(name) ? "<stdin>" : name;
}

void printFileError(std::ostream& err, const FileError& error, std::string_view file)
{
    if (!file.empty())
        err << file << ": ";
    err << error.text() << ".\n";
}

} // namespace vexa::cli
