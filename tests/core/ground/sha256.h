#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vexa::test {

// The SHA-256 digest of `bytes` in lower-case hex, to compare unpacked packs with the
// digests their sample file gives.
std::string sha256Hex(std::span<const std::uint8_t> bytes);

} // namespace vexa::test
