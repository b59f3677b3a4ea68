#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vexa {

// What a recovery copy says about the work it holds.
struct RecoveryHeader {
    std::optional<std::string> sourceFile;  // the file the document came from; none for a new one
    std::int64_t lastChange = 0;            // seconds since 1970 (UTC)
    std::size_t lineCount = 0;              // the lines of the text

    bool operator==(const RecoveryHeader&) const = default;
};

// A whole copy: its header and the scenario as Save would write it, but in UTF-8, so that
// characters no scenario file can hold survive.
struct RecoveryCopy {
    RecoveryHeader header;
    std::string text;
};

// Why a copy cannot be read. A damaged copy is never opened, not even in part.
struct RecoveryDamage {
    std::string reason;
};

// The bytes of a copy: a header of a few lines, then the text. The header counts the
// text's lines and bytes, so a cut copy shows as damaged.
std::string formatRecoveryCopy(const RecoveryHeader& header, std::string_view text);

// Reads a copy's bytes: the whole copy, or why it is damaged.
std::variant<RecoveryCopy, RecoveryDamage> parseRecoveryCopy(std::string_view bytes);

// The lines of a text under the file's line rule (as Save counts them).
std::size_t fileLineCountOf(std::string_view text);

} // namespace vexa
