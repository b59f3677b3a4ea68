#include "core/ground/pack.h"

#include "core/document/body_line.h"
#include "core/document/pane.h"
#include "core/document/source_lines.h"
#include "core/ground/base64.h"
#include "core/ground/chunk_codec.h"

#include <algorithm>
#include <charconv>

namespace vexa {

namespace {

constexpr std::size_t kValueWidth = 70;
constexpr std::size_t kMaxKeyDigits = 9;

// A key as the number of its line in the pack: 1, 2, 3 ... without sign or leading zero.
std::optional<std::size_t> lineNumberOf(std::string_view key)
{
    if (key.size() > kMaxKeyDigits || key.front() == '0')
        return std::nullopt;
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
    if (error != std::errc() || end != key.data() + key.size())
        return std::nullopt;
    return number;
}

// One key=value line of the pack.
struct PackEntry {
    std::size_t paneLine = 0;
    std::string key;
    std::string value;
    std::size_t number = 0;
};

class PackReader {
public:
    explicit PackReader(PackId pack) : pack_(pack) {}

    UnpackedPack read(const Pane& pane)
    {
        if (auto error = collect(pane))
            return failed(std::move(*error));
        if (entries_.empty())
            return {};
        if (auto error = checkKeys())
            return failed(std::move(*error));
        const std::string text = joinValues();
        std::vector<std::uint8_t> data;
        if (auto fault = decodeBase64(text, data))
            return failed(errorAtText(fault->offset, std::move(fault->reason)));
        UnpackedPack unpacked{UnpackedPack::Status::Unpacked, {}, {}};
        if (auto fault = expandChunks(data, unpackedSize(pack_), unpacked.bytes)) {
            PackError error = errorAtText(base64OffsetOfByte(fault->offset), std::move(fault->reason));
            error.wholePack = fault->wholeData;
            return failed(std::move(error));
        }
        return unpacked;
    }

private:
    // The key=value lines, or the first line that is none or whose key is no line number.
    std::optional<PackError> collect(const Pane& pane)
    {
        for (std::size_t index = 0; index < pane.lineCount(); ++index) {
            const std::string line = pane.line(index);
            const BodyLine body = readBodyLine(line);
            if (body.kind == BodyLine::Kind::Malformed)
                return PackError{pack_, index, {}, "the line is not key=value"};
            if (!body.isKeyValue())
                continue;
            const std::string_view key = body.key.text;
            const std::optional<std::size_t> number = lineNumberOf(key);
            if (!number)
                return PackError{pack_, index, std::string(key), "the key is not a line number (1, 2, 3 ...)"};
            entries_.push_back({index, std::string(key), std::string(body.value.text), *number});
        }
        return std::nullopt;
    }

    // Sorts the lines by key, which must then run 1, 2, 3 ... without gap or repeat.
    std::optional<PackError> checkKeys()
    {
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const PackEntry& a, const PackEntry& b) { return a.number < b.number; });
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const std::size_t expected = i + 1;
            if (entries_[i].number > expected)
                return errorOn(entries_[i], "key " + std::to_string(expected) + " is missing");
            // In key order only a repeat falls behind; the first key is at least 1.
            if (entries_[i].number < expected) {
                PackError error = errorOn(entries_[i], "the key is used twice");
                error.firstUseLine = entries_[i - 1].paneLine;
                return error;
            }
        }
        return std::nullopt;
    }

    std::string joinValues()
    {
        std::string text;
        for (const PackEntry& entry : entries_) {
            text += entry.value;
            valueEnds_.push_back(text.size());
        }
        return text;
    }

    // The error of the line whose value holds the character at `offset` of the joined
    // values; past their end, the last line's.
    PackError errorAtText(std::size_t offset, std::string reason) const
    {
        const auto end = std::upper_bound(valueEnds_.begin(), valueEnds_.end(), offset);
        const std::size_t index =
            end == valueEnds_.end() ? entries_.size() - 1 : static_cast<std::size_t>(end - valueEnds_.begin());
        return errorOn(entries_[index], std::move(reason));
    }

    PackError errorOn(const PackEntry& entry, std::string reason) const
    {
        return {pack_, entry.paneLine, entry.key, std::move(reason)};
    }

    static UnpackedPack failed(PackError error) { return {UnpackedPack::Status::Failed, {}, std::move(error)}; }

    PackId pack_;
    std::vector<PackEntry> entries_;
    std::vector<std::size_t> valueEnds_;  // where each entry's value ends in the joined text
};

// The error's text, with its lines named by lineName.
template <typename LineName>
std::string describeNaming(const PackError& error, LineName lineName)
{
    std::string text(packHeader(error.pack));
    if (!error.wholePack) {
        text += " " + lineName(error.paneLine);
        if (!error.key.empty())
            text += " (key " + error.key + ")";
    }
    text += ": " + error.reason;
    if (error.firstUseLine)
        text += " (also on " + lineName(*error.firstUseLine) + ")";
    return text;
}

} // namespace

std::string_view packHeader(PackId pack)
{
    return pack == PackId::Map ? "[MapPack]" : "[OverlayPack]";
}

PaneId packPane(PackId pack)
{
    return pack == PackId::Map ? PaneId::MapPack : PaneId::OverlayPack;
}

std::size_t unpackedSize(PackId pack)
{
    return pack == PackId::Map ? kMapPackSize : kOverlayPackSize;
}

std::string describe(const PackError& error)
{
    return describeNaming(error, [](std::size_t paneLine) { return "line " + std::to_string(paneLine); });
}

std::string describe(const PackError& error, const SourceLines& sources)
{
    return describeNaming(error, [&](std::size_t paneLine) { return sources.fileLineName(packPane(error.pack), paneLine); });
}

UnpackedPack unpackPack(PackId pack, const Pane& pane)
{
    return PackReader(pack).read(pane);
}

std::vector<std::string> packLines(std::span<const std::uint8_t> bytes, ChunkMemo* memo)
{
    const std::string text = encodeBase64(compressChunks(bytes, memo));
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size(); at += kValueWidth)
        lines.push_back(std::to_string(lines.size() + 1) + '=' + text.substr(at, kValueWidth));
    return lines;
}

} // namespace vexa
