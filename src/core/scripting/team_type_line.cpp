#include "core/scripting/team_type_line.h"

#include "core/placement/placement_lines.h"

#include <initializer_list>

namespace vexa {

namespace {

std::string joinedWithColon(std::string_view first, std::string_view second)
{
    std::string text;
    text.reserve(first.size() + 1 + second.size());
    text.append(first).push_back(':');
    text.append(second);
    return text;
}

void appendValue(std::string& values, std::string_view value)
{
    values.push_back(',');
    values.append(value);
}

// The count of a list, then its entries, each after a comma.
template <typename Entry>
void appendList(std::string& values, const std::vector<Entry>& entries)
{
    appendValue(values, std::to_string(entries.size()));
    for (const Entry& entry : entries)
        appendValue(values, entryText(entry));
}

} // namespace

std::string entryText(const UnitEntry& entry)
{
    return joinedWithColon(entry.typeCode, entry.count);
}

std::string entryText(const OrderEntry& entry)
{
    return joinedWithColon(entry.code, entry.parameter);
}

bool canAdd(const UnitEntry& entry)
{
    return !entry.typeCode.empty() && !entry.count.empty();
}

bool canAdd(const OrderEntry& entry)
{
    return !entry.code.empty() && !entry.parameter.empty();
}

TeamTypeInput freshTeamType()
{
    TeamTypeInput fresh;
    fresh.hiddenAutocreate = "0";
    fresh.unknown1 = "0";
    fresh.unknown2 = "0";
    fresh.waypoint = "-1";
    fresh.attachedTrigger = "-1";
    return fresh;
}

bool mandatoryFieldsFilled(const TeamTypeInput& in)
{
    const std::initializer_list<const std::string*> mandatory = {
        &in.name, &in.country, &in.hiddenAutocreate, &in.unknown1, &in.unknown2,
        &in.autocreatedTeams, &in.waypoint, &in.attachedTrigger,
    };
    for (const std::string* text : mandatory) {
        if (text->empty())
            return false;
    }
    return true;
}

std::optional<std::string> composeTeamTypeLine(const TeamTypeInput& in)
{
    if (!mandatoryFieldsFilled(in))
        return std::nullopt;

    std::string values = in.country;
    for (const std::string* text : {&in.hiddenAutocreate, &in.unknown1, &in.unknown2, &in.autocreatedTeams,
                                    &in.waypoint, &in.attachedTrigger})
        appendValue(values, *text);
    appendList(values, in.units);
    appendList(values, in.orders);
    return keyedLine(in.name, values, in.comment);
}

bool appendTeamType(const TeamTypeInput& input, Pane& teamTypes)
{
    const std::optional<std::string> line = composeTeamTypeLine(input);
    if (!line)
        return false;
    teamTypes.append(*line);
    return true;
}

} // namespace vexa
