#include "core/check/checker.h"

#include "core/check/rules.h"
#include "core/check/scenario_check.h"
#include "core/ground/ground.h"
#include "core/placement/integers.h"

#include <functional>
#include <random>

namespace vexa {

namespace {

// Every bit of the value spread over every bit of the result, with a seed drawn once a
// run, so that no set of keys falls into the same few slots every time.
std::uint32_t mixed(std::uint64_t value)
{
    static const std::uint64_t seed = std::random_device{}();
    value += seed;
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdULL;
    value ^= value >> 33;
    value *= 0xc4ceb9fe1a85ec53ULL;
    value ^= value >> 33;
    return static_cast<std::uint32_t>(value);
}

// Keys are mostly numbers counting up. Numbers in one run of eight take one run of eight
// slots, in order, so such keys walk the table a cache line at a time; where each run
// lies is mixed from the number's other bits, so keys alike in their low bits (a multiple
// of 65536 plus a few, say) spread over the table like any others.
std::uint32_t hashOf(std::string_view key)
{
    if (!key.empty() && key.size() <= 9) {
        std::uint32_t number = 0;
        for (const char c : key) {
            if (c < '0' || c > '9')
                return mixed(std::hash<std::string_view>{}(key));
            number = number * 10 + static_cast<std::uint32_t>(c - '0');
        }
        return mixed(number >> 3) << 3 | (number & 7);
    }
    return mixed(std::hash<std::string_view>{}(key));
}

} // namespace

std::string_view severityName(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

std::string quoted(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result += '\'';
    result += text;
    result += '\'';
    return result;
}

KeyIndex::Slot* KeyIndex::find(std::uint32_t hash, std::string_view key)
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.line == kEmpty)
            return &slot;
        // Equal hashes are rare but for the same key: read that line's key again.
        if (slot.hash == hash && readBodyLine(pane_->lineView(slot.line)).key.text == key)
            return &slot;
    }
}

void KeyIndex::grow()
{
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(std::max<std::size_t>(64, old.size() * 2), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.line == kEmpty)
            continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].line != kEmpty)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

std::optional<std::size_t> KeyIndex::firstUse(const MemoryPane& pane, std::string_view key, std::size_t line)
{
    if (pane_ != &pane) {
        pane_ = &pane;
        std::size_t size = 64;
        while (size < 2 * pane.lineCount())
            size *= 2;
        slots_.assign(size, Slot{});
        used_ = 0;
    }
    if (line >= kEmpty)
        return std::nullopt;  // past four billion lines keys go unchecked
    if (2 * (used_ + 1) > slots_.size())
        grow();
    const std::uint32_t hash = hashOf(key);
    Slot* slot = find(hash, key);
    if (slot->line != kEmpty)
        return slot->line;
    *slot = {hash, static_cast<std::uint32_t>(line)};
    ++used_;
    return std::nullopt;
}

Checker::Checker(const Scenario& scenario, const SourceLines* sources)
    : scenario_(scenario)
    , sources_(sources)
    , mapBounds_(readMapBounds(scenario))
{
}

Checker::~Checker() = default;

const GroundReading& Checker::ground()
{
    if (!ground_) {
        ground_ = std::make_unique<GroundReading>(
            readGround(scenario_));
        if (ground_->mapPack == UnpackedPack::Status::Unpacked)
            mapGround_ = &ground_->ground;
    }
    return *ground_;
}

bool Checker::isTriggerName(std::string_view name)
{
    if (!triggerNames_) {
        triggerNames_.emplace();
        forEachLine(PaneId::Trigs, [&](std::size_t, const BodyLine& line) {
            if (line.isKeyValue())
                triggerNames_->insert(line.key.text);
        });
    }
    return triggerNames_->contains(name);
}

std::vector<Finding> Checker::run(std::span<const Rule> rules)
{
    for (std::size_t p = 0; p < kPaneCount; ++p) {
        const auto pane = static_cast<PaneId>(p);
        if (collectsSections(pane))
            continue;
        const LineFormat* format = formatOf(pane);
        const std::optional<ThingKind> kind = kindInPane(pane);
        const MemoryPane& lines = scenario_.pane(pane);
        for (std::size_t i = 0; i < lines.lineCount(); ++i) {
            const BodyLine body = readBodyLine(lines.lineView(i));
            const Fields fields(body);
            const ThingLine thingLine = kind ? readThingLine(*kind, body, fields) : ThingLine{};
            const LineAt line{pane, i, body, fields, format, kind ? &thingLine : nullptr};
            for (const Rule& rule : rules) {
                if (rule.onLine)
                    rule.onLine(rule, *this, line);
            }
        }
    }
    for (const Rule& rule : rules) {
        if (rule.onScenario)
            rule.onScenario(rule, *this);
    }
    return std::move(findings_);
}

void Checker::report(const Rule& rule, PaneId pane, std::size_t paneLine, std::string message)
{
    report(rule, rule.severity, pane, paneLine, std::move(message));
}

void Checker::report(const Rule& rule, Severity severity, PaneId pane, std::size_t paneLine, std::string message,
                     std::string_view section)
{
    Finding finding;
    finding.rule = rule.id;
    finding.severity = severity;
    finding.section = section.empty() ? paneHeader(pane) : section;
    finding.pane = pane;
    finding.paneLine = paneLine;
    if (sources_)
        finding.fileLine = sources_->fileLine(pane, paneLine);
    finding.message = std::move(message);
    findings_.push_back(std::move(finding));
}

void Checker::reportOnSection(const Rule& rule, PaneId pane, std::string message)
{
    Finding finding;
    finding.rule = rule.id;
    finding.severity = rule.severity;
    finding.section = paneHeader(pane);
    finding.pane = pane;
    if (sources_)
        finding.fileLine = sources_->headerLine(pane);
    finding.message = std::move(message);
    findings_.push_back(std::move(finding));
}

void Checker::reportOnFileLine(const Rule& rule, std::size_t fileLine, std::string message)
{
    Finding finding;
    finding.rule = rule.id;
    finding.severity = rule.severity;
    finding.fileLine = fileLine;
    finding.message = std::move(message);
    findings_.push_back(std::move(finding));
}

void Checker::report(const Rule& rule, FieldId field, std::string message)
{
    report(rule, rule.severity, field, std::move(message));
}

void Checker::report(const Rule& rule, Severity severity, FieldId field, std::string message)
{
    Finding finding;
    finding.rule = rule.id;
    finding.severity = severity;
    finding.section = infoOf(field).section == Section::Basic ? basicHeader() : mapHeader();
    finding.field = field;
    if (sources_)
        finding.fileLine = sources_->fileLine(field);
    finding.message = std::move(message);
    findings_.push_back(std::move(finding));
}

// A file's lines count from 1, as compilers count them; a pane's from 0, as the editor's.
std::string Checker::lineName(PaneId pane, std::size_t paneLine) const
{
    if (!sources_)
        return "line " + std::to_string(paneLine);
    return sources_->fileLineName(pane, paneLine);
}

} // namespace vexa
