#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

class Pane;

// The two packed sections of a scenario. A pack is the values of its section's lines,
// joined in the order of their keys (1, 2, 3 ... without gap or repeat), read as Base64;
// the bytes are chunks (core/ground/chunk_codec.h) that unpack to:
//   [MapPack]      a 16-bit little-endian template number per cell, then a tile byte per cell;
//   [OverlayPack]  an overlay number per cell.
enum class PackId { Map, Overlay };

inline constexpr std::size_t kMapPackSize = 49152;
inline constexpr std::size_t kOverlayPackSize = 16384;

std::string_view packHeader(PackId pack);   // "[MapPack]"
std::size_t unpackedSize(PackId pack);      // kMapPackSize or kOverlayPackSize

// Why a pack could not be read, and the line at fault.
struct PackError {
    PackId pack = PackId::Map;
    std::size_t paneLine = 0;  // from 0, in the pack's pane
    std::string key;           // the key written on that line; empty for a line without one
    std::string reason;

    bool operator==(const PackError&) const = default;
};

// "[MapPack] line 3 (key 4): a chunk has the flag 0x21; only 0x20 is known"
std::string describe(const PackError& error);

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
std::vector<std::string> packLines(std::span<const std::uint8_t> bytes);

} // namespace vexa
