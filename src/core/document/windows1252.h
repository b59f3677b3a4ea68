#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vexa {

// Scenario files are Windows-1252 text. Every byte is one character: the bytes 0x80 to
// 0x9F take this table, the five the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) standing for the C1 controls of the same value so that every byte survives;
// every other byte is the character of its own value.
inline constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character of one byte of scenario text.
constexpr char16_t windows1252Character(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t{byte};
}

// Scenario text as UTF-8, for terminals and UTF-8 files.
std::string utf8FromWindows1252(std::string_view bytes);

// How many bytes of a valid UTF-8 character start the text; 0 when its first byte does
// not start one (a lone continuation byte, an overlong form, a surrogate, beyond U+10FFFF,
// a character cut short) or the text is empty.
std::size_t utf8CharacterLength(std::string_view text);

} // namespace vexa
