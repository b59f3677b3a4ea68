#include "gui/document/text_codec.h"

#include "core/document/pane.h"
#include "core/document/windows1252.h"

#include <array>

namespace vexa {

namespace {

int byteOf(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return character;
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == character)
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
    for (const char byte : bytes)
        *out++ = QChar(windows1252Character(static_cast<unsigned char>(byte)));
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
