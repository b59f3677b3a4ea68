#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vexa {

// A failed file operation, as the editor reports it: one of its error codes and the
// text that goes with it (UTF-8). An error the editor has no code of its own for keeps
// the platform's number and always reads "I/O fel <number>", even where that number
// equals one of the editor's codes.
struct FileError {
    int code = 0;
    bool platformCode = false;

    std::string text() const;
    bool operator==(const FileError&) const = default;
};

inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidNumericInput = 106;

// The text of an error code: "Filen saknas", ..., or "I/O fel <code>" for any other.
std::string errorText(int code);

// Maps a failed call's errno to an error code. A missing file counts as a missing path
// when the folder it should be in does not exist either.
FileError errorFromErrno(int error, std::string_view path);

template <typename T>
using FileResult = std::variant<T, FileError>;

// The most bytes a file or standard input is read to; far more than any scenario holds
// (a full map's packs take under 100 KB). Anything longer is refused as too large.
inline constexpr std::size_t kLargestReadableFile = std::size_t{64} << 20;

// Reads a whole regular file (a link followed). Anything else is refused before it could
// block or never end: a folder, a device, a named pipe, a socket.
FileResult<std::string> readWholeFile(const std::string& path);

// Reads a stream, such as standard input, to its end. A read error of the stream is a
// file error, as for a file.
FileResult<std::string> readWholeStream(std::istream& in);

// Makes the temporary file of a replace from a name pattern ending in "XXXXXX", which it
// fills in, and returns the open descriptor, or -1 with errno set.
using TemporaryFileMaker = int (*)(std::string& pattern);
int makeTemporaryFile(std::string& pattern);

// A regular file (a link followed) that its mode makes read-only, or that this user may
// not write. The mode decides for root too, who could write any file: the owner marked
// it so.
bool isReadOnlyFile(const std::string& path);

// Replaces (or creates) a file so that it holds exactly the given bytes. The new content
// goes to a temporary file in the same folder that is flushed to disk and renamed over
// the target, so a failure part-way leaves any earlier file whole. A link is followed to
// its target, which is created when it does not exist yet (the link stays). Devices are
// written in place, and so is an existing file whose folder refuses the temporary file
// (no permission, read-only), since the file itself may still be writable. A read-only
// file, a folder, a named pipe or a socket is refused before anything is written.
std::optional<FileError> replaceFile(const std::string& path, std::string_view bytes,
                                     TemporaryFileMaker makeTemporary = makeTemporaryFile);

// Writes a file the way replaceFile does (a temporary file beside it, flushed, renamed
// over it), but a link at the path is replaced, never written through, and the file gets
// the given mode.
std::optional<FileError> replaceWithoutFollowing(const std::string& path, std::string_view bytes, unsigned mode);

// Whether a name is one of the temporary files a replace makes.
bool isTemporaryFileName(std::string_view name);

// Removes the temporary files that killed replaces left in a folder. A replace holds a
// lock on its temporary file while it writes, so a file no one holds is a leftover.
void removeLeftoverTemporaryFiles(const std::string& folder);

} // namespace vexa
