#pragma once

#include "core/document/file_access.h"
#include "core/recovery/recovery_copy.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vexa {

// The folder of recovery copies: $XDG_STATE_HOME/vexabuild/recovery, or
// $HOME/.local/state/vexabuild/recovery when XDG_STATE_HOME is unset or not absolute.
// Nothing when neither gives an absolute folder.
std::optional<std::string> recoveryFolderFor(const char* stateHome, const char* home);

// Copies nobody holds are removed at start-up when older than this or beyond the newest
// kKeptEndedCopies.
inline constexpr std::int64_t kEndedCopyLifetime = 14 * 24 * 60 * 60;
inline constexpr std::size_t kKeptEndedCopies = 20;

// A copy in the folder, as the recovery window lists it.
struct StoredCopy {
    std::string path;
    std::int64_t written = 0;  // when the file was last written (seconds since 1970)
    std::variant<RecoveryHeader, RecoveryDamage> content;
    // The last change: the header's, or for a damaged copy, when it was written.
    std::int64_t lastChange() const;
};

// The recovery folder as one running editor uses it. The editor holds a lock on a lock
// file of its own for as long as it runs; its copies carry that file's name, so a copy
// whose lock nobody holds belongs to an editor that has ended (process numbers are
// reused and prove nothing). Every file it makes is the user's alone (0600), the folder
// too (0700).
class RecoveryStore {
public:
    // Opens the folder, making it where it is missing, and takes this editor's lock; or
    // says why the folder is refused: a file, a symbolic link, another user's, or one
    // that takes no new file.
    static std::variant<std::unique_ptr<RecoveryStore>, std::string> open(const std::string& folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    const std::string& folder() const { return folder_; }

    // A name for the copy of a document that has none yet; no other editor gets it.
    std::string newCopyPath();
    // Writes a copy whole or not at all, never through a link.
    std::optional<FileError> write(const std::string& copyPath, const RecoveryHeader& header,
                                   std::string_view text) const;
    void remove(const std::string& copyPath) const;
    std::variant<RecoveryCopy, RecoveryDamage> read(const std::string& copyPath) const;

    // The copies that can be restored, newest first: those of editors that have ended,
    // and this editor's own but `shown` (the copy of the document it shows). Never a
    // copy another running editor holds.
    std::vector<StoredCopy> restorable(const std::string& shown) const;
    // Makes a copy this editor's own, under a new name that it gives; nothing when the
    // copy is gone or another running editor holds it.
    std::optional<std::string> adopt(const std::string& copyPath);
    // Whether the copy is this editor's.
    bool owns(const std::string& copyPath) const;

    // Start-up's tidying: copies of ended editors older than kEndedCopyLifetime or beyond
    // the kKeptEndedCopies newest, their lock files once no copy is left, and temporary
    // files of killed writes.
    void prune(std::int64_t now) const;

private:
    RecoveryStore(std::string folder, std::string session, int lockFd);

    struct Entry {
        std::string path;
        std::string session;
    };
    std::vector<Entry> copies() const;
    bool heldByAnotherEditor(const std::string& session) const;
    std::vector<StoredCopy> endedCopies() const;

    std::string folder_;
    std::string session_;
    int lockFd_;
    int copiesMade_ = 0;
};

} // namespace vexa
