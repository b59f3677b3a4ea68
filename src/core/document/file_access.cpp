#include "core/document/file_access.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <istream>
#include <dirent.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa {

std::string errorText(int code)
{
    switch (code) {
    case kFileNotFound: return "Filen saknas";
    case kPathNotFound: return "Felaktigt filnamn";
    case kTooManyOpenFiles: return "För många öppna filer";
    case kAccessDenied: return "Filåtkomst vägras";
    case kReadBeyondEnd: return "Läsning förbi radslut i filen";
    case kDiskFull: return "Disken full";
    case kInvalidNumericInput: return "Felaktiga numeriska indata";
    default: return "I/O fel " + std::to_string(code);
    }
}

std::string FileError::text() const
{
    return platformCode ? "I/O fel " + std::to_string(code) : errorText(code);
}

namespace {

std::string folderOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string_view::npos)
        return ".";
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}

bool isFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int close()
    {
        int result = 0;
        if (fd_ >= 0)
            result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// What a link points to, or nothing for what is not a link.
std::optional<std::string> linkTarget(const std::string& path)
{
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length < 0 || static_cast<std::size_t>(length) == sizeof target)
        return std::nullopt;
    return std::string(target, static_cast<std::size_t>(length));
}

// The file that a save should really replace: a link is followed to its target, also to
// one that does not exist yet, which the save creates.
std::string resolveTarget(const std::string& path)
{
    // The most links the system follows in one name; a longer chain fails as a loop.
    constexpr int kMostLinks = 40;
    std::string target = path;
    for (int followed = 0; followed < kMostLinks; ++followed) {
        const std::optional<std::string> next = linkTarget(target);
        if (!next)
            return target;
        char resolved[PATH_MAX];
        if (::realpath(target.c_str(), resolved))
            return resolved;
        target = next->starts_with('/') ? *next : folderOf(target) + "/" + *next;
    }
    return target;
}

// Opens a file without waiting for it: a named pipe's open waits for a program at its
// other end, and such a file is refused once its kind is known. Reads and writes of what
// was opened wait as usual.
int openWithoutWaiting(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// A device takes the bytes where it stands (/dev/null, /dev/full); a named pipe or a
// socket would wait for another program.
bool isWrittenInPlace(mode_t mode)
{
    return S_ISREG(mode) || S_ISCHR(mode) || S_ISBLK(mode);
}

FileError tooLarge()
{
    return FileError{EFBIG, true};
}

// Reads to the end, or refuses what grows beyond kLargestReadableFile. `read` fills a
// buffer and gives how many bytes it holds (0 at the end), or the error.
template <typename Read>
FileResult<std::string> readToEnd(Read&& read, std::size_t expectedSize = 0)
{
    std::string bytes;
    bytes.reserve(expectedSize);
    char buffer[1 << 16];
    for (;;) {
        const FileResult<std::size_t> got = read(buffer, sizeof buffer);
        if (const auto* error = std::get_if<FileError>(&got))
            return *error;
        const std::size_t count = std::get<std::size_t>(got);
        if (count == 0)
            return bytes;
        if (count > kLargestReadableFile - bytes.size())
            return tooLarge();
        bytes.append(buffer, count);
    }
}

std::optional<FileError> writeInPlace(const std::string& path, std::string_view bytes)
{
    Descriptor fd(openWithoutWaiting(path, O_WRONLY | O_TRUNC));
    if (!fd.valid())
        return errorFromErrno(errno, path);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return errorFromErrno(errno, path);
    if (!isWrittenInPlace(info.st_mode))
        return FileError{kAccessDenied};
    if (const int error = writeAll(fd.get(), bytes))
        return errorFromErrno(error, path);
    // A device has nothing to flush to disk (EINVAL).
    if (::fsync(fd.get()) != 0 && errno != EINVAL)
        return errorFromErrno(errno, path);
    if (fd.close() != 0)
        return errorFromErrno(errno, path);
    return std::nullopt;
}

bool refusesNewFiles(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

mode_t modeForNewFile()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

constexpr std::string_view kTemporaryPrefix = ".vexabuild-save-";
constexpr std::size_t kTemporaryNameLength = kTemporaryPrefix.size() + 6;

bool isSameFile(int fd, const std::string& path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

// Makes the temporary file and locks it, so that no other editor takes it for the
// leftover of a killed save. A clean-up may remove the file between its making and its
// lock: then it is made again under a new name.
int makeLockedTemporary(std::string& temporary, TemporaryFileMaker makeTemporary)
{
    constexpr int kTries = 8;
    const std::string pattern = temporary;
    for (int tried = 0; tried < kTries; ++tried) {
        temporary = pattern;
        const int fd = makeTemporary(temporary);
        if (fd < 0)
            return fd;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && isSameFile(fd, temporary))
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

std::optional<FileError> writeByRename(const std::string& path, std::string_view bytes, std::optional<mode_t> oldMode,
                                       TemporaryFileMaker makeTemporary)
{
    std::string temporary = folderOf(path) + "/" + std::string(kTemporaryPrefix) + "XXXXXX";
    Descriptor fd(makeLockedTemporary(temporary, makeTemporary));
    if (!fd.valid()) {
        const int error = errno;
        // A folder that takes no new file may still hold a file that can be written.
        if (oldMode && refusesNewFiles(error))
            return writeInPlace(path, bytes);
        return errorFromErrno(error, path);
    }

    int error = writeAll(fd.get(), bytes);
    if (!error && ::fchmod(fd.get(), oldMode.value_or(modeForNewFile())) != 0)
        error = errno;
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    if (fd.close() != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return errorFromErrno(error, path);
    }
    Descriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    removeLeftoverTemporaryFiles(folderOf(path));
    return std::nullopt;
}

} // namespace

bool isTemporaryFileName(std::string_view name)
{
    return name.size() == kTemporaryNameLength && name.starts_with(kTemporaryPrefix);
}

void removeLeftoverTemporaryFiles(const std::string& folder)
{
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        if (!isTemporaryFileName(entry->d_name))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        // Held means a save is writing it; a link or anything but a file is not ours.
        if (fd.valid() && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 && isSameFile(fd.get(), path))
            ::unlink(path.c_str());
    }
    ::closedir(listing);
}

std::optional<FileError> replaceWithoutFollowing(const std::string& path, std::string_view bytes, unsigned mode)
{
    return writeByRename(path, bytes, static_cast<mode_t>(mode), makeTemporaryFile);
}

FileError errorFromErrno(int error, std::string_view path)
{
    switch (error) {
    case ENOENT:
        return {isFolder(folderOf(path)) && !path.empty() ? kFileNotFound : kPathNotFound};
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return {kPathNotFound};
    case EMFILE:
    case ENFILE:
        return {kTooManyOpenFiles};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case ENXIO: // a socket, or a named pipe that no program reads
        return {kAccessDenied};
    case ENOSPC:
    case EDQUOT:
        return {kDiskFull};
    default:
        return {error, true};
    }
}

bool isReadOnlyFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

FileResult<std::string> readWholeFile(const std::string& path)
{
    Descriptor fd(openWithoutWaiting(path, O_RDONLY));
    if (!fd.valid())
        return errorFromErrno(errno, path);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return errorFromErrno(errno, path);
    // A folder has no text, a device may never end (/dev/zero), a named pipe waits.
    if (!S_ISREG(info.st_mode))
        return FileError{kAccessDenied};
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size > kLargestReadableFile)
        return tooLarge();
    return readToEnd(
        [&](char* buffer, std::size_t capacity) -> FileResult<std::size_t> {
            for (;;) {
                const ssize_t got = ::read(fd.get(), buffer, capacity);
                if (got >= 0)
                    return static_cast<std::size_t>(got);
                if (errno != EINTR)
                    return errorFromErrno(errno, path);
            }
        },
        size);
}

FileResult<std::string> readWholeStream(std::istream& in)
{
    return readToEnd([&](char* buffer, std::size_t capacity) -> FileResult<std::size_t> {
        // A file stream throws on a read error (a folder as standard input, a closed one).
        try {
            return static_cast<std::size_t>(in.rdbuf()->sgetn(buffer, static_cast<std::streamsize>(capacity)));
        } catch (const std::ios_base::failure& failure) {
            const std::error_code code = failure.code();
            return code.category() == std::generic_category() ? errorFromErrno(code.value(), {}) : FileError{EIO, true};
        }
    });
}

int makeTemporaryFile(std::string& pattern)
{
    return ::mkostemp(pattern.data(), O_CLOEXEC);
}

std::optional<FileError> replaceFile(const std::string& requestedPath, std::string_view bytes,
                                     TemporaryFileMaker makeTemporary)
{
    if (requestedPath.empty())
        return FileError{kPathNotFound};
    const std::string path = resolveTarget(requestedPath);

    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT)
            return errorFromErrno(errno, path);
        return writeByRename(path, bytes, std::nullopt, makeTemporary);
    }
    if (!S_ISREG(info.st_mode))
        return writeInPlace(path, bytes);

    // Refuse up front what an in-place write would refuse, before anything is written.
    if (isReadOnlyFile(path))
        return FileError{kAccessDenied};
    {
        Descriptor probe(openWithoutWaiting(path, O_WRONLY));
        if (!probe.valid())
            return errorFromErrno(errno, path);
    }
    return writeByRename(path, bytes, info.st_mode & 07777, makeTemporary);
}

} // namespace vexa
