#include "core/placement/integers.h"

#include <limits>

namespace vexa {

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::optional<std::int32_t> fitting(std::int64_t value)
{
    if (value < kMin || value > kMax)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> parseHex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t pattern = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        pattern = (pattern << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(pattern);
}

std::optional<std::int32_t> parseDecimal(std::string_view digits, bool negative)
{
    if (digits.empty())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kMax + 1) // too big either way; stop before the sum can grow further
            return std::nullopt;
    }
    return fitting(negative ? -magnitude : magnitude);
}

} // namespace

std::optional<std::int32_t> parseInteger(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ')
        ++start;
    if (start == text.size())
        return std::nullopt;
    text.remove_prefix(start);

    if (text.front() == '$')
        return parseHex(text.substr(1));
    if (text.front() == '-' || text.front() == '+')
        return parseDecimal(text.substr(1), text.front() == '-');
    return parseDecimal(text, false);
}

std::int32_t readInteger(std::string_view text, std::int32_t fallback)
{
    return parseInteger(text).value_or(fallback);
}

std::string decimalText(std::int32_t value)
{
    return std::to_string(value);
}

std::optional<std::int32_t> checkedAdd(std::int32_t a, std::int32_t b)
{
    return fitting(std::int64_t{a} + std::int64_t{b});
}

std::optional<std::int32_t> checkedMultiply(std::int32_t a, std::int32_t b)
{
    return fitting(std::int64_t{a} * std::int64_t{b});
}

} // namespace vexa
