#include "core/document/windows1252.h"

namespace vexa {

namespace {

// Every character of the code page lies below U+10000: one to three bytes of UTF-8.
void appendUtf8(std::string& out, char16_t character)
{
    if (character <= 0x7F) {
        out += static_cast<char>(character);
    } else if (character <= 0x7FF) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

} // namespace

std::string utf8FromWindows1252(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(text, windows1252Character(static_cast<unsigned char>(byte)));
    return text;
}

} // namespace vexa
