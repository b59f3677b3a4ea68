#include "core/recovery/recovery_store.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa {

namespace {

constexpr std::string_view kCopySuffix = ".copy";
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kSessionPrefix = "session-";
constexpr mode_t kPrivateFolder = 0700;
constexpr unsigned kPrivateFile = 0600;

bool isAbsolute(const char* path)
{
    return path && path[0] == '/';
}

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return names;
    while (const dirent* entry = ::readdir(listing))
        names.emplace_back(entry->d_name);
    ::closedir(listing);
    return names;
}

// The editor a copy belongs to: its name is "<session>-<number>.copy".
std::optional<std::string> sessionOfCopy(std::string_view name)
{
    if (!name.ends_with(kCopySuffix) || !name.starts_with(kSessionPrefix))
        return std::nullopt;
    const std::size_t dash = name.rfind('-');
    if (dash < kSessionPrefix.size())
        return std::nullopt;
    return std::string(name.substr(0, dash));
}

std::optional<std::string> sessionOfLock(std::string_view name)
{
    if (!name.ends_with(kLockSuffix) || !name.starts_with(kSessionPrefix))
        return std::nullopt;
    return std::string(name.substr(0, name.size() - kLockSuffix.size()));
}

std::int64_t writtenTime(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? static_cast<std::int64_t>(info.st_mtime) : 0;
}

bool refersTo(int fd, const std::string& path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

// Makes a missing folder, and its missing parents, for this user alone.
bool makeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), kPrivateFolder) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

// Why the folder (or the folder it lies in, which the editor made as well) cannot hold
// copies, or nothing.
std::optional<std::string> refusal(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return path + " cannot be made";
    if (S_ISLNK(info.st_mode))
        return path + " is a symbolic link";
    if (!S_ISDIR(info.st_mode))
        return path + " is not a folder";
    if (info.st_uid != ::geteuid())
        return path + " belongs to another user";
    return std::nullopt;
}

// Takes this editor's lock: a new lock file, locked before anyone could take it for the
// file of an ended editor and remove it (if that happened, a new one is made).
int takeSessionLock(const std::string& folder, std::string& session)
{
    constexpr int kTries = 8;
    for (int tried = 0; tried < kTries; ++tried) {
        std::string pattern = folder + "/" + std::string(kSessionPrefix) + "XXXXXX" + std::string(kLockSuffix);
        const int fd = ::mkostemps(pattern.data(), static_cast<int>(kLockSuffix.size()), O_CLOEXEC);
        if (fd < 0)
            return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && refersTo(fd, pattern)) {
            const std::size_t slash = pattern.rfind('/');
            session = pattern.substr(slash + 1, pattern.size() - slash - 1 - kLockSuffix.size());
            return fd;
        }
        ::close(fd);
    }
    return -1;
}

} // namespace

std::int64_t StoredCopy::lastChange() const
{
    const auto* header = std::get_if<RecoveryHeader>(&content);
    return header ? header->lastChange : written;
}

std::optional<std::string> recoveryFolderFor(const char* stateHome, const char* home)
{
    if (isAbsolute(stateHome))
        return std::string(stateHome) + "/vexabuild/recovery";
    if (isAbsolute(home))
        return std::string(home) + "/.local/state/vexabuild/recovery";
    return std::nullopt;
}

std::variant<std::unique_ptr<RecoveryStore>, std::string> RecoveryStore::open(const std::string& folder)
{
    const std::size_t slash = folder.rfind('/');
    const std::string parent = folder.substr(0, slash);
    makeFolders(folder);
    for (const std::string& path : {parent, folder}) {
        if (auto why = refusal(path))
            return *why;
    }
    ::chmod(folder.c_str(), kPrivateFolder);
    std::string session;
    const int lock = takeSessionLock(folder, session);
    if (lock < 0)
        return folder + " cannot be written";
    return std::unique_ptr<RecoveryStore>(new RecoveryStore(folder, session, lock));
}

RecoveryStore::RecoveryStore(std::string folder, std::string session, int lockFd)
    : folder_(std::move(folder))
    , session_(std::move(session))
    , lockFd_(lockFd)
{
}

// The lock file goes with the editor's last copy: the copies it keeps stay for the next
// start, which sees the lock as nobody's.
RecoveryStore::~RecoveryStore()
{
    const auto all = copies();
    if (std::none_of(all.begin(), all.end(), [&](const Entry& copy) { return copy.session == session_; }))
        ::unlink((folder_ + "/" + session_ + std::string(kLockSuffix)).c_str());
    ::close(lockFd_);
}

std::string RecoveryStore::newCopyPath()
{
    return folder_ + "/" + session_ + "-" + std::to_string(++copiesMade_) + std::string(kCopySuffix);
}

bool RecoveryStore::owns(const std::string& copyPath) const
{
    const std::size_t slash = copyPath.rfind('/');
    return copyPath.substr(0, slash) == folder_ && sessionOfCopy(copyPath.substr(slash + 1)) == session_;
}

std::optional<FileError> RecoveryStore::write(const std::string& copyPath, const RecoveryHeader& header,
                                              std::string_view text) const
{
    return replaceWithoutFollowing(copyPath, formatRecoveryCopy(header, text), kPrivateFile);
}

void RecoveryStore::remove(const std::string& copyPath) const
{
    ::unlink(copyPath.c_str());
}

std::variant<RecoveryCopy, RecoveryDamage> RecoveryStore::read(const std::string& copyPath) const
{
    struct stat info {};
    if (::lstat(copyPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return RecoveryDamage{"not a file"};
    auto bytes = readWholeFile(copyPath);
    if (const auto* error = std::get_if<FileError>(&bytes))
        return RecoveryDamage{error->text()};
    return parseRecoveryCopy(std::get<std::string>(bytes));
}

std::vector<RecoveryStore::Entry> RecoveryStore::copies() const
{
    std::vector<Entry> found;
    for (const std::string& name : namesIn(folder_)) {
        if (auto session = sessionOfCopy(name))
            found.push_back({folder_ + "/" + name, std::move(*session)});
    }
    return found;
}

bool RecoveryStore::heldByAnotherEditor(const std::string& session) const
{
    if (session == session_)
        return false;
    const std::string lock = folder_ + "/" + session + std::string(kLockSuffix);
    const int fd = ::open(lock.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

std::vector<StoredCopy> RecoveryStore::restorable(const std::string& shown) const
{
    std::vector<StoredCopy> listed;
    for (const Entry& copy : copies()) {
        if (copy.path == shown || heldByAnotherEditor(copy.session))
            continue;
        StoredCopy stored{copy.path, writtenTime(copy.path), RecoveryDamage{}};
        auto content = read(copy.path);
        if (auto* whole = std::get_if<RecoveryCopy>(&content))
            stored.content = std::move(whole->header);
        else
            stored.content = std::get<RecoveryDamage>(std::move(content));
        listed.push_back(std::move(stored));
    }
    std::stable_sort(listed.begin(), listed.end(), [](const StoredCopy& a, const StoredCopy& b) {
        return a.lastChange() != b.lastChange() ? a.lastChange() > b.lastChange() : a.path < b.path;
    });
    return listed;
}

std::optional<std::string> RecoveryStore::adopt(const std::string& copyPath)
{
    if (owns(copyPath))
        return copyPath;
    const auto session = sessionOfCopy(copyPath.substr(copyPath.rfind('/') + 1));
    if (!session || heldByAnotherEditor(*session))
        return std::nullopt;
    // The rename is the taking: of two editors restoring one copy, one finds it gone.
    std::string mine = newCopyPath();
    if (::rename(copyPath.c_str(), mine.c_str()) != 0)
        return std::nullopt;
    return mine;
}

std::vector<StoredCopy> RecoveryStore::endedCopies() const
{
    std::vector<StoredCopy> ended;
    for (const Entry& copy : copies()) {
        if (copy.session != session_ && !heldByAnotherEditor(copy.session))
            ended.push_back({copy.path, writtenTime(copy.path), RecoveryDamage{}});
    }
    std::sort(ended.begin(), ended.end(),
              [](const StoredCopy& a, const StoredCopy& b) { return a.written > b.written; });
    return ended;
}

void RecoveryStore::prune(std::int64_t now) const
{
    const std::vector<StoredCopy> ended = endedCopies();
    for (std::size_t i = 0; i < ended.size(); ++i) {
        if (i >= kKeptEndedCopies || now - ended[i].written > kEndedCopyLifetime)
            remove(ended[i].path);
    }
    const auto left = copies();
    for (const std::string& name : namesIn(folder_)) {
        const auto session = sessionOfLock(name);
        if (!session || *session == session_ || heldByAnotherEditor(*session))
            continue;
        if (std::none_of(left.begin(), left.end(), [&](const Entry& copy) { return copy.session == *session; }))
            ::unlink((folder_ + "/" + name).c_str());
    }
    removeLeftoverTemporaryFiles(folder_);
}

} // namespace vexa
