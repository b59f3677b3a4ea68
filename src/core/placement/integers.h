#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

// Reads a number typed into a field: leading blanks (spaces, not tabs) are skipped, then
// either an optional '-' or '+' and one or more decimal digits whose value fits a signed
// 32-bit integer, or '$' and one to eight hexadecimal digits taken as a 32-bit pattern
// ($FFFFFFFF is -1, $80000000 the smallest value). Nothing may follow, not even a blank.
// Any other text, the empty text included, has no value.
std::optional<std::int32_t> parseInteger(std::string_view text);

// parseInteger, with the given value for a text that has none.
std::int32_t readInteger(std::string_view text, std::int32_t fallback);

// A number as plain decimal text, with a leading '-' when negative.
std::string decimalText(std::int32_t value);

// Signed 32-bit arithmetic with overflow checking: no value when the result does not fit.
std::optional<std::int32_t> checkedAdd(std::int32_t a, std::int32_t b);
std::optional<std::int32_t> checkedMultiply(std::int32_t a, std::int32_t b);

} // namespace vexa
