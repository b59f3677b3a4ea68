#pragma once

#include "core/document/layout.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vexa {

class ChunkMemo;
class Pane;
class SourceLines;

// The two packed sections of a scenario. A pack is the values of its section's lines,
// joined in the order of their keys (1, 2, 3 ... without gap or repeat), read as Base64;
// the bytes are chunks (core/ground/chunk_codec.h) that unpack, a block of 8192 bytes each, to:
//   [MapPack]      a 16-bit little-endian template number per cell, then a tile byte per cell;
//   [OverlayPack]  an overlay number per cell.
enum class PackId { Map, Overlay };

inline constexpr std::size_t kMapPackSize = 49152;
inline constexpr std::size_t kOverlayPackSize = 16384;

std::string_view packHeader(PackId pack);   // "[MapPack]"
PaneId packPane(PackId pack);               // PaneId::MapPack
std::size_t unpackedSize(PackId pack);      // kMapPackSize or kOverlayPackSize

// Why a pack could not be read, and the line at fault.
struct PackError {
    PackError() = default;
    PackError(PackId pack, std::size_t paneLine, std::string key, std::string reason,
              std::optional<std::size_t> firstUseLine = {}, bool wholePack = false)
        : pack(pack), paneLine(paneLine), key(std::move(key)), reason(std::move(reason)),
          firstUseLine(firstUseLine), wholePack(wholePack)
    {
    }

    PackId pack = PackId::Map;
    std::size_t paneLine = 0;  // from 0, in the pack's pane
    std::string key;           // the key written on that line; empty for a line without one
    std::string reason;
    // A key used twice: the line that used it first.
    std::optional<std::size_t> firstUseLine;
    // The fault is the pack's total size, which no one line holds; paneLine is then the
    // last line, where the shortfall came to light.
    bool wholePack = false;

    bool operator==(const PackError&) const = default;
};

// "[MapPack] line 3 (key 4): the chunk unpacks to 4096 bytes, not 8192",
// "[OverlayPack] line 5 (key 2): the key is used twice (also on line 1)",
// "[MapPack]: the chunks unpack to 16384 bytes, not 49152". Lines are the pane's, from 0.
std::string describe(const PackError& error);
// The same naming the file's lines, counted from 1, where the reader recorded them.
std::string describe(const PackError& error, const SourceLines& sources);

struct UnpackedPack {
    enum class Status { NoPack, Unpacked, Failed };
    Status status = Status::NoPack;
    std::vector<std::uint8_t> bytes;  // Unpacked: exactly unpackedSize(pack) bytes
    std::optional<PackError> error;   // Failed

    bool operator==(const UnpackedPack&) const = default;
};

// Reads the pack from the lines of its pane. Blank lines and comments are skipped; a pane
// with no key=value line holds no pack. Nothing is trusted: every fault is an error that
// names its line, never a crash.
UnpackedPack unpackPack(PackId pack, const Pane& pane);

// The lines of a pack that holds `bytes`: chunks of 8192 bytes as Base64, 70 characters a
// line (the last one shorter), keyed 1, 2, 3 ... ("1=HQEAIIH//lkQ...").
// A memo (chunk_codec.h) spares compressing again the chunks that did not change since the
// last packing with it.
std::vector<std::string> packLines(std::span<const std::uint8_t> bytes, ChunkMemo* memo = nullptr);

} // namespace vexa
