#include "gui/document/text_codec.h"

#include "core/document/pane.h"

#include <array>

namespace vexa {

namespace {

// The characters of the bytes 0x80 to 0x9F; the unassigned ones map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteOf(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return character;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::u16string_view utf16(QStringView text)
{
    return {text.utf16(), static_cast<std::size_t>(text.size())};
}

} // namespace

QString decodeText(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = QChar(value >= 0x80 && value < 0xA0 ? kHighControls[value - 0x80] : char16_t(value));
    }
    return text;
}

std::optional<std::string> encodeText(const QString& text)
{
    std::string bytes(static_cast<std::size_t>(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteOf(text[i].unicode());
        if (byte < 0)
            return std::nullopt;
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(byte);
    }
    return bytes;
}

std::string encodeTextReplacing(const QString& text, char replacement)
{
    std::string bytes(static_cast<std::size_t>(text.size()), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteOf(text[i].unicode());
        bytes[static_cast<std::size_t>(i)] = byte < 0 ? replacement : static_cast<char>(byte);
    }
    return bytes;
}

qsizetype firstUnencodable(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (byteOf(text[i].unicode()) < 0)
            return i;
    }
    return -1;
}

QString replaceLineBreaks(QStringView text, QChar replacement)
{
    return QString::fromStdU16String(replaceLineBreaks(utf16(text), replacement.unicode()));
}

void keepOnOneLine(QString& text, int& cursor)
{
    cursor = static_cast<int>(positionAfterReplacingLineBreaks(utf16(text), static_cast<std::size_t>(cursor)));
    text = replaceLineBreaks(text, QLatin1Char(' '));
}

} // namespace vexa
