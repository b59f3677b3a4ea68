#include "core/document/reader.h"

#include "core/document/countries.h"
#include "core/document/body_line.h"

#include <algorithm>

namespace vexa {

namespace {

enum class SectionKind { None, Basic, Map, Country, Pane, Digest, Unrecognised };

struct OpenSection {
    SectionKind kind = SectionKind::None;
    PaneId pane = PaneId::Rules;  // the pane of Country, Pane and Unrecognised sections
};

bool isCountryHeader(std::string_view header)
{
    if (header.size() < 2 || header.front() != '[' || header.back() != ']')
        return false;
    return countryIndex(header.substr(1, header.size() - 2)).has_value();
}

OpenSection classify(std::string_view header)
{
    if (header == basicHeader())
        return {SectionKind::Basic};
    if (header == mapHeader())
        return {SectionKind::Map};
    if (isCountryHeader(header))
        return {SectionKind::Country, PaneId::Country};
    if (const auto pane = sectionPaneFor(header))
        return {SectionKind::Pane, *pane};
    if (header == "[Digest]")
        return {SectionKind::Digest};
    return {SectionKind::Unrecognised, PaneId::Rules};
}

// What a line of the file is being read into, and where it came from.
struct Target {
    Scenario& scenario;
    SourceLines* sources;  // nothing when the caller does not ask
    std::size_t fileLine = 0;

    void appendTo(PaneId id, std::string_view line)
    {
        MemoryPane& pane = scenario.pane(id);
        if (sources)
            sources->paneLineFrom(id, pane.lineCount(), fileLine);
        pane.append(line);
    }
};

// The game reads a yes/no value by its first character after the blanks.
bool readsAsTrue(std::string_view value)
{
    const std::size_t first = value.find_first_not_of(' ');
    return first != std::string_view::npos && std::string_view("YyTt1").find(value[first]) != std::string_view::npos;
}

// A key=value line of [Basic] or [Map]: the key ends at the first "=".
void setKeyValue(Target& target, Section section, std::string_view line)
{
    Scenario& scenario = target.scenario;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    for (const FieldInfo& field : kFields) {
        if (field.section == section && field.key == key) {
            scenario.field(field.id) = value;
            if (target.sources)
                target.sources->fieldFrom(field.id, target.fileLine);
            return;
        }
    }
    if (section != Section::Basic)
        return;
    for (const FlagInfo& flag : kFlags) {
        if (flag.key == key) {
            scenario.flag(flag.id) = readsAsTrue(value);
            return;
        }
    }
}

void openSection(Target& target, const OpenSection& section, std::string_view header)
{
    if (section.kind == SectionKind::Pane && target.sources)
        target.sources->headerFrom(section.pane, target.fileLine);
    if (section.kind != SectionKind::Country && section.kind != SectionKind::Unrecognised)
        return;
    MemoryPane& pane = target.scenario.pane(section.pane);
    if (!pane.isEmpty())
        pane.append("");
    target.appendTo(section.pane, header);
}

void takeBodyLine(Target& target, const OpenSection& section, std::string_view line)
{
    switch (section.kind) {
    case SectionKind::Basic:
        setKeyValue(target, Section::Basic, line);
        break;
    case SectionKind::Map:
        setKeyValue(target, Section::Map, line);
        break;
    case SectionKind::Country:
    case SectionKind::Pane:
    case SectionKind::Unrecognised:
        target.appendTo(section.pane, line);
        break;
    case SectionKind::Digest:
    case SectionKind::None:
        break;
    }
}

} // namespace

Scenario readScenario(std::string_view bytes, SourceLines* sources)
{
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
        if (sources)
            sources->byteOrderMarkSkipped();
    }
    Scenario scenario;
    Target target{scenario, sources};
    OpenSection current;
    forEachFileLine(bytes, [&](std::string_view line) {
        if (isSectionHeaderLine(line)) {
            current = classify(line);
            openSection(target, current, line);
        } else if (current.kind != SectionKind::None && !line.empty()) {
            takeBodyLine(target, current, line);
        }
        ++target.fileLine;
    });
    return scenario;
}

} // namespace vexa
