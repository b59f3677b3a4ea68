#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// A pane is an ordered list of 8-bit text lines. Every dialog writes through this
// interface; the in-memory pane serves the reader, the writer and the command-line
// tool, the main window adapts its text editors to it. A line never holds a line break.
class Pane {
public:
    virtual ~Pane() = default;

    virtual std::size_t lineCount() const = 0;
    // A line past the last reads as empty.
    virtual std::string line(std::size_t index) const = 0;
    virtual void append(std::string_view line) = 0;
    // Does nothing when the pane has no line with that index.
    virtual void replace(std::size_t index, std::string_view line) = 0;

    bool isEmpty() const { return lineCount() == 0; }
};

// What ends a line, in one place: CR, LF, and the line, paragraph and next-line separators
// of Unicode. Of these a file holds only CR and LF (its byte 0x85 is an ellipsis, not the
// next-line separator); the separators come in by paste.
constexpr bool isLineEnd(char32_t character)
{
    constexpr char32_t kNextLine = 0x85, kLineSeparator = 0x2028, kParagraphSeparator = 0x2029;
    return character == U'\r' || character == U'\n' || character == kNextLine || character == kLineSeparator ||
           character == kParagraphSeparator;
}

// A text with one `replacement` in place of every line break; CR LF is one break.
std::u16string replaceLineBreaks(std::u16string_view text, char16_t replacement);

// Where a position in a text stands once its line breaks are replaced: each CR LF wholly
// before it gives up one character.
std::size_t positionAfterReplacingLineBreaks(std::u16string_view text, std::size_t position);

// The line rule: a pane's lines are its text split at line breaks, each of them one '\n'
// by the time the text reaches the core; a break at the very end opens no further line,
// and an empty text has no lines.
std::vector<std::string_view> splitPaneText(std::string_view text);

// The number of lines of a text that a text editor keeps as blocks (paragraphs): every
// break starts a new block, so a trailing break leaves an empty last block that is no line.
std::size_t lineCountOfBlocks(std::size_t blockCount, bool lastBlockEmpty);

// A pane kept in one buffer: every line followed by '\n', which is also the pane's text
// under the line rule. Appending costs only the appended line.
class MemoryPane final : public Pane {
public:
    MemoryPane() = default;
    explicit MemoryPane(std::string_view text);

    std::size_t lineCount() const override { return starts_.size(); }
    std::string line(std::size_t index) const override
    {
        return index < lineCount() ? std::string(lineView(index)) : std::string();
    }
    // Unlike line(), only for an index below lineCount().
    std::string_view lineView(std::size_t index) const;
    void append(std::string_view line) override;
    void replace(std::size_t index, std::string_view line) override;

    // The pane's text: each line followed by '\n'.
    const std::string& text() const { return text_; }
    std::vector<std::string> lines() const;

    void reserve(std::size_t bytes) { text_.reserve(bytes); }
    bool operator==(const MemoryPane& other) const { return text_ == other.text_ && starts_ == other.starts_; }

private:
    std::string text_;
    std::vector<std::size_t> starts_;
};

} // namespace vexa
