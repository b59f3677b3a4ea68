// Reads and writes a large generated scenario through the core and compares it with
// copying the same file in the same run; also the peak memory of doing so, and the check
// beside reading, of keys that collide in their low bits as of whole scenarios.
#include "bench_support.h"
#include "script_edits_bench.h"

#include "core/check/scenario_check.h"
#include "core/document/file_access.h"
#include "core/document/reader.h"
#include "core/document/writer.h"
#include "core/ground/ground.h"

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

// The map's last row, which the well-formed scenario's ground makes water for its ships.
constexpr int kWaterRow = 127 * 128;

// [MapPack] and [OverlayPack] of clear ground with water on the last row and some ore.
std::string groundSections()
{
    Ground ground;
    for (int cell = kWaterRow; cell < 16384; ++cell)
        ground.setTerrain(static_cast<std::size_t>(cell), 1, 0);
    for (std::size_t cell = 0; cell < 500; ++cell)
        ground.setOverlay(cell, 5);
    std::string bytes = "[MapPack]\r\n";
    for (const std::string& line : packLines(ground.mapPackBytes()))
        bytes += line + "\r\n";
    bytes += "[OverlayPack]\r\n";
    for (const std::string& line : packLines(ground.overlayPackBytes()))
        bytes += line + "\r\n";
    return bytes;
}

// A scenario the check finds nothing in: every section the dialogs write, well formed,
// and its ground, on which ships sail and the rest stand on land.
std::string wellFormedScenario(std::size_t minimumBytes)
{
    std::string bytes = "[Map]\r\nX=0\r\nY=0\r\nWidth=128\r\nHeight=128\r\n[Trigs]\r\n"
                        "alarm=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1\r\n"
        + groundSections();
    // Sections keyed by cell hold one line per cell at most, so they come once.
    for (int cell = 0; cell < 16384; cell += 4)
        bytes += "[TERRAIN]\r\n" + std::to_string(cell) + "=T01,None\r\n[CellTriggers]\r\n" + std::to_string(cell)
            + "=alarm\r\n";
    const char* sections[] = {"[STRUCTURES]", "[UNITS]", "[INFANTRY]", "[SHIPS]", "[Waypoints]", "[Greece]"};
    const char* rows[] = {"=Greece,POWR,256,%d,0,alarm,1,0 ; north", "=Greece,1TNK,256,%d,64,Guard,None",
                          "=USSR,E1,256,%d,0,Hunt,64,alarm", "=Greece,PT,256,%d,0,Guard,alarm", "=%d", "=1"};
    std::size_t key = 0;
    for (std::size_t section = 0; bytes.size() < minimumBytes; ++section) {
        bytes += sections[section % 6];
        bytes += "\r\n";
        for (int i = 0; i < 1000; ++i, ++key) {
            char row[80];
            const bool ship = section % 6 == 3;
            const auto cell = static_cast<int>(ship ? kWaterRow + key % 128 : key % kWaterRow);
            std::snprintf(row, sizeof row, rows[section % 6], cell);
            bytes += std::to_string(key) + row + "\r\n";
        }
    }
    return bytes;
}

// [UNITS] of 130,000 well-formed lines, keyed a x 65536 + b when `colliding` (keys alike in
// their low bits, which a table indexed by the key's own number would pile into a few long
// runs), else 0, 1, 2 ...
std::string unitsScenario(bool colliding)
{
    std::string bytes = "[UNITS]\r\n";
    for (int a = 0; a < 1000; ++a) {
        for (int b = 0; b < 130; ++b) {
            const int key = colliding ? a * 65536 + b : a * 130 + b;
            bytes += std::to_string(key) + "=Greece,1TNK,256," + std::to_string((a * 130 + b) % 16384)
                + ",64,Guard,None\r\n";
        }
    }
    return bytes;
}

// The check of a file whose keys collide beside reading it, and beside the check of the
// same lines keyed in order: any set of keys costs the same.
void benchCollidingKeys()
{
    const std::string colliding = unitsScenario(true);
    const std::string sequential = unitsScenario(false);
    SourceLines collidingSources;
    SourceLines sequentialSources;
    const Scenario collidingScenario = readScenario(colliding, &collidingSources);
    const Scenario sequentialScenario = readScenario(sequential, &sequentialSources);
    const auto checkColliding = [&] { checkScenario(collidingScenario, &collidingSources); };
    const bench::SideBySide vsRead = bench::bestSideBySide(checkColliding, [&] { readScenario(colliding); }, 1.0);
    const bench::SideBySide vsSequential = bench::bestSideBySide(
        checkColliding, [&] { checkScenario(sequentialScenario, &sequentialSources); }, 1.0);
    std::printf("130,000 keys a x 65536 + b, %.1f MB\n", static_cast<double>(colliding.size()) / 1e6);
    bench::printRatio("  check vs reading through the core", vsRead.work, vsRead.reference, "within 2x");
    bench::printRatio("  check vs the check of keys 0 to 129,999", vsSequential.work, vsSequential.reference,
                      "about 1x");
}

void copyFile(const std::string& in, const std::string& out)
{
    writeOrDie(out, readOrDie(in));
}

} // namespace

void benchScripts();  // script_bench.cpp

int main(int argc, char** argv)
{
    benchCollidingKeys();
    benchScripts();
    bench::benchScriptEdits();
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

    // The scenario check beside reading: a file it finds nothing in, and the file above,
    // in which it finds a mistake on most lines.
    const std::string wellFormed = (folder / "well-formed.mpr").string();
    writeOrDie(wellFormed, wellFormedScenario(megabytes * 1000 * 1000));
    for (const std::string& file : {wellFormed, input}) {
        const double size = static_cast<double>(fs::file_size(file));
        const long readPeak = bench::peakGrowthInChild([&] { readScenario(readOrDie(file)); });
        const long checkPeak = bench::peakGrowthInChild([&] {
            SourceLines lines;
            checkScenario(readScenario(readOrDie(file), &lines), &lines);
        });
        const std::string bytes = readOrDie(file);
        SourceLines sources;
        const Scenario scenario = readScenario(bytes, &sources);
        std::size_t findings = 0;
        const double read = bench::bestSeconds(3, [&] { readScenario(bytes); });
        const double check = bench::bestSeconds(3, [&] { findings = checkScenario(scenario, &sources).size(); });
        std::printf("%s scenario of %.1f MB, %zu findings\n", file == wellFormed ? "well-formed" : "generated",
                    size / 1e6, findings);
        bench::printRatio("  check vs reading through the core", check, read, "within 2x");
        std::printf("  peak memory: read + check %.2fx the file, read alone %.2fx (target below 4x)\n",
                    static_cast<double>(checkPeak) / size, static_cast<double>(readPeak) / size);
    }
    fs::remove_all(folder);
    return 0;
}
