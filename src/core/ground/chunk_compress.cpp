#include "core/ground/chunk_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <deque>
#include <limits>

namespace vexa {

namespace {

using namespace chunk_format;

enum class Step : std::uint8_t { Literal, ShortCopy, MediumCopy, LongCopy, Fill };

// How the bytes up to a position are best written: the last command and what it needs
// (the distance back of a short copy, the offset of the others).
struct Choice {
    Step step = Step::Literal;
    std::uint16_t count = 0;
    std::uint16_t source = 0;
};

// What the match finder found at a position: the longest match that a short copy can
// reach (counted up to what one can copy) and the longest of all.
struct Matches {
    std::size_t shortCount = 0;  // at most kShortCopyMaxCount, within kShortCopyMaxDistance
    std::size_t shortDistance = 0;
    std::size_t longestCount = 0;
    std::size_t longestFrom = 0;
};

// How many bytes from each position on repeat its value.
std::vector<std::size_t> runLengths(std::span<const std::uint8_t> input)
{
    std::vector<std::size_t> runs(input.size(), 1);
    for (std::size_t at = input.size(); at-- > 1;) {
        if (input[at - 1] == input[at])
            runs[at - 1] = runs[at] + 1;
    }
    return runs;
}

// Finds earlier occurrences of the bytes at a position, nearest first, through chains of
// positions that share a key: mostly their first three bytes (see chainKeys).
class MatchFinder {
public:
    // Enough to find the matches that count without searching a whole chunk per byte.
    static constexpr std::size_t kChainDepth = 64;
    // A match this long is taken without looking for a longer one.
    static constexpr std::size_t kGoodCount = 256;

    MatchFinder(std::span<const std::uint8_t> input, const std::vector<std::size_t>& runs)
        : input_(input), runs_(runs), keys_(chainKeys(input, runs)), previous_(input.size(), kNone)
    {
        heads_.fill(kNone);
    }

    // Positions come in order, each found (or skipped) before it is remembered.
    Matches find(std::size_t at) const
    {
        Matches best;
        if (input_.size() - at < kMinCopyCount)
            return best;
        // The bytes just before may repeat themselves (a run, a run of pairs), whatever
        // chain they are on.
        for (std::size_t distance = 1; distance <= 2 && distance <= at; ++distance) {
            if (consider(at - distance, at, best))
                return best;
        }
        std::size_t depth = 0;
        for (std::int32_t candidate = heads_[keys_[at]]; candidate != kNone && depth < kChainDepth;
             candidate = previous_[static_cast<std::size_t>(candidate)], ++depth) {
            if (consider(static_cast<std::size_t>(candidate), at, best))
                break;
        }
        return best;
    }

    void remember(std::size_t at)
    {
        if (input_.size() - at < kMinCopyCount)
            return;
        previous_[at] = heads_[keys_[at]];
        heads_[keys_[at]] = static_cast<std::int32_t>(at);
    }

private:
    static constexpr std::int32_t kNone = -1;
    static constexpr int kHashBits = 13;

    static std::uint32_t hashOf(std::uint32_t key) { return (key * 2654435761U) >> (32 - kHashBits); }

    // The chain of each position. Inside a run (vvv...) every position would share one
    // chain and crowd out the rest, so there the chain goes by the value and how far the
    // run lasts: only a candidate whose run lasts exactly as far can match beyond it.
    // (Runs of kGoodCount and more are not searched.)
    static std::vector<std::uint32_t> chainKeys(std::span<const std::uint8_t> input,
                                                const std::vector<std::size_t>& runs)
    {
        std::vector<std::uint32_t> keys(input.size(), 0);
        for (std::size_t at = 0; at + kMinCopyCount <= input.size(); ++at) {
            const std::uint32_t firstThree = static_cast<std::uint32_t>(input[at]) << 16 |
                                             static_cast<std::uint32_t>(input[at + 1]) << 8 | input[at + 2];
            const auto runCount = static_cast<std::uint32_t>(std::min(runs[at], kGoodCount));
            const std::uint32_t inRun = 1U << 24 | runCount << 8 | input[at];
            keys[at] = hashOf(runs[at] >= kMinCopyCount ? inRun : firstThree);
        }
        return keys;
    }

    // Takes what the bytes from `from` match of those at `at` into the best matches; true
    // when that match is long enough to stop looking.
    bool consider(std::size_t from, std::size_t at, Matches& best) const
    {
        const bool mayBeShort = at - from <= kShortCopyMaxDistance && best.shortCount < kShortCopyMaxCount;
        const bool longer = mayBeLonger(from, at, best.longestCount);
        if (!mayBeShort && !longer)
            return false;
        const std::size_t limit = std::min(input_.size() - at, longer ? kWordMax : kShortCopyMaxCount);
        const std::size_t count = matchCount(from, at, limit);
        if (count < kMinCopyCount)
            return false;
        if (mayBeShort && count > best.shortCount) {
            best.shortCount = std::min(count, kShortCopyMaxCount);
            best.shortDistance = at - from;
        }
        if (count <= best.longestCount)
            return false;
        best.longestCount = count;
        best.longestFrom = from;
        return count >= kGoodCount || at + count == input_.size();
    }

    // A candidate can only beat a match of `count` bytes if it agrees on the byte after them.
    bool mayBeLonger(std::size_t from, std::size_t at, std::size_t count) const
    {
        return at + count < input_.size() && input_[from + count] == input_[at + count];
    }

    // Where both sides stand in runs of one value, the shorter run matches whole; elsewhere
    // the bytes are compared eight at a time.
    std::size_t matchCount(std::size_t from, std::size_t at, std::size_t limit) const
    {
        std::size_t count = 0;
        while (count < limit && input_[from + count] == input_[at + count]) {
            const std::size_t run = std::min(runs_[from + count], runs_[at + count]);
            if (run >= kWordBytes || count + kWordBytes > limit) {
                count += run;
                continue;
            }
            const std::uint64_t differ = wordAt(from + count) ^ wordAt(at + count);
            if (differ != 0)
                return count + firstDifferentByte(differ);
            count += kWordBytes;
        }
        return std::min(count, limit);
    }

    static constexpr std::size_t kWordBytes = sizeof(std::uint64_t);

    std::uint64_t wordAt(std::size_t at) const
    {
        std::uint64_t word = 0;
        std::memcpy(&word, input_.data() + at, kWordBytes);
        return word;
    }

    // The first byte in memory order of two words that differ where `differ` has bits.
    static std::size_t firstDifferentByte(std::uint64_t differ)
    {
        if constexpr (std::endian::native == std::endian::little)
            return static_cast<std::size_t>(std::countr_zero(differ)) / 8;
        else
            return static_cast<std::size_t>(std::countl_zero(differ)) / 8;
    }

    std::span<const std::uint8_t> input_;
    const std::vector<std::size_t>& runs_;
    std::vector<std::uint32_t> keys_;
    std::array<std::int32_t, std::size_t{1} << kHashBits> heads_;
    std::vector<std::int32_t> previous_;
};

// The cheapest series of commands for one chunk, found by the shortest path over its
// positions: from each position every literal of up to 63 bytes, the copies that the
// match finder offers, and a fill of the run that starts there. The literals that end at a
// position are not offered one by one: the cheapest of them starts where the cost so far
// less the position is least, which a window of the last 63 starts keeps at its front.
class ChunkParser {
public:
    explicit ChunkParser(std::span<const std::uint8_t> input)
        : input_(input), costs_(input.size() + 1, kUnreached), choices_(input.size() + 1)
    {
        costs_[0] = 0;
    }

    std::vector<Choice> parse()
    {
        const std::vector<std::size_t> runs = runLengths(input_);
        MatchFinder finder(input_, runs);
        std::size_t searchFrom = 0;
        for (std::size_t at = 0; at < input_.size(); ++at) {
            arriveByLiteral(at);
            // A long copy or run is taken whole: a path through its inside would cost time
            // to find and save next to nothing.
            if (at >= searchFrom) {
                startLiterals(at);
                const Matches matches = finder.find(at);
                offerCopies(at, matches);
                offerFill(at, runs[at]);
                if (matches.longestCount >= kLongCopyCount)
                    searchFrom = at + matches.longestCount;
                if (runs[at] >= kLongRunCount)
                    searchFrom = std::max(searchFrom, at + runs[at]);
            }
            finder.remember(at);
        }
        arriveByLiteral(input_.size());
        return cheapestPath();
    }

private:
    static constexpr std::size_t kUnreached = std::numeric_limits<std::size_t>::max();
    // A run this long is filled whole. Copies that start inside it would save a byte or
    // two at most, and searching for them in the long empty stretches of an overlay pack
    // costs most of its packing time.
    static constexpr std::size_t kLongRunCount = 32;
    // A copy this long is taken whole. Searching inside the long stretches of one template
    // on a map pack costs most of its packing time and saves a few bytes in a thousand.
    static constexpr std::size_t kLongCopyCount = 128;

    // What a literal from `from` up to a position costs, less the position.
    std::ptrdiff_t literalKey(std::size_t from) const
    {
        return static_cast<std::ptrdiff_t>(costs_[from]) - static_cast<std::ptrdiff_t>(from);
    }

    // Paths may go on from the position with a literal.
    void startLiterals(std::size_t at)
    {
        if (costs_[at] == kUnreached)
            return;
        while (!literalStarts_.empty() && literalKey(literalStarts_.back()) >= literalKey(at))
            literalStarts_.pop_back();
        literalStarts_.push_back(at);
    }

    // The cheapest literal that ends at the position, from one of the 63 before it.
    void arriveByLiteral(std::size_t at)
    {
        while (!literalStarts_.empty() && literalStarts_.front() + kLiteralMaxCount < at)
            literalStarts_.pop_front();
        if (literalStarts_.empty())
            return;
        const std::size_t from = literalStarts_.front();
        offer(from, at - from, 1 + at - from, {Step::Literal, 0, 0});
    }

    void offerCopies(std::size_t at, const Matches& matches)
    {
        for (std::size_t count = kMinCopyCount; count <= matches.shortCount; ++count)
            offer(at, count, 2, {Step::ShortCopy, 0, static_cast<std::uint16_t>(matches.shortDistance)});
        // A medium copy no longer than the short one costs more for the same bytes.
        const auto from = static_cast<std::uint16_t>(matches.longestFrom);
        const std::size_t mediumMost = std::min(matches.longestCount, kMediumCopyMaxCount);
        for (std::size_t count = std::max(kMinCopyCount, matches.shortCount + 1); count <= mediumMost; ++count)
            offer(at, count, 3, {Step::MediumCopy, 0, from});
        if (matches.longestCount > kMediumCopyMaxCount)
            offer(at, matches.longestCount, 5, {Step::LongCopy, 0, from});
    }

    void offerFill(std::size_t at, std::size_t run)
    {
        if (run > kMinCopyCount)
            offer(at, run, 4, {Step::Fill, 0, 0});
    }

    void offer(std::size_t at, std::size_t count, std::size_t cost, Choice choice)
    {
        const std::size_t total = costs_[at] + cost;
        if (total < costs_[at + count]) {
            costs_[at + count] = total;
            choice.count = static_cast<std::uint16_t>(count);
            choices_[at + count] = choice;
        }
    }

    std::vector<Choice> cheapestPath() const
    {
        std::vector<Choice> path;
        for (std::size_t end = input_.size(); end > 0; end -= choices_[end].count)
            path.push_back(choices_[end]);
        std::reverse(path.begin(), path.end());
        return path;
    }

    std::span<const std::uint8_t> input_;
    std::vector<std::size_t> costs_;  // the fewest bytes that write the input up to each position
    std::vector<Choice> choices_;     // the last command of that cheapest way
    std::deque<std::size_t> literalStarts_;  // ascending positions, ascending literalKey
};

void putWord(std::vector<std::uint8_t>& data, std::size_t value)
{
    data.push_back(static_cast<std::uint8_t>(value & 0xFF));
    data.push_back(static_cast<std::uint8_t>(value >> 8));
}

void setWord(std::vector<std::uint8_t>& data, std::size_t at, std::size_t value)
{
    data[at] = static_cast<std::uint8_t>(value & 0xFF);
    data[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Appends the command of one choice that writes the input from `at` on.
void putCommand(std::vector<std::uint8_t>& data, const Choice& choice, std::span<const std::uint8_t> input,
                std::size_t at)
{
    const std::size_t count = choice.count;
    switch (choice.step) {
    case Step::Literal:
        data.push_back(static_cast<std::uint8_t>(0x80 | count));
        data.insert(data.end(), input.begin() + static_cast<std::ptrdiff_t>(at),
                    input.begin() + static_cast<std::ptrdiff_t>(at + count));
        break;
    case Step::ShortCopy:
        data.push_back(static_cast<std::uint8_t>((count - kMinCopyCount) << 4 | choice.source >> 8));
        data.push_back(static_cast<std::uint8_t>(choice.source & 0xFF));
        break;
    case Step::MediumCopy:
        data.push_back(static_cast<std::uint8_t>(0xC0 | (count - kMinCopyCount)));
        putWord(data, choice.source);
        break;
    case Step::LongCopy:
        data.push_back(kLongCopyCommand);
        putWord(data, count);
        putWord(data, choice.source);
        break;
    case Step::Fill:
        data.push_back(kFillCommand);
        putWord(data, count);
        data.push_back(input[at]);
        break;
    }
}

void putChunk(std::vector<std::uint8_t>& data, std::span<const std::uint8_t> input)
{
    const std::size_t headerAt = data.size();
    data.resize(headerAt + kHeaderSize);
    std::size_t at = 0;
    for (const Choice& choice : ChunkParser(input).parse()) {
        putCommand(data, choice, input, at);
        at += choice.count;
    }
    data.push_back(kEndCommand);
    // Within 16 bits: a block's commands take its 8192 bytes at most and a literal header per 63.
    const std::size_t length = data.size() - headerAt - kHeaderSize;
    setWord(data, headerAt, length);
    setWord(data, headerAt + 2, input.size());
}

} // namespace

std::vector<std::uint8_t> compressChunks(std::span<const std::uint8_t> bytes, ChunkMemo* memo)
{
    std::vector<std::uint8_t> data;
    std::vector<ChunkMemo::Chunk> chunks;
    for (std::size_t at = 0, index = 0; at < bytes.size(); at += kChunkBlockSize, ++index) {
        const auto output = bytes.subspan(at, std::min(kChunkBlockSize, bytes.size() - at));
        const ChunkMemo::Chunk* known = memo && index < memo->chunks.size() ? &memo->chunks[index] : nullptr;
        const std::size_t start = data.size();
        if (known && std::equal(output.begin(), output.end(), known->output.begin(), known->output.end()))
            data.insert(data.end(), known->data.begin(), known->data.end());
        else
            putChunk(data, output);
        if (memo)
            chunks.push_back({{output.begin(), output.end()}, {data.begin() + static_cast<std::ptrdiff_t>(start), data.end()}});
    }
    if (memo)
        memo->chunks = std::move(chunks);
    return data;
}

} // namespace vexa
