#include "core/document/writer.h"

namespace vexa {

namespace {

class LineWriter {
public:
    explicit LineWriter(std::size_t expectedSize) { bytes_.reserve(expectedSize); }

    void line(std::string_view text)
    {
        bytes_.append(text);
        bytes_.append("\r\n");
    }
    void line(std::string_view prefix, std::string_view text)
    {
        bytes_.append(prefix);
        line(text);
    }
    void paneLines(const MemoryPane& pane)
    {
        for (std::size_t i = 0; i < pane.lineCount(); ++i)
            line(pane.lineView(i));
    }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

// Follows the writer through a scenario and counts the lines instead of writing them.
class LineCounter {
public:
    void line(std::string_view) { ++count_; }
    void line(std::string_view, std::string_view) { ++count_; }
    void paneLines(const MemoryPane& pane) { count_ += pane.lineCount(); }
    std::size_t count() const { return count_; }

private:
    std::size_t count_ = 0;
};

constexpr FieldId kBasicTextOrder[] = {
    FieldId::Name, FieldId::Intro, FieldId::Brief, FieldId::Action,
    FieldId::Win, FieldId::Lose, FieldId::Player, FieldId::Theme,
};
constexpr FieldId kBasicNumberOrder[] = {FieldId::CarryOverMoney, FieldId::CarryOverCap, FieldId::Percent};
constexpr FieldId kMapOrder[] = {FieldId::Theater, FieldId::X, FieldId::Y, FieldId::Width, FieldId::Height};

template <typename Out>
void writeFieldIfFilled(Out& out, const Scenario& scenario, FieldId id)
{
    const std::string& text = scenario.field(id);
    if (!text.empty())
        out.line(std::string(infoOf(id).key) + "=", text);
}

template <typename Out>
void writeBasic(Out& out, const Scenario& scenario)
{
    out.line("");
    out.line(basicHeader());
    out.line("NewINIFormat=3");
    for (FieldId id : kBasicTextOrder)
        writeFieldIfFilled(out, scenario, id);
    for (const FlagInfo& flag : kFlags)
        out.line(std::string(flag.key) + "=", scenario.flag(flag.id) ? "Yes" : "No");
    for (FieldId id : kBasicNumberOrder)
        writeFieldIfFilled(out, scenario, id);
}

template <typename Out>
void writeMap(Out& out, const Scenario& scenario)
{
    out.line("");
    out.line(mapHeader());
    for (FieldId id : kMapOrder)
        out.line(std::string(infoOf(id).key) + "=", scenario.field(id));
}

// A collecting pane carries its own headers; a section pane gets its caption as header.
template <typename Out>
void writePane(Out& out, const Scenario& scenario, PaneId id)
{
    const MemoryPane& pane = scenario.pane(id);
    if (pane.isEmpty())
        return;
    out.line("");
    if (!collectsSections(id))
        out.line(paneHeader(id));
    out.paneLines(pane);
}

std::size_t expectedSize(const Scenario& scenario)
{
    std::size_t size = 4096;
    for (const MemoryPane& pane : scenario.panes)
        size += pane.text().size() + pane.lineCount() + 32;
    for (const std::string& field : scenario.fields)
        size += field.size() + 32;
    return size;
}

} // namespace

std::string headerComment()
{
    return "; This file was edited with Vexa Build " + std::string(kVersionText) + " by Orlund";
}

namespace {

// The file's lines in their order, to a writer or a counter.
template <typename Out>
void writeLines(Out& out, const Scenario& scenario)
{
    out.line(headerComment());
    writePane(out, scenario, PaneId::Rules);
    writeBasic(out, scenario);
    writeMap(out, scenario);
    for (std::size_t i = 0; i < kPaneCount; ++i) {
        const auto id = static_cast<PaneId>(i);
        if (id != PaneId::Rules)
            writePane(out, scenario, id);
    }
}

} // namespace

std::string writeScenario(const Scenario& scenario)
{
    LineWriter out(expectedSize(scenario));
    writeLines(out, scenario);
    return out.take();
}

std::size_t writtenLineCount(const Scenario& scenario)
{
    LineCounter out;
    writeLines(out, scenario);
    return out.count();
}

} // namespace vexa
