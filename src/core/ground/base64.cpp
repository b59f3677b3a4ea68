#include "core/ground/base64.h"

#include <algorithm>
#include <array>

namespace vexa {

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPadding = '=';
constexpr std::uint8_t kNotInAlphabet = 0xFF;

constexpr std::array<std::uint8_t, 256> sextetTable()
{
    std::array<std::uint8_t, 256> table{};
    table.fill(kNotInAlphabet);
    for (std::size_t i = 0; i < kAlphabet.size(); ++i)
        table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::uint8_t>(i);
    return table;
}
constexpr std::array<std::uint8_t, 256> kSextets = sextetTable();

// A character as a message quotes it: printable ones as they are, others by their code.
std::string quoted(char character)
{
    const auto code = static_cast<unsigned char>(character);
    if (code >= 0x21 && code < 0x7F)
        return std::string("'") + character + "'";
    constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("the byte 0x") + kDigits[code >> 4] + kDigits[code & 0xF];
}

// Padding closes the text: one or two '=' that fill its last group of four.
std::optional<DataFault> checkPadding(std::string_view text, std::size_t start)
{
    const std::size_t inGroup = start % 4;
    if (inGroup < 2)
        return DataFault{start, "'=' stands where a Base64 character is needed"};
    for (std::size_t at = start; at < text.size(); ++at) {
        if (text[at] != kPadding)
            return DataFault{at, quoted(text[at]) + " follows the '=' that ends the Base64 data"};
    }
    if (text.size() % 4 != 0)
        return DataFault{text.size() - 1, "the '=' padding does not end a group of four characters"};
    return std::nullopt;
}

} // namespace

std::string encodeBase64(std::span<const std::uint8_t> bytes)
{
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - at);
        std::uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < count ? bytes[at + i] : 0U);
        for (std::size_t i = 0; i < 4; ++i)
            text.push_back(i <= count ? kAlphabet[(group >> (18 - 6 * i)) & 0x3F] : kPadding);
    }
    return text;
}

std::optional<DataFault> decodeBase64(std::string_view text, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    bytes.reserve(text.size() / 4 * 3 + 2);
    std::uint32_t bits = 0;
    int bitCount = 0;
    std::size_t at = 0;
    for (; at < text.size() && text[at] != kPadding; ++at) {
        const std::uint8_t sextet = kSextets[static_cast<unsigned char>(text[at])];
        if (sextet == kNotInAlphabet)
            return DataFault{at, quoted(text[at]) + " is not a Base64 character"};
        bits = (bits << 6 | sextet) & 0xFFFFFF;
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes.push_back(static_cast<std::uint8_t>(bits >> bitCount));
        }
    }
    if (at % 4 == 1)
        return DataFault{at - 1, "the last group of Base64 characters has only one character"};
    if (at < text.size())
        return checkPadding(text, at);
    return std::nullopt;
}

} // namespace vexa
