#pragma once

#include "core/ground/data_fault.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vexa {

// The binary layer of a map pack: a series of chunks, each of which expands into one
// block of kChunkBlockSize bytes. A chunk is a 4-byte header of two little-endian 16-bit
// numbers, the length of the data that follows and the size the chunk expands to (always
// kChunkBlockSize), and then that data, commands that write the block:
//   0CCCPPPP q       copy CCC + 3 bytes from PPPPq bytes back in the output
//   10NNNNNN         NNNNNN = 0: end of the chunk; otherwise copy the next NNNNNN bytes
//   11NNNNNN a16     copy NNNNNN + 3 bytes from output offset a (NNNNNN < 62)
//   FE n16 v         write n bytes of value v
//   FF n16 a16       copy n bytes from output offset a
// Offsets count from the start of the chunk's block; 16-bit values are little-endian;
// a copy may overlap its own output and then repeats it byte by byte.
inline constexpr std::size_t kChunkBlockSize = 8192;

// What the expander and the compressor share of that format.
namespace chunk_format {

inline constexpr std::size_t kHeaderSize = 4;
inline constexpr std::uint8_t kEndCommand = 0x80;
inline constexpr std::uint8_t kFillCommand = 0xFE;
inline constexpr std::uint8_t kLongCopyCommand = 0xFF;

inline constexpr std::size_t kMinCopyCount = 3;
inline constexpr std::size_t kShortCopyMaxCount = 10;       // 0CCCPPPP: CCC + 3
inline constexpr std::size_t kShortCopyMaxDistance = 4095;  // PPPP q: 12 bits
inline constexpr std::size_t kMediumCopyMaxCount = 64;      // 11NNNNNN: NNNNNN + 3, below FE
inline constexpr std::size_t kLiteralMaxCount = 63;         // 10NNNNNN
inline constexpr std::size_t kWordMax = 0xFFFF;

} // namespace chunk_format

// Unpacks a series of chunks into `output` (which it clears), expecting exactly
// `expectedSize` bytes in all, a whole number of blocks. Nothing in the data is trusted: a
// fault names the offset of the header or command at fault; a total that falls short is a
// fault of the whole data.
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

// The chunks that write `bytes`, one per block. Bytes that end in part of a block end in a
// chunk whose header gives that part's size, which expandChunks refuses: a pack is whole
// blocks. With a memo, a chunk that writes what it wrote last time is taken from the
// memo, and the memo keeps the chunks of these bytes.
std::vector<std::uint8_t> compressChunks(std::span<const std::uint8_t> bytes, ChunkMemo* memo = nullptr);

} // namespace vexa
