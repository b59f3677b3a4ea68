#include "gui/document/text_codec.h"

#include "core/document/windows1252.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace vexa;

namespace {

// Windows-1252 for the bytes 0x80 to 0x9F, written out from the code page's chart; its
// five unassigned bytes stand for the C1 controls of the same value.
constexpr std::array<char16_t, 32> kChartOf0x80To0x9F = {
    u'€',   0x0081, u'‚', u'ƒ', u'„', u'…',   u'†', u'‡',    // 0x80
    u'ˆ',   u'‰',   u'Š', u'‹', u'Œ', 0x008D, u'Ž', 0x008F,  // 0x88
    0x0090, u'‘',   u'’', u'“', u'”', u'•',   u'–', u'—',    // 0x90
    u'˜',   u'™',   u'š', u'›', u'œ', 0x009D, u'ž', u'Ÿ',    // 0x98
};

} // namespace

// Each byte is one character and back: the high bytes from the table, every other byte
// the character of the same value.
TEST(TextCodec, EveryByteIsItsWindows1252Character)
{
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const bool high = byte >= 0x80 && byte <= 0x9F;
        const char16_t expected = high ? kChartOf0x80To0x9F[static_cast<std::size_t>(byte - 0x80)] : char16_t(byte);
        const std::string bytes(1, static_cast<char>(byte));
        const QString text = decodeText(bytes);
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), expected) << "byte 0x" << std::hex << byte;
        EXPECT_EQ(encodeText(QString(QChar(expected))), bytes) << "character U+" << std::hex << int(expected);
    }
}

// The command-line tool converts scenario text to UTF-8 in core; it reads every byte as
// the editor shows it.
TEST(TextCodec, CoresUtf8ConversionAgreesForEveryByte)
{
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const std::string bytes(1, static_cast<char>(byte));
        EXPECT_EQ(utf8FromWindows1252(bytes), decodeText(bytes).toStdString()) << "byte 0x" << std::hex << byte;
    }
}
