#include "core/scripting/script_words.h"

#include "core/document/body_line.h"
#include "core/document/scenario.h"
#include "core/placement/integers.h"
#include "core/scripting/script_references.h"
#include "core/scripting/team_type_line.h"
#include "core/scripting/team_type_vocabulary.h"
#include "core/scripting/trigger_line.h"

#include <algorithm>
#include <vector>

namespace vexa {

namespace {

// A caption as the menu shows it: "&&" is one "&".
std::string shownCaption(std::string_view caption)
{
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] == '&')
            ++i;
        shown += caption[i];
    }
    return shown;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : std::string(separator)) + parts[i];
    return text;
}

std::string_view withoutColon(std::string_view prompt)
{
    if (!prompt.empty() && prompt.back() == ':')
        prompt.remove_suffix(1);
    return prompt;
}

std::string_view sectionOf(ReferenceKind kind)
{
    switch (kind) {
    case ReferenceKind::TeamType:
        return "[TeamTypes]";
    case ReferenceKind::Trigger:
        return "[Trigs]";
    case ReferenceKind::Waypoint:
        return "[Waypoints]";
    default:
        return "the game";
    }
}

const ScriptReference* referenceInField(const ScriptEntry& entry, std::size_t field)
{
    const auto found = std::find_if(entry.references.begin(), entry.references.end(),
                                    [field](const ScriptReference& reference) { return reference.field == field; });
    return found == entry.references.end() ? nullptr : &*found;
}

// ---- Triggers

std::string repeatWords(std::string_view text)
{
    static constexpr std::array<std::string_view, kRepeatModeCaptions.size()> kWords = {
        "does not repeat", "repeats for all affected", "repeats freely"};
    const std::optional<std::size_t> mode = repeatModeOf(text);
    return mode ? std::string(kWords[*mode]) : "repeat " + inQuotes(text);
}

std::string partWords(const ScriptIndex& index, const ScriptEntry& entry, const TriggerPartLayout& part,
                      const std::vector<LinePart>& fields)
{
    const std::string name(part.name);
    if (part.codeField >= fields.size())
        return name + " (missing)";
    const std::string_view code = fields[part.codeField].text;
    const MenuItem* item = triggerPartEntry(part.part, code);
    if (!item)
        return name + " code " + inQuotes(code);
    std::string words = name + " " + inQuotes(shownCaption(item->caption));
    std::vector<std::string> parameters;
    for (std::size_t p = 1; p <= parameterCount(part.part); ++p) {
        if (const ScriptReference* reference = referenceInField(entry, part.codeField + p))
            parameters.push_back(describeReference(index, *reference));
    }
    if (!parameters.empty())
        words += " of " + joined(parameters, ", ");
    return words;
}

// "when T1 and T2 happen: R1 and R2", from the two activation values.
std::string activationWords(const ScriptIndex& index, const ScriptEntry& entry, const std::vector<LinePart>& fields)
{
    const auto part = [&](std::size_t i) { return partWords(index, entry, kTriggerParts[i], fields); };
    const std::string_view high = kTriggerActivationField < fields.size() ? fields[kTriggerActivationField].text : "";
    const std::string_view low =
        kTriggerActivationField + 1 < fields.size() ? fields[kTriggerActivationField + 1].text : "";
    const std::optional<std::size_t> mode = activationModeOf(high, low);
    if (!mode) {
        return "activation " + inQuotes(std::string(high) + "," + std::string(low)) + " of " + part(0) + "; " + part(1)
               + "; " + part(2) + "; " + part(3);
    }
    const std::string actions = *mode % 2 == 1 ? part(2) + " and " + part(3) : part(2);
    switch (*mode / 2) {
    case 0:
        return "when " + part(0) + " happens: " + actions;
    case 1:
        return "when " + part(0) + " and " + part(1) + " happen: " + actions;
    case 2:
        return "when " + part(0) + " or " + part(1) + " happens: " + actions;
    default:
        return "when " + part(0) + " happens: " + part(2) + "; when " + part(1) + " happens: " + part(3);
    }
}

std::string triggerWords(const ScriptIndex& index, const ScriptEntry& entry, const std::vector<LinePart>& fields)
{
    std::vector<std::string> sentences;
    sentences.push_back(fields.empty() ? std::string("repeat missing") : repeatWords(fields[kTriggerRepeatField].text));
    if (const ScriptReference* country = referenceInField(entry, kTriggerCountryField))
        sentences.push_back(describeReference(index, *country));
    sentences.push_back(activationWords(index, entry, fields));
    return joined(sentences, "; ");
}

// ---- Team types

std::string hiddenAutocreateWords(std::string_view text)
{
    const std::optional<std::int32_t> value = parseInteger(text);
    if (!value || *value < 0 || static_cast<std::size_t>(*value) >= kHiddenAutocreateCaptions.size())
        return "hidden/autocreate " + inQuotes(text) + ", which is none of 0 to 7";
    std::string caption(kHiddenAutocreateCaptions[static_cast<std::size_t>(*value)]);
    std::transform(caption.begin(), caption.begin() + 1, caption.begin(), [](char c) { return c - 'A' + 'a'; });
    return caption;
}

// The entries after a count, "CODE:COUNT" as written.
std::vector<std::size_t> entryFields(const std::vector<LinePart>& fields, std::size_t countField)
{
    std::vector<std::size_t> entries;
    const std::optional<std::int32_t> count =
        countField < fields.size() ? parseInteger(fields[countField].text) : std::nullopt;
    for (std::size_t i = countField + 1; count && i < fields.size() && entries.size() < static_cast<std::size_t>(std::max(*count, 0)); ++i)
        entries.push_back(i);
    return entries;
}

std::string unitWords(const std::vector<LinePart>& fields, const std::vector<std::size_t>& units)
{
    std::vector<std::string> parts;
    for (const std::size_t field : units) {
        const std::string_view text = fields[field].text;
        const std::size_t colon = text.find(':');
        parts.push_back(colon == std::string_view::npos
                            ? inQuotes(text)
                            : std::string(trimBlanks(text.substr(colon + 1))) + " " + std::string(trimBlanks(text.substr(0, colon))));
    }
    return parts.empty() ? std::string("no units") : "units " + joined(parts, ", ");
}

std::string orderWords(const ScriptIndex& index, const ScriptEntry& entry, const std::vector<LinePart>& fields,
                       const std::vector<std::size_t>& orders)
{
    std::vector<std::string> parts;
    for (const std::size_t field : orders) {
        const std::string_view text = fields[field].text;
        const std::string_view code = trimBlanks(text.substr(0, text.find(':')));
        const MenuItem* item = teamOrderEntry(code);
        std::string words = item ? inQuotes(item->caption) : "order " + inQuotes(code) + ", which the Orders menu lacks";
        if (const ScriptReference* reference = referenceInField(entry, field))
            words += " " + describeReference(index, *reference);
        parts.push_back(words);
    }
    return parts.empty() ? std::string("no orders") : "orders " + joined(parts, ", then ");
}

std::string teamTypeWords(const ScriptIndex& index, const ScriptEntry& entry, const std::vector<LinePart>& fields)
{
    std::vector<std::string> sentences;
    if (const ScriptReference* country = referenceInField(entry, kTeamTypeCountryField))
        sentences.push_back(describeReference(index, *country));
    if (kTeamTypeHiddenAutocreateField < fields.size())
        sentences.push_back(hiddenAutocreateWords(fields[kTeamTypeHiddenAutocreateField].text));
    if (kTeamTypeAutocreatedTeamsField < fields.size())
        sentences.push_back(std::string(fields[kTeamTypeAutocreatedTeamsField].text) + " teams autocreated");
    for (const std::size_t field : {kTeamTypeWaypointField, kTeamTypeTriggerField}) {
        if (const ScriptReference* reference = referenceInField(entry, field))
            sentences.push_back(roleText(*reference) + ": " + describeReference(index, *reference));
    }
    const std::vector<std::size_t> units = entryFields(fields, kTeamTypeUnitCountField);
    sentences.push_back(unitWords(fields, units));
    if (units.size() < fields.size()) {
        const std::size_t orderCount = kTeamTypeUnitCountField + 1 + units.size();
        sentences.push_back(orderWords(index, entry, fields, entryFields(fields, orderCount)));
    }
    return joined(sentences, "; ");
}

} // namespace

std::string_view kindName(ReferenceKind kind)
{
    switch (kind) {
    case ReferenceKind::TeamType:
        return "team type";
    case ReferenceKind::Trigger:
        return "trigger";
    case ReferenceKind::Waypoint:
        return "waypoint";
    case ReferenceKind::Country:
        return "country";
    case ReferenceKind::Global:
        return "global";
    case ReferenceKind::Cell:
        return "cell";
    case ReferenceKind::Number:
        break;
    }
    return "number";
}

namespace {

// What the reference is: its kind, or for a plain number the label it goes under.
std::string kindWords(const ScriptReference& reference)
{
    return std::string(reference.kind == ReferenceKind::Number ? withoutColon(reference.prompt)
                                                               : kindName(reference.kind));
}

} // namespace

std::string describeInvalidReference(std::string_view line, const ScriptReference& reference)
{
    const std::string_view text = reference.textIn(line);
    if (!reference.number)
        return kindWords(reference) + " " + inQuotes(text) + ", which is no number";
    return kindWords(reference) + " " + std::string(text) + ", which " + std::string(sectionOf(reference.kind))
           + " does not have";
}

std::string describeReference(const ScriptIndex& index, const ScriptReference& reference)
{
    const std::string_view line = index.scenario().pane(reference.pane).lineView(reference.line);
    const std::string_view text = reference.textIn(line);
    if (!reference.number)
        return describeInvalidReference(line, reference);
    const std::string kind = kindWords(reference);
    if (reference.kind == ReferenceKind::Number)
        return kind + " " + std::string(text);
    if (reference.isNone())
        return "no " + kind;
    const Resolution resolution = index.resolve(reference);
    if (!resolution.valid)
        return describeInvalidReference(line, reference);
    std::string words = kind + " " + std::string(text);
    if (resolution.name)
        words += reference.kind == ReferenceKind::Country ? " " + *resolution.name : " " + inQuotes(*resolution.name);
    return words;
}

std::string explainEntry(const ScriptIndex& index, const ScriptEntry& entry)
{
    const BodyLine body = readBodyLine(index.scenario().pane(paneOf(entry.kind)).lineView(entry.line));
    const std::vector<LinePart> fields = allFields(body);
    const bool trigger = entry.kind == ScriptKind::Trigger;
    std::string text = (trigger ? "Trigger " : "Team type ") + inQuotes(entry.name) + " (" + std::to_string(entry.index)
                       + "): " + (trigger ? triggerWords(index, entry, fields) : teamTypeWords(index, entry, fields))
                       + ".";
    if (!entry.problems.empty())
        text += " Not as the composer writes it: " + joined(entry.problems, " ");
    return text;
}

bool isMarked(const ScriptIndex& index, const ScriptEntry& entry)
{
    if (!entry.problems.empty())
        return true;
    return std::any_of(entry.references.begin(), entry.references.end(), [&](const ScriptReference& reference) {
        return namesLine(reference.kind) && !index.resolve(reference).valid;
    });
}

} // namespace vexa
