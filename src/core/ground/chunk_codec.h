#pragma once

#include "core/ground/data_fault.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vexa {

// The binary layer of a map pack: a series of chunks, each a 4-byte little-endian header
// (the low 24 bits the length of the data that follows, the high 8 bits the flag 0x20)
// and then commands that write at most kChunkOutputLimit bytes:
//   0CCCPPPP q       copy CCC + 3 bytes from PPPPq bytes back in the output
//   10NNNNNN         NNNNNN = 0: end of the chunk; otherwise copy the next NNNNNN bytes
//   11NNNNNN a16     copy NNNNNN + 3 bytes from output offset a (NNNNNN < 62)
//   FE n16 v         write n bytes of value v
//   FF n16 a16       copy n bytes from output offset a
// Offsets count from the start of the chunk's output; 16-bit values are little-endian;
// a copy may overlap its own output and then repeats it byte by byte.
inline constexpr std::size_t kChunkOutputLimit = 8192;
inline constexpr std::uint8_t kChunkFlag = 0x20;

// Unpacks a series of chunks into `output` (which it clears), expecting exactly
// `expectedSize` bytes in all. Nothing in the data is trusted: a fault names the offset of
// the header or command at fault; a total that falls short is a fault of the whole data.
std::optional<DataFault> expandChunks(std::span<const std::uint8_t> data, std::size_t expectedSize,
                                      std::vector<std::uint8_t>& output);

// The chunks compressed last, each with the bytes it writes. Compressing again bytes of
// which only a few chunks' worth changed (a brush stroke on the map) then compresses only
// those; the data is the same as without it.
class ChunkMemo {
public:
    struct Chunk {
        std::vector<std::uint8_t> output;  // what the chunk writes
        std::vector<std::uint8_t> data;    // its header and commands
    };
    std::vector<Chunk> chunks;
};

// The chunks that write `bytes`: one per kChunkOutputLimit bytes, the last one shorter.
// With a memo, a chunk that writes what it wrote last time is taken from the memo, and the
// memo keeps the chunks of these bytes.
std::vector<std::uint8_t> compressChunks(std::span<const std::uint8_t> bytes, ChunkMemo* memo = nullptr);

} // namespace vexa
