// Reads and writes a large generated scenario through the core and compares it with
// copying the same file in the same run; also the peak memory of doing so.
#include "bench_support.h"

#include "core/document/file_access.h"
#include "core/document/reader.h"
#include "core/document/writer.h"

#include <cstdlib>
#include <filesystem>

using namespace vexa;
namespace fs = std::filesystem;

namespace {

std::string generatedScenario(std::size_t minimumBytes)
{
    std::string bytes = "; generated\r\n[Basic]\r\nName=Bench\r\nOfficial=Yes\r\n[Map]\r\nWidth=128\r\n";
    const char* sections[] = {"[STRUCTURES]", "[UNITS]", "[INFANTRY]", "[TERRAIN]", "[Trigs]", "[Aircraft]", "[Greece]"};
    std::size_t row = 0;
    while (bytes.size() < minimumBytes) {
        bytes += sections[row % 7];
        bytes += "\r\n";
        for (int i = 0; i < 1000; ++i, ++row) {
            bytes += std::to_string(row) + "=Greece,POWR,256," + std::to_string(1000 + row % 16384) + ",0,None,1,0\r\n";
            if (i % 100 == 0)
                bytes += "\r\n";
        }
    }
    return bytes;
}

std::string readOrDie(const std::string& path)
{
    auto bytes = readWholeFile(path);
    if (auto* error = std::get_if<FileError>(&bytes)) {
        std::fprintf(stderr, "%s.\n", error->text().c_str());
        std::exit(1);
    }
    return std::move(std::get<std::string>(bytes));
}

void writeOrDie(const std::string& path, std::string_view bytes)
{
    if (const auto error = replaceFile(path, bytes)) {
        std::fprintf(stderr, "%s.\n", error->text().c_str());
        std::exit(1);
    }
}

// What the editor's Open and Save do to the file, without a window.
void normalizeFile(const std::string& in, const std::string& out)
{
    Scenario scenario = readScenario(readOrDie(in));
    writeOrDie(out, writeScenario(scenario));
}

void copyFile(const std::string& in, const std::string& out)
{
    writeOrDie(out, readOrDie(in));
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 50;
    const fs::path folder = fs::temp_directory_path() / ("vexa-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string input = (folder / "big.mpr").string();
    const std::string output = (folder / "out.mpr").string();
    writeOrDie(input, generatedScenario(megabytes * 1000 * 1000));
    const double fileBytes = static_cast<double>(fs::file_size(input));
    std::printf("scenario of %.1f MB\n", fileBytes / 1e6);

    const double copy = bench::bestSeconds(3, [&] { copyFile(input, output); });
    const double core = bench::bestSeconds(3, [&] { normalizeFile(input, output); });
    bench::printRatio("read + write through the core vs copy", core, copy, "within 3x");

    const long idle = bench::peakBytesInChild([] {});
    const long copyPeak = bench::peakBytesInChild([&] { copyFile(input, output); });
    const long corePeak = bench::peakBytesInChild([&] { normalizeFile(input, output); });
    std::printf("peak memory: core %.1f MB (%.2fx the file), copy %.1f MB, process base %.1f MB  (target below 4x)\n",
                (corePeak - idle) / 1e6, (corePeak - idle) / fileBytes, (copyPeak - idle) / 1e6, idle / 1e6);
    fs::remove_all(folder);
    return 0;
}
