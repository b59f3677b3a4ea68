#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace vexa {

// Scenario files are 8-bit text. At the toolkit boundary every byte becomes one
// character (Windows-1252, its five unassigned bytes kept as the C1 controls of the same
// value) and back, so every byte survives a trip through the editor.
QString decodeText(std::string_view bytes);

// The bytes of a text, or nothing when a character has no byte.
std::optional<std::string> encodeText(const QString& text);

// The bytes of a text, with every character that has no byte written as the replacement.
std::string encodeTextReplacing(const QString& text, char replacement);

// The position of the first character that has no byte, or -1.
qsizetype firstUnencodable(const QString& text);

// The text with one `replacement` in place of every line break (the core's line rule).
QString replaceLineBreaks(QStringView text, QChar replacement);

// A one-line field's text: every line break in it becomes one blank, as in any one-line
// entry, and the cursor keeps its place.
void keepOnOneLine(QString& text, int& cursor);

} // namespace vexa
