#include "core/scripting/trigger_line.h"

#include "core/forms/comment.h"
#include "core/placement/integers.h"

#include <initializer_list>

namespace vexa {

namespace {

bool allFilled(const TriggerInput& in)
{
    const std::initializer_list<const std::string*> mandatory = {
        &in.name, &in.country,
        &in.t1.code, &in.t1.parameters[0], &in.t1.parameters[1],
        &in.t2.code, &in.t2.parameters[0], &in.t2.parameters[1],
        &in.r1.code, &in.r1.parameters[0], &in.r1.parameters[1], &in.r1.parameters[2],
        &in.r2.code, &in.r2.parameters[0], &in.r2.parameters[1], &in.r2.parameters[2],
    };
    for (const std::string* text : mandatory) {
        if (text->empty())
            return false;
    }
    return true;
}

template <std::size_t N>
void appendGroup(std::string& line, const std::string& code, const std::array<std::string, N>& parameters)
{
    line += ',';
    line += code;
    for (const std::string& parameter : parameters) {
        line += ',';
        line += parameter;
    }
}

} // namespace

std::optional<std::string> composeTriggerLine(const TriggerInput& in)
{
    if (!allFilled(in))
        return std::nullopt;

    std::string line = in.name;
    line += '=';
    line += std::to_string(in.repeatMode);
    line += ',';
    line += in.country;
    line += ',';
    line += std::to_string(in.activationMode / 2);
    line += ',';
    line += std::to_string(in.activationMode % 2);
    appendGroup(line, in.t1.code, in.t1.parameters);
    appendGroup(line, in.t2.code, in.t2.parameters);
    appendGroup(line, in.r1.code, in.r1.parameters);
    appendGroup(line, in.r2.code, in.r2.parameters);
    appendComment(line, in.comment);
    return line;
}

bool appendTrigger(const TriggerInput& input, Pane& trigs)
{
    const std::optional<std::string> line = composeTriggerLine(input);
    if (!line)
        return false;
    trigs.append(*line);
    return true;
}

std::optional<std::size_t> activationModeOf(std::string_view high, std::string_view low)
{
    const std::optional<std::int32_t> quotient = parseInteger(high);
    const std::optional<std::int32_t> remainder = parseInteger(low);
    if (!quotient || !remainder || *quotient < 0 || *remainder < 0 || *remainder > 1)
        return std::nullopt;
    const auto mode = static_cast<std::size_t>(*quotient) * 2 + static_cast<std::size_t>(*remainder);
    if (mode >= kActivationModeCaptions.size())
        return std::nullopt;
    return mode;
}

std::optional<std::size_t> repeatModeOf(std::string_view text)
{
    const std::optional<std::int32_t> mode = parseInteger(text);
    if (!mode || *mode < 0 || static_cast<std::size_t>(*mode) >= kRepeatModeCaptions.size())
        return std::nullopt;
    return static_cast<std::size_t>(*mode);
}

} // namespace vexa
