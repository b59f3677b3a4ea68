#pragma once

#include <cstddef>
#include <cstdint>

// What the chunk expander and the chunk compressor share of the format described in
// chunk_codec.h: the command bytes, the header and the limits of each command.
namespace vexa::chunk_format {

inline constexpr std::uint8_t kEndCommand = 0x80;
inline constexpr std::uint8_t kFillCommand = 0xFE;
inline constexpr std::uint8_t kLongCopyCommand = 0xFF;
inline constexpr std::size_t kHeaderSize = 4;
inline constexpr std::size_t kMaxChunkDataSize = 0xFFFFFF;  // the header's low 24 bits

inline constexpr std::size_t kMinCopyCount = 3;
inline constexpr std::size_t kShortCopyMaxCount = 10;       // 0CCCPPPP: CCC + 3
inline constexpr std::size_t kShortCopyMaxDistance = 4095;  // PPPP q: 12 bits
inline constexpr std::size_t kMediumCopyMaxCount = 64;      // 11NNNNNN: NNNNNN + 3, below FE
inline constexpr std::size_t kLiteralMaxCount = 63;         // 10NNNNNN
inline constexpr std::size_t kWordMax = 0xFFFF;

} // namespace vexa::chunk_format
