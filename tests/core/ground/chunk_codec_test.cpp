#include "core/ground/chunk_codec.h"

#include "core/ground/pack.h"

#include "pack_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace vexa {
namespace {

using test::chunk;
using test::joined;
using Bytes = std::vector<std::uint8_t>;

std::string expandedText(const Bytes& data, std::size_t size)
{
    Bytes output;
    const auto fault = expandChunks(data, size, output);
    EXPECT_FALSE(fault) << fault->reason;
    return {output.begin(), output.end()};
}

Bytes randomBytes(std::size_t size, unsigned seed, int distinct = 256)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> value(0, distinct - 1);
    Bytes bytes(size);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(value(engine));
    return bytes;
}

// One command of compressed data, as far as the tests look at it.
struct Command {
    enum Kind { Literal, ShortCopy, MediumCopy, LongCopy, Fill } kind;
    std::size_t count;
    std::size_t source;  // a short copy's distance back, the other copies' offset
    bool operator==(const Command&) const = default;
};

// The commands of compressed data, chunk after chunk; trusts the data it is given.
std::vector<Command> commandsOf(const Bytes& data)
{
    std::vector<Command> commands;
    const auto word = [&](std::size_t at) { return std::size_t{data[at]} | std::size_t{data[at + 1]} << 8; };
    for (std::size_t at = 0; at < data.size();) {
        const std::size_t end = at + 4 + word(at);
        for (at += 4; data[at] != 0x80; ) {
            const std::uint8_t c = data[at];
            if (c < 0x80) {
                commands.push_back({Command::ShortCopy, (c >> 4) + 3u, (c & 0xFu) << 8 | data[at + 1]});
                at += 2;
            } else if (c < 0xC0) {
                commands.push_back({Command::Literal, c & 0x3Fu, 0});
                at += 1 + (c & 0x3F);
            } else if (c == 0xFE) {
                commands.push_back({Command::Fill, word(at + 1), data[at + 3]});
                at += 4;
            } else if (c == 0xFF) {
                commands.push_back({Command::LongCopy, word(at + 1), word(at + 3)});
                at += 5;
            } else {
                commands.push_back({Command::MediumCopy, (c & 0x3Fu) + 3, word(at + 1)});
                at += 3;
            }
        }
        at = end;
    }
    return commands;
}

Bytes roundTrip(const Bytes& bytes)
{
    Bytes output;
    const auto fault = expandChunks(compressChunks(bytes), bytes.size(), output);
    EXPECT_FALSE(fault) << fault->reason;
    return output;
}

TEST(ExpandChunks, EveryCommand)
{
    const Bytes data = chunk({
        0x83, 'a', 'b', 'c',          // literal "abc"
        0x10, 0x03,                   // 4 bytes from 3 back, overlapping its own output: "abca"
        0xFE, 0x05, 0x00, 'z',        // 5 times 'z'
        0xC0, 0x01, 0x00,             // 3 bytes from offset 1: "bca"
        0xFF, 0x02, 0x00, 0x00, 0x00, // 2 bytes from offset 0: "ab"
        0xFF, 0x04, 0x00, 0x0F, 0x00, // 4 bytes from offset 15, overlapping: "abab"
        0xFE, 0xEB, 0x1F, '.',        // the rest of the block: 8171 times '.'
        0x80,                         // end
    });
    EXPECT_EQ(expandedText(data, kChunkBlockSize), "abcabcazzzzzbcaababab" + std::string(8171, '.'));
}

TEST(ExpandChunks, OffsetsCountWithinTheirChunk)
{
    // The second chunk's offset 0 and 1 back are its own first byte, not the first chunk's.
    const Bytes data = joined({chunk({0x82, 'x', 'y', 0xFE, 0xFE, 0x1F, '.', 0x80}),
                               chunk({0x81, 'p', 0xC0, 0x00, 0x00, 0x00, 0x01, 0xFE, 0xF9, 0x1F, '.', 0x80})});
    const std::string text = expandedText(data, 2 * kChunkBlockSize);
    EXPECT_EQ(text.substr(kChunkBlockSize - 2, 10), "..ppppppp.");
}

TEST(ExpandChunks, LongestCommandsAndFarthestReach)
{
    // A short copy reaches 4095 bytes back; a fill and a long copy write up to the block's end.
    const Bytes commands = {0xFE, 0xFF, 0x0F, 'r', 0x81, 's', 0x7F, 0xFF, 0xFE, 0xF6, 0x0F, '.', 0x80};
    const std::string text = expandedText(chunk(commands), kChunkBlockSize);
    EXPECT_EQ(text.substr(4095, 12), "srrrrrrrrrr.");

    const std::string filled = expandedText(chunk({0x81, 'f', 0xFF, 0xFF, 0x1F, 0x00, 0x00, 0x80}), kChunkBlockSize);
    EXPECT_EQ(filled, std::string(kChunkBlockSize, 'f'));
}

TEST(CompressChunks, RoundTripsWhateverTheBytes)
{
    const std::vector<Bytes> inputs = {
        {},
        randomBytes(kChunkBlockSize, 1),
        randomBytes(3 * kChunkBlockSize, 3, 4),  // few values: many short matches
        randomBytes(2 * kChunkBlockSize, 4, 2),
        Bytes(2 * kChunkBlockSize, 0),
    };
    for (const Bytes& input : inputs)
        EXPECT_EQ(roundTrip(input), input) << input.size();
}

TEST(CompressChunks, RoundTripsStructuredBytes)
{
    for (const std::size_t period : {2, 3, 7, 64, 65, 200, 4095, 4097}) {
        const Bytes pattern = randomBytes(period, static_cast<unsigned>(period));
        Bytes input;
        while (input.size() < 3 * kChunkBlockSize)
            input.push_back(pattern[input.size() % period]);
        EXPECT_EQ(roundTrip(input), input) << period;
    }
    // Runs of every length between values
    Bytes runs;
    for (std::size_t length = 1; runs.size() < 2 * kChunkBlockSize; ++length)
        runs.insert(runs.end(), length, static_cast<std::uint8_t>(length));
    runs.resize(2 * kChunkBlockSize);
    EXPECT_EQ(roundTrip(runs), runs);
}

TEST(CompressChunks, RunsAndRepeatsShrink)
{
    // One fill per chunk: a header, 4 bytes of fill and the end.
    EXPECT_EQ(compressChunks(Bytes(2 * kChunkBlockSize, 0xFF)).size(), 2 * (4 + 4 + 1));
    // A 7-byte pattern repeated: one literal and one copy that overlaps itself.
    const Bytes pattern = randomBytes(7, 11);
    Bytes repeated;
    while (repeated.size() < kChunkBlockSize)
        repeated.push_back(pattern[repeated.size() % 7]);
    EXPECT_LE(compressChunks(repeated).size(), 4 + 8 + 5 + 1);
    // Random bytes grow only by their literal headers.
    const Bytes noise = randomBytes(kChunkBlockSize, 5);
    EXPECT_LE(compressChunks(noise).size(), 4 + kChunkBlockSize + kChunkBlockSize / 63 + 2);
}

TEST(CompressChunks, UsesEveryCommandOnARealGrid)
{
    const Bytes grid = unpackPack(PackId::Map, test::realPacks().pane(PaneId::MapPack)).bytes;
    ASSERT_EQ(grid.size(), kMapPackSize);
    std::set<Command::Kind> kinds;
    for (const Command& command : commandsOf(compressChunks(grid)))
        kinds.insert(command.kind);
    EXPECT_EQ(kinds.size(), 5U);
}

TEST(CompressChunks, CommandsReachTheirLimits)
{
    const auto repeating = [](std::size_t distance, std::size_t count) {
        Bytes bytes = randomBytes(distance, 21);
        bytes.insert(bytes.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
        return commandsOf(compressChunks(bytes));
    };
    EXPECT_EQ(repeating(100, 3).back(), (Command{Command::ShortCopy, 3, 100}));
    EXPECT_EQ(repeating(4095, 10).back(), (Command{Command::ShortCopy, 10, 4095}));
    EXPECT_EQ(repeating(4096, 10).back(), (Command{Command::MediumCopy, 10, 0}));
    EXPECT_EQ(repeating(100, 64).back(), (Command{Command::MediumCopy, 64, 0}));
    EXPECT_EQ(repeating(200, 100).back(), (Command{Command::LongCopy, 100, 0}));

    EXPECT_EQ(commandsOf(compressChunks(Bytes(kChunkBlockSize, 7))),
              (std::vector<Command>{{Command::Fill, kChunkBlockSize, 7}}));
    std::size_t longestLiteral = 0;
    for (const Command& command : commandsOf(compressChunks(randomBytes(kChunkBlockSize, 22)))) {
        if (command.kind == Command::Literal)
            longestLiteral = std::max(longestLiteral, command.count);
    }
    EXPECT_EQ(longestLiteral, 63U);
}

TEST(CompressChunks, OneChunkPerBlock)
{
    // Each header gives the length of its data and the size of its block; a part of a
    // block at the end gets a chunk of its own size, which no pack reads.
    const Bytes data = compressChunks(randomBytes(2 * kChunkBlockSize + 100, 6));
    std::size_t at = 0;
    for (const std::size_t size : {kChunkBlockSize, kChunkBlockSize, std::size_t{100}}) {
        ASSERT_LT(at + 4, data.size());
        EXPECT_EQ(std::size_t{data[at + 2]} | std::size_t{data[at + 3]} << 8, size);
        at += 4 + (data[at] | data[at + 1] << 8);
    }
    EXPECT_EQ(at, data.size());
}

} // namespace
} // namespace vexa
