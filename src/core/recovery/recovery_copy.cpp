#include "core/recovery/recovery_copy.h"

#include "core/document/reader.h"
#include "core/document/windows1252.h"

#include <charconv>

namespace vexa {

namespace {

constexpr std::string_view kMagic = "Vexa Build recovery copy";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kEncoding = "UTF-8";

// A file name may hold any byte but NUL; the header keeps it on one line.
std::string escaped(std::string_view name)
{
    std::string result;
    for (const char c : name) {
        switch (c) {
        case '\\': result += "\\\\"; break;
        case '\n': result += "\\n"; break;
        case '\r': result += "\\r"; break;
        default: result += c;
        }
    }
    return result;
}

std::optional<std::string> unescaped(std::string_view text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            result += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\': result += '\\'; break;
        case 'n': result += '\n'; break;
        case 'r': result += '\r'; break;
        default: return std::nullopt;
        }
    }
    return result;
}

template <typename Number>
std::optional<Number> numberOf(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

bool isUtf8(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t length = utf8CharacterLength(bytes);
        if (length == 0)
            return false;
        bytes.remove_prefix(length);
    }
    return true;
}

// Takes the header's lines off the front of the bytes one at a time.
class HeaderReader {
public:
    explicit HeaderReader(std::string_view bytes) : rest_(bytes) {}

    std::optional<std::string_view> line()
    {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view found = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        return found;
    }

    // The value of a "Key: value" line, when the next line is one.
    std::optional<std::string_view> field(std::string_view key)
    {
        const auto next = line();
        if (!next || !next->starts_with(key) || !next->substr(key.size()).starts_with(": "))
            return std::nullopt;
        return next->substr(key.size() + 2);
    }

    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

RecoveryDamage damage(std::string reason)
{
    return RecoveryDamage{std::move(reason)};
}

} // namespace

std::size_t fileLineCountOf(std::string_view text)
{
    std::size_t count = 0;
    forEachFileLine(text, [&count](std::string_view) { ++count; });
    return count;
}

std::string formatRecoveryCopy(const RecoveryHeader& header, std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + 200);
    bytes.append(kMagic).append("\n");
    bytes.append("Version: ").append(kVersion).append("\n");
    bytes.append("Encoding: ").append(kEncoding).append("\n");
    bytes.append("File: ").append(header.sourceFile ? "=" + escaped(*header.sourceFile) : "none").append("\n");
    bytes.append("Changed: ").append(std::to_string(header.lastChange)).append("\n");
    bytes.append("Lines: ").append(std::to_string(header.lineCount)).append("\n");
    bytes.append("Bytes: ").append(std::to_string(text.size())).append("\n\n");
    bytes.append(text);
    return bytes;
}

std::variant<RecoveryCopy, RecoveryDamage> parseRecoveryCopy(std::string_view bytes)
{
    if (bytes.empty())
        return damage("empty");
    HeaderReader reader(bytes);
    if (reader.line() != kMagic)
        return damage("not a recovery copy");
    const auto version = reader.field("Version");
    if (version != kVersion)
        return damage(version ? "made by another version of the editor" : "no version");
    if (reader.field("Encoding") != kEncoding)
        return damage("unknown encoding");

    RecoveryCopy copy;
    const auto file = reader.field("File");
    if (!file)
        return damage("no file name");
    if (file->starts_with('=')) {
        copy.header.sourceFile = unescaped(file->substr(1));
        if (!copy.header.sourceFile || copy.header.sourceFile->empty())
            return damage("unreadable file name");
    } else if (*file != "none") {
        return damage("unreadable file name");
    }
    const auto changed = reader.field("Changed");
    const auto lastChange = changed ? numberOf<std::int64_t>(*changed) : std::nullopt;
    const auto lines = reader.field("Lines");
    const auto lineCount = lines ? numberOf<std::size_t>(*lines) : std::nullopt;
    const auto size = reader.field("Bytes");
    const auto byteCount = size ? numberOf<std::size_t>(*size) : std::nullopt;
    if (!lastChange || !lineCount || !byteCount || reader.line() != std::string_view())
        return damage("unreadable header");
    copy.header.lastChange = *lastChange;
    copy.header.lineCount = *lineCount;

    const std::string_view text = reader.rest();
    if (text.size() != *byteCount)
        return damage(text.size() < *byteCount ? "cut short" : "longer than its header says");
    if (!isUtf8(text))
        return damage("not UTF-8");
    if (fileLineCountOf(text) != *lineCount)
        return damage("line count does not match");
    copy.text = text;
    return copy;
}

} // namespace vexa
