#pragma once

#include "core/document/pane.h"
#include "../pane_of_lines.h"
#include "core/document/reader.h"
#include "core/ground/base64.h"
#include "core/ground/chunk_codec.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vexa::test {

// The scenario of tests/data/packed-map.ini: a [MapPack] and an [OverlayPack] taken from
// a real scenario.
inline Scenario realPacks()
{
    std::ifstream file(VEXA_TEST_DATA "/packed-map.ini", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return readScenario(bytes);
}


// A pack's pane holding `data` as Base64, `width` characters a line, keyed 1, 2, 3 ...
inline MemoryPane packPane(const std::vector<std::uint8_t>& data, std::size_t width = 70)
{
    const std::string text = encodeBase64(data);
    MemoryPane pane;
    for (std::size_t at = 0, key = 1; at < text.size(); at += width, ++key)
        pane.append(std::to_string(key) + "=" + text.substr(at, width));
    return pane;
}

// One chunk: its header (data length and the size it expands to) and then its commands.
inline std::vector<std::uint8_t> chunk(const std::vector<std::uint8_t>& commands,
                                       std::size_t expandsTo = kChunkBlockSize)
{
    const std::size_t length = commands.size();
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(length & 0xFF), static_cast<std::uint8_t>(length >> 8),
                                       static_cast<std::uint8_t>(expandsTo & 0xFF), static_cast<std::uint8_t>(expandsTo >> 8)};
    bytes.insert(bytes.end(), commands.begin(), commands.end());
    return bytes;
}

inline std::vector<std::uint8_t> joined(std::vector<std::vector<std::uint8_t>> parts)
{
    std::vector<std::uint8_t> bytes;
    for (const auto& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

} // namespace vexa::test
