#include "core/recovery/copy_schedule.h"
#include "core/recovery/recovery_copy.h"
#include "core/recovery/recovery_store.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vexa;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string kRecoveredText =
    "; header\r\n[Basic]\r\nName=Gr\xC3\xBC\xC3\x9F\xC2\xA0\xE2\x82\xAC \xE2\x9C\x93 \xEF\xBF\xBD\r\n";

RecoveryCopy recoveryCopyOf(const std::string& bytes)
{
    auto parsed = parseRecoveryCopy(bytes);
    EXPECT_TRUE(std::holds_alternative<RecoveryCopy>(parsed)) << std::get<RecoveryDamage>(parsed).reason;
    return std::holds_alternative<RecoveryCopy>(parsed) ? std::get<RecoveryCopy>(parsed) : RecoveryCopy{};
}

bool isDamaged(const std::string& bytes)
{
    return std::holds_alternative<RecoveryDamage>(parseRecoveryCopy(bytes));
}

TEST(RecoveryCopyFormat, KeepsTextAndHeaderWhole)
{
    for (const std::optional<std::string>& source :
         {std::optional<std::string>{}, std::optional<std::string>{"/maps/a\\b\nc\rd.mpr"}}) {
        const RecoveryHeader header{source, 1700000000, 3};
        const RecoveryCopy copy = recoveryCopyOf(formatRecoveryCopy(header, kRecoveredText));
        EXPECT_EQ(copy.header, header);
        EXPECT_EQ(copy.text, kRecoveredText);
    }
    EXPECT_EQ(recoveryCopyOf(formatRecoveryCopy({std::nullopt, 0, 0}, "")).text, "");
}

TEST(RecoveryCopyFormat, AnyDamageIsReportedNeverHalfADocument)
{
    const std::string whole = formatRecoveryCopy({"/m/a.mpr", 1700000000, 3}, kRecoveredText);
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_TRUE(isDamaged(whole.substr(0, length))) << length;
    EXPECT_TRUE(isDamaged(whole + "x"));
    EXPECT_TRUE(isDamaged("[Basic]\r\nName=x\r\n"));
    const auto edited = [&](std::string_view from, std::string_view to) {
        std::string bytes = whole;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    EXPECT_TRUE(isDamaged(edited("Version: 1", "Version: 2")));
    EXPECT_TRUE(isDamaged(edited("Encoding: UTF-8", "Encoding: latin1")));
    EXPECT_TRUE(isDamaged(edited("Lines: 3", "Lines: 4")));
    EXPECT_TRUE(isDamaged(edited("Changed: 1700000000", "Changed: soon")));
    EXPECT_TRUE(isDamaged(edited("Lines: 3", "Lines: 3x")));
    EXPECT_TRUE(isDamaged(edited("Bytes: ", "Bytez: ")));
    EXPECT_TRUE(isDamaged(edited("File: =", "File: ")));
    EXPECT_TRUE(isDamaged(edited("/m/a.mpr", "/m/a\\q.mpr")));
    EXPECT_TRUE(isDamaged(edited("\xC3\xBC", "\xC3\x28")));  // same length, not UTF-8
    EXPECT_TRUE(isDamaged(edited("\xE2\x82\xAC", "\xED\xA0\x80")));  // a surrogate
    EXPECT_TRUE(isDamaged(edited("\xE2\x82\xAC", "\xE2\x82\x28")));  // cut off at its third byte
    EXPECT_TRUE(isDamaged(edited("\xC3\x9F", "\xC0\xAF")));  // an overlong form
}

TEST(CopyScheduleRule, QuietTimeAfterTheLastChangeAndAtMostTheLongestWaitWhileTyping)
{
    const CopySchedule::Clock::time_point start{};
    CopySchedule schedule;
    EXPECT_EQ(schedule.due(), std::nullopt);
    schedule.changed(start);
    schedule.changed(start + 1500ms);
    EXPECT_EQ(schedule.due(), start + 3500ms);
    schedule.copied();
    EXPECT_TRUE(schedule.upToDate());
    EXPECT_EQ(schedule.due(), std::nullopt);

    // A keystroke every second never pauses for two: the copy is due 30 s after the first.
    const auto typing = start + 10s;
    for (auto at = typing; at < typing + 40s; at += 1s)
        schedule.changed(at);
    EXPECT_EQ(schedule.due(), typing + 30s);
    schedule.copied();
    schedule.changed(typing + 41s);
    EXPECT_EQ(schedule.due(), typing + 43s);
}

TEST(RecoveryFolderPlace, StateHomeFirstThenHome)
{
    EXPECT_EQ(recoveryFolderFor("/s", "/h"), "/s/vexabuild/recovery");
    EXPECT_EQ(recoveryFolderFor("relative", "/h"), "/h/.local/state/vexabuild/recovery");
    EXPECT_EQ(recoveryFolderFor(nullptr, "/h"), "/h/.local/state/vexabuild/recovery");
    EXPECT_EQ(recoveryFolderFor("", nullptr), std::nullopt);
}

class RecoveryStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        base_ = fs::temp_directory_path() / ("vexa-recovery-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(base_);
        fs::create_directories(base_);
        folder_ = (base_ / "state/vexabuild/recovery").string();
    }
    void TearDown() override { fs::remove_all(base_); }

    std::unique_ptr<RecoveryStore> openStore(const std::string& folder) const
    {
        auto opened = RecoveryStore::open(folder);
        EXPECT_TRUE(std::holds_alternative<std::unique_ptr<RecoveryStore>>(opened)) << std::get<std::string>(opened);
        return std::holds_alternative<std::unique_ptr<RecoveryStore>>(opened)
                   ? std::move(std::get<std::unique_ptr<RecoveryStore>>(opened))
                   : nullptr;
    }
    std::unique_ptr<RecoveryStore> openStore() const { return openStore(folder_); }
    static std::string refusalOf(const std::string& folder)
    {
        auto opened = RecoveryStore::open(folder);
        return std::holds_alternative<std::string>(opened) ? std::get<std::string>(opened) : "opened";
    }
    std::string writeCopy(RecoveryStore& store, std::int64_t changed = 1000) const
    {
        const std::string path = store.newCopyPath();
        EXPECT_EQ(store.write(path, {"/m/a.mpr", changed, 3}, kRecoveredText), std::nullopt);
        return path;
    }
    static std::vector<std::string> pathsOf(const std::vector<StoredCopy>& copies)
    {
        std::vector<std::string> paths;
        for (const StoredCopy& copy : copies)
            paths.push_back(copy.path);
        return paths;
    }
    static void setWritten(const std::string& path, std::int64_t when)
    {
        const timespec times[2] = {{when, 0}, {when, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
    }
    std::size_t filesInFolder() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path base_;
    std::string folder_;
};

TEST_F(RecoveryStoreTest, MakesAPrivateFolderAndPrivateCopies)
{
    auto store = openStore();
    EXPECT_EQ(fs::status(folder_).permissions(), fs::perms::owner_all);
    const std::string path = writeCopy(*store);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    const auto read = store->read(path);
    ASSERT_TRUE(std::holds_alternative<RecoveryCopy>(read));
    EXPECT_EQ(std::get<RecoveryCopy>(read).text, kRecoveredText);
}

TEST_F(RecoveryStoreTest, RefusesAFileALinkOrAFolderThatTakesNoFile)
{
    fs::create_directories(base_ / "elsewhere");
    fs::create_directories(base_ / "linked/vexabuild");
    fs::create_symlink(base_ / "elsewhere", base_ / "linked/vexabuild/recovery");
    EXPECT_EQ(refusalOf((base_ / "linked/vexabuild/recovery").string()),
              (base_ / "linked/vexabuild/recovery").string() + " is a symbolic link");
    EXPECT_TRUE(fs::is_empty(base_ / "elsewhere"));

    fs::create_directories(base_ / "file/vexabuild");
    std::ofstream(base_ / "file/vexabuild/recovery") << "x";
    EXPECT_EQ(refusalOf((base_ / "file/vexabuild/recovery").string()),
              (base_ / "file/vexabuild/recovery").string() + " is not a folder");
    // Root writes anywhere, so a folder without write permission cannot refuse here; a
    // name the system cannot make can.
    const std::string tooLong = (base_ / std::string(300, 'n') / "recovery").string();
    EXPECT_EQ(refusalOf(tooLong), base_.string() + "/" + std::string(300, 'n') + " cannot be made");
}

TEST_F(RecoveryStoreTest, CopiesOfARunningEditorAreItsOwnOnly)
{
    auto first = openStore();
    auto second = openStore();
    const std::string shown = writeCopy(*first, 3000);
    const std::string kept = writeCopy(*first, 2000);
    EXPECT_NE(first->newCopyPath(), second->newCopyPath());
    EXPECT_TRUE(second->restorable({}).empty()) << "held by the first editor";
    EXPECT_EQ(second->adopt(kept), std::nullopt);
    EXPECT_EQ(pathsOf(first->restorable(shown)), std::vector<std::string>{kept});

    first.reset();
    const auto listed = second->restorable({});
    EXPECT_EQ(pathsOf(listed), (std::vector<std::string>{shown, kept})) << "newest first";
    EXPECT_EQ(std::get<RecoveryHeader>(listed[0].content).sourceFile, "/m/a.mpr");
    const auto adopted = second->adopt(kept);
    ASSERT_TRUE(adopted.has_value());
    EXPECT_TRUE(second->owns(*adopted));
    EXPECT_FALSE(fs::exists(kept));
    EXPECT_EQ(second->adopt(kept), std::nullopt) << "already taken";
    std::ofstream(folder_ + "/notes-of-the-day-1.copy") << "another program's";
    auto third = openStore();
    EXPECT_EQ(pathsOf(third->restorable({})), std::vector<std::string>{shown});
}

// The kernel lets go of a killed editor's lock: its copy is offered at once.
TEST_F(RecoveryStoreTest, AKilledEditorsCopyIsOffered)
{
    auto running = openStore();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t editor = ::fork();
    if (editor == 0) {
        auto store = RecoveryStore::open(folder_);
        auto& mine = *std::get<std::unique_ptr<RecoveryStore>>(store);
        (void)mine.write(mine.newCopyPath(), {std::nullopt, 0, 1}, "work\r\n");
        (void)!::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_TRUE(running->restorable({}).empty()) << "held while it runs";
    ::kill(editor, SIGKILL);
    ::waitpid(editor, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(running->restorable({}).size(), 1u);
}

TEST_F(RecoveryStoreTest, ADamagedCopyIsListedAsDamaged)
{
    auto store = openStore();
    const std::string path = writeCopy(*store);
    fs::resize_file(path, fs::file_size(path) - 1);
    const auto listed = store->restorable({});
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(std::get<RecoveryDamage>(listed[0].content).reason, "cut short");
    fs::remove(path);
    fs::create_symlink(base_ / "nowhere", path);
    EXPECT_EQ(std::get<RecoveryDamage>(store->read(path)).reason, "not a file");
}

TEST_F(RecoveryStoreTest, StartUpKeepsTheTwentyNewestEndedCopiesOfTheLastFortnight)
{
    constexpr std::int64_t kNow = 2000000000;
    const auto endedEditorsCopies = [&](const std::vector<std::int64_t>& ages) {
        std::vector<std::string> paths;
        auto ended = openStore();
        for (const std::int64_t age : ages) {
            paths.push_back(writeCopy(*ended));
            setWritten(paths.back(), kNow - age);
        }
        return paths;
    };
    auto running = openStore();
    const std::string own = writeCopy(*running);
    setWritten(own, 0);

    const auto old = endedEditorsCopies({kEndedCopyLifetime, kEndedCopyLifetime + 1, 10});
    running->prune(kNow);
    EXPECT_TRUE(fs::exists(old[0]));
    EXPECT_FALSE(fs::exists(old[1]));
    EXPECT_TRUE(fs::exists(old[2]));

    const auto young = endedEditorsCopies(std::vector<std::int64_t>(kKeptEndedCopies - 1, 100));
    running->prune(kNow);
    EXPECT_FALSE(fs::exists(old[0])) << "the 21st newest";
    EXPECT_TRUE(fs::exists(old[2]));
    EXPECT_TRUE(fs::exists(young.back()));
    EXPECT_TRUE(fs::exists(own));
}

TEST_F(RecoveryStoreTest, LockFilesGoWithTheirLastCopy)
{
    auto running = openStore();
    const std::size_t alone = filesInFolder();
    openStore().reset();
    EXPECT_EQ(filesInFolder(), alone) << "an editor without copies leaves nothing";
    std::string kept;
    std::string discarded;
    {
        auto first = openStore();
        auto second = openStore();
        kept = writeCopy(*first);
        discarded = writeCopy(*second);
    }
    EXPECT_EQ(filesInFolder(), alone + 4);
    running->remove(discarded);
    running->prune(0);
    const auto lockOf = [](const std::string& copy) { return copy.substr(0, copy.rfind('-')) + ".lock"; };
    EXPECT_TRUE(fs::exists(lockOf(kept))) << "the first editor's lock stays with its copy";
    EXPECT_FALSE(fs::exists(lockOf(discarded)));
    EXPECT_EQ(filesInFolder(), alone + 2);
    EXPECT_EQ(pathsOf(running->restorable({})), std::vector<std::string>{kept});
}

TEST_F(RecoveryStoreTest, TemporaryFilesNobodyHoldsAreLeftovers)
{
    auto store = openStore();
    const std::string leftover = folder_ + "/.vexabuild-save-AbCdEf";
    const std::string writing = folder_ + "/.vexabuild-save-GhIjKl";
    const std::string other = folder_ + "/.vexabuild-save-toolong";
    for (const std::string& path : {leftover, writing, other})
        std::ofstream(path) << "part";
    const int held = ::open(writing.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    store->prune(0);
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_TRUE(fs::exists(writing));
    EXPECT_TRUE(fs::exists(other));
    ::close(held);

    // A save cleans the folder it writes in.
    std::ofstream(leftover) << "part";
    EXPECT_EQ(replaceFile((base_ / "s.mpr").string(), "x"), std::nullopt);
    EXPECT_TRUE(fs::exists(leftover)) << "another folder";
    EXPECT_EQ(replaceFile(folder_ + "/s.mpr", "x"), std::nullopt);
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_FALSE(fs::exists(writing));
}

TEST_F(RecoveryStoreTest, ACopyReplacesALinkInsteadOfWritingThroughIt)
{
    auto store = openStore();
    const std::string path = store->newCopyPath();
    const fs::path target = base_ / "user.mpr";
    std::ofstream(target) << "mine";
    fs::create_symlink(target, path);
    EXPECT_EQ(store->write(path, {}, "x"), std::nullopt);
    EXPECT_FALSE(fs::is_symlink(path));
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mine");
}

} // namespace
