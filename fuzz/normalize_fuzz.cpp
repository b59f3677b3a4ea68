// Any bytes are a scenario file: reading never fails, and saving what was read is
// stable, so normalising twice gives the same bytes as normalising once.
#include "core/document/reader.h"
#include "core/document/writer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string once = vexa::writeScenario(vexa::readScenario(bytes));
    const std::string twice = vexa::writeScenario(vexa::readScenario(once));
    if (once != twice)
        std::abort();
    if (once.size() > 8 * size + 4096)  // the output stays proportional to the input
        std::abort();
    return 0;
}
