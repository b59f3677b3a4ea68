#pragma once

#include "core/ground/data_fault.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// Base64 with the standard alphabet (A-Z a-z 0-9 + /), padded with '=' to a multiple of
// four characters.
std::string encodeBase64(std::span<const std::uint8_t> bytes);

// Decodes `text` into `bytes` (which it clears). Padding may be left out, but a final
// group of one character holds no whole byte. A fault names the offset of the character
// at fault.
std::optional<DataFault> decodeBase64(std::string_view text, std::vector<std::uint8_t>& bytes);

// The offset of the first character that holds bits of the decoded byte at `byteOffset`.
constexpr std::size_t base64OffsetOfByte(std::size_t byteOffset)
{
    return byteOffset / 3 * 4 + byteOffset % 3;
}

} // namespace vexa
