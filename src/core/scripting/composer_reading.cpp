#include "core/scripting/composer_reading.h"

#include "core/document/body_line.h"
#include "core/forms/comment.h"
#include "core/placement/integers.h"
#include "core/scripting/script_references.h"

#include <vector>

namespace vexa {

namespace {

// The key and values of a name=values line, or why the line is none.
struct KeyedValues {
    BodyLine body;
    std::vector<LinePart> fields;
};

std::optional<KeyedValues> keyedValues(std::string_view line, std::string_view what, std::string& refusal)
{
    KeyedValues read{readBodyLine(line), {}};
    if (!read.body.isKeyValue()) {
        refusal = "This line holds no " + std::string(what) + ": it is no name=values line.";
        return std::nullopt;
    }
    read.fields = allFields(read.body);
    return read;
}

// The comment as the composer's "Comments:" field gave it: the composer writes " ; " and
// the comment, so one blank after the ';' belongs to the separator.
std::string commentOf(std::string_view line, const BodyLine& body)
{
    if (body.commentAt == BodyLine::kNoComment)
        return {};
    std::string_view comment = line.substr(body.commentAt + 1);
    if (comment.starts_with(kCommentSeparator.back()))
        comment.remove_prefix(1);
    return std::string(comment);
}

// Why a trigger's values are not what the composer writes, or nothing when they are.
std::optional<std::string> triggerValuesRefusal(const std::vector<LinePart>& fields)
{
    if (fields.size() != kTriggerValueCount)
        return "It has " + std::to_string(fields.size()) + " values where a trigger has "
               + std::to_string(kTriggerValueCount) + ".";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!parseInteger(fields[i].text))
            return "Its value " + std::to_string(i + 1) + " is " + inQuotes(fields[i].text) + " where a number goes.";
    }
    if (!repeatModeOf(fields[kTriggerRepeatField].text))
        return "Its repeat value " + inQuotes(fields[kTriggerRepeatField].text) + " is none of 0 to 2.";
    if (!activationModeOf(fields[kTriggerActivationField].text, fields[kTriggerActivationField + 1].text))
        return "Its activation " + std::string(fields[kTriggerActivationField].text) + ","
               + std::string(fields[kTriggerActivationField + 1].text) + " is written by no button of the composer.";
    return std::nullopt;
}

template <std::size_t N>
void readPart(const std::vector<LinePart>& fields, std::size_t codeField, std::string& code,
              std::array<std::string, N>& parameters)
{
    code = fields[codeField].text;
    for (std::size_t i = 0; i < N; ++i)
        parameters[i] = fields[codeField + 1 + i].text;
}

// "CODE:VALUE" as the two texts of a list entry, split at the first colon as the composer
// joined them; nothing without a colon.
template <typename Entry>
std::optional<Entry> entryOf(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    return Entry{std::string(text.substr(0, colon)), std::string(text.substr(colon + 1))};
}

// A count and that many entries from `first`; the field after them. Empty `refusal` when
// the count matches its entries.
template <typename Entry>
std::size_t readList(const std::vector<LinePart>& fields, std::size_t first, std::string_view what,
                     std::string_view pair, std::vector<Entry>& entries, std::string& refusal)
{
    if (first >= fields.size()) {
        refusal = "It ends before its count of " + std::string(what) + ".";
        return first;
    }
    const std::optional<std::int32_t> count = parseInteger(fields[first].text);
    const std::size_t available = fields.size() - first - 1;
    if (!count || *count < 0) {
        refusal = "Its count of " + std::string(what) + " " + inQuotes(fields[first].text) + " is no count.";
        return first;
    }
    if (static_cast<std::size_t>(*count) > available) {
        refusal = "It counts " + std::to_string(*count) + " " + std::string(what) + " but holds only "
                  + std::to_string(available) + " more values.";
        return first;
    }
    const std::size_t end = first + 1 + static_cast<std::size_t>(*count);
    for (std::size_t i = first + 1; i < end; ++i) {
        std::optional<Entry> entry = entryOf<Entry>(fields[i].text);
        if (!entry) {
            refusal = "Its entry " + inQuotes(fields[i].text) + " among the " + std::string(what) + " is no "
                      + std::string(pair) + " pair.";
            return first;
        }
        entries.push_back(std::move(*entry));
    }
    return end;
}

} // namespace

ComposerReading<TriggerInput> readTriggerLine(std::string_view line)
{
    ComposerReading<TriggerInput> reading;
    const std::optional<KeyedValues> read = keyedValues(line, "trigger", reading.refusal);
    if (!read)
        return reading;
    const std::vector<LinePart>& fields = read->fields;
    if (std::optional<std::string> refusal = triggerValuesRefusal(fields)) {
        reading.refusal = std::move(*refusal);
        return reading;
    }
    TriggerInput input;
    input.name = read->body.key.text;
    input.country = fields[kTriggerCountryField].text;
    input.repeatMode = static_cast<int>(*repeatModeOf(fields[kTriggerRepeatField].text));
    input.activationMode = static_cast<int>(
        *activationModeOf(fields[kTriggerActivationField].text, fields[kTriggerActivationField + 1].text));
    readPart(fields, kTriggerParts[0].codeField, input.t1.code, input.t1.parameters);
    readPart(fields, kTriggerParts[1].codeField, input.t2.code, input.t2.parameters);
    readPart(fields, kTriggerParts[2].codeField, input.r1.code, input.r1.parameters);
    readPart(fields, kTriggerParts[3].codeField, input.r2.code, input.r2.parameters);
    input.comment = commentOf(line, read->body);
    reading.input = std::move(input);
    return reading;
}

ComposerReading<TeamTypeInput> readTeamTypeLine(std::string_view line)
{
    ComposerReading<TeamTypeInput> reading;
    const std::optional<KeyedValues> read = keyedValues(line, "team type", reading.refusal);
    if (!read)
        return reading;
    const std::vector<LinePart>& fields = read->fields;
    TeamTypeInput input;
    const std::size_t ordersAt = readList(fields, kTeamTypeUnitCountField, "units", "CODE:COUNT", input.units,
                                          reading.refusal);
    if (!reading.refusal.empty())
        return reading;
    const std::size_t end = readList(fields, ordersAt, "orders", "CODE:PARAMETER", input.orders, reading.refusal);
    if (!reading.refusal.empty())
        return reading;
    if (end != fields.size()) {
        reading.refusal = "It holds " + std::to_string(fields.size() - end) + " values after its last order.";
        return reading;
    }
    // The values before the count of units, which the lists found in place.
    input.name = read->body.key.text;
    std::string* const fixed[] = {&input.country,          &input.hiddenAutocreate, &input.unknown1, &input.unknown2,
                                  &input.autocreatedTeams, &input.waypoint,         &input.attachedTrigger};
    for (std::size_t i = 0; i < std::size(fixed); ++i)
        *fixed[i] = fields[i].text;
    input.comment = commentOf(line, read->body);
    reading.input = std::move(input);
    return reading;
}

std::array<std::string_view, 3> parameterLabelsFor(TriggerPart part, std::string_view code)
{
    std::array<std::string_view, 3> labels = kParameterLabels;
    const MenuItem* entry = triggerPartEntry(part, code);
    if (!entry)
        return labels;
    const ParameterFill fill = fillParameters(part, *entry);
    for (std::size_t i = 0; i < fill.parameters.size(); ++i)
        labels[i] = fill.parameters[i].label;
    return labels;
}

} // namespace vexa
