#include "core/ground/chunk_codec.h"

#include <string>

namespace vexa {

namespace {

using namespace chunk_format;

std::string number(std::size_t value)
{
    return std::to_string(value);
}

std::size_t wordAt(std::span<const std::uint8_t> data, std::size_t at)
{
    return data[at] | static_cast<std::size_t>(data[at + 1]) << 8;
}

// Unpacks one chunk's commands, appending what they write to the output.
class ChunkExpander {
public:
    ChunkExpander(std::span<const std::uint8_t> data, std::vector<std::uint8_t>& output)
        : data_(data), output_(output), base_(output.size())
    {
    }

    std::optional<DataFault> run()
    {
        for (;;) {
            commandStart_ = at_;
            if (!has(1))
                return fault("the chunk's data ends before its end command");
            const std::uint8_t command = takeByte();
            if (command == kEndCommand)
                return std::nullopt;
            if (auto failed = runCommand(command))
                return failed;
        }
    }

private:
    std::optional<DataFault> runCommand(std::uint8_t command)
    {
        if ((command & 0x80) == 0)
            return relativeCopy(command);
        if ((command & 0x40) == 0)
            return literal(command & 0x3F);
        if (command == kFillCommand)
            return fill();
        if (command == kLongCopyCommand)
            return longCopy();
        return mediumCopy(command);
    }

    std::optional<DataFault> relativeCopy(std::uint8_t command)
    {
        if (!has(1))
            return readsPastData("copy");
        const std::size_t distance = static_cast<std::size_t>(command & 0x0F) << 8 | takeByte();
        const std::size_t count = ((command >> 4) & 0x07) + kMinCopyCount;
        if (distance == 0 || distance > written())
            return fault("a copy from " + number(distance) + " bytes back, where the chunk has written only " +
                         number(written()));
        return copyFrom(written() - distance, count);
    }

    std::optional<DataFault> literal(std::size_t count)
    {
        if (!has(count))
            return readsPastData("literal");
        if (auto failed = makeRoom(count))
            return failed;
        output_.insert(output_.end(), data_.begin() + static_cast<std::ptrdiff_t>(at_),
                       data_.begin() + static_cast<std::ptrdiff_t>(at_ + count));
        at_ += count;
        return std::nullopt;
    }

    std::optional<DataFault> fill()
    {
        if (!has(3))
            return readsPastData("fill");
        const std::size_t count = takeWord();
        const std::uint8_t value = takeByte();
        if (auto failed = makeRoom(count))
            return failed;
        output_.insert(output_.end(), count, value);
        return std::nullopt;
    }

    std::optional<DataFault> mediumCopy(std::uint8_t command)
    {
        if (!has(2))
            return readsPastData("copy");
        const std::size_t count = (command & 0x3F) + kMinCopyCount;
        return absoluteCopy(takeWord(), count);
    }

    std::optional<DataFault> longCopy()
    {
        if (!has(4))
            return readsPastData("long copy");
        const std::size_t count = takeWord();
        return absoluteCopy(takeWord(), count);
    }

    std::optional<DataFault> absoluteCopy(std::size_t from, std::size_t count)
    {
        if (from >= written())
            return fault("a copy from offset " + number(from) + ", where the chunk has written only " +
                         number(written()));
        return copyFrom(from, count);
    }

    // Byte by byte, so that a copy overlapping its own output repeats it.
    std::optional<DataFault> copyFrom(std::size_t from, std::size_t count)
    {
        if (auto failed = makeRoom(count))
            return failed;
        for (std::size_t i = 0; i < count; ++i)
            output_.push_back(output_[base_ + from + i]);
        return std::nullopt;
    }

    std::optional<DataFault> makeRoom(std::size_t count) const
    {
        if (count > kChunkBlockSize - written())
            return fault("the chunk unpacks to more than " + number(kChunkBlockSize) + " bytes");
        return std::nullopt;
    }

    DataFault readsPastData(const char* what) const
    {
        return *fault(std::string("a ") + what + " command reads past the end of the chunk's data");
    }

    std::optional<DataFault> fault(std::string reason) const { return DataFault{commandStart_, std::move(reason)}; }

    bool has(std::size_t count) const { return data_.size() - at_ >= count; }
    std::size_t written() const { return output_.size() - base_; }
    std::uint8_t takeByte() { return data_[at_++]; }
    std::size_t takeWord()
    {
        const std::size_t low = takeByte();
        return low | static_cast<std::size_t>(takeByte()) << 8;
    }

    std::span<const std::uint8_t> data_;
    std::vector<std::uint8_t>& output_;
    std::size_t base_;
    std::size_t at_ = 0;
    std::size_t commandStart_ = 0;
};

DataFault shifted(DataFault fault, std::size_t by)
{
    fault.offset += by;
    return fault;
}

// The fault of the chunk whose header starts at `at`, before any of its commands runs.
std::optional<DataFault> headerFault(std::span<const std::uint8_t> data, std::size_t at, std::size_t written,
                                     std::size_t expectedSize)
{
    if (data.size() - at < kHeaderSize)
        return DataFault{at, "the data ends inside a chunk header"};
    const std::size_t length = wordAt(data, at);
    const std::size_t blockSize = wordAt(data, at + 2);
    if (blockSize != kChunkBlockSize)
        return DataFault{at, "a chunk says it unpacks to " + number(blockSize) + " bytes, not " + number(kChunkBlockSize)};
    if (written >= expectedSize)
        return DataFault{at, "the chunks unpack to more than " + number(expectedSize) + " bytes"};
    if (length > data.size() - at - kHeaderSize)
        return DataFault{at, "a chunk of " + number(length) + " bytes of data, where only " +
                                 number(data.size() - at - kHeaderSize) + " follow"};
    return std::nullopt;
}

} // namespace

std::optional<DataFault> expandChunks(std::span<const std::uint8_t> data, std::size_t expectedSize,
                                      std::vector<std::uint8_t>& output)
{
    output.clear();
    output.reserve(expectedSize);
    std::size_t at = 0;
    while (at < data.size()) {
        const std::size_t blockStart = output.size();
        if (auto failed = headerFault(data, at, blockStart, expectedSize))
            return failed;
        const std::size_t begin = at + kHeaderSize;
        const std::size_t length = wordAt(data, at);
        if (auto failed = ChunkExpander(data.subspan(begin, length), output).run())
            return shifted(*failed, begin);
        // The game fills a whole block from every chunk.
        if (output.size() - blockStart != kChunkBlockSize)
            return DataFault{at, "the chunk unpacks to " + number(output.size() - blockStart) + " bytes, not " +
                                     number(kChunkBlockSize)};
        at = begin + length;
    }
    if (output.size() != expectedSize)
        return DataFault{data.size(),
                         "the chunks unpack to " + number(output.size()) + " bytes, not " + number(expectedSize), true};
    return std::nullopt;
}

} // namespace vexa
