#include "core/document/file_access.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vexa;
namespace fs = std::filesystem;

namespace {

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("vexa-files-" + std::to_string(::getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    static std::string contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

std::optional<int> errorCode(const FileResult<std::string>& result)
{
    if (const auto* error = std::get_if<FileError>(&result))
        return error->code;
    return std::nullopt;
}

} // namespace

TEST(ErrorTexts, CodesAndTexts)
{
    EXPECT_EQ(errorText(2), "Filen saknas");
    EXPECT_EQ(errorText(3), "Felaktigt filnamn");
    EXPECT_EQ(errorText(4), "För många öppna filer");
    EXPECT_EQ(errorText(5), "Filåtkomst vägras");
    EXPECT_EQ(errorText(100), "Läsning förbi radslut i filen");
    EXPECT_EQ(errorText(101), "Disken full");
    EXPECT_EQ(errorText(106), "Felaktiga numeriska indata");
    EXPECT_EQ(errorText(32), "I/O fel 32");
}

TEST(ErrorTexts, ErrnoMapping)
{
    EXPECT_EQ(errorFromErrno(EACCES, "/tmp/x").code, kAccessDenied);
    EXPECT_EQ(errorFromErrno(EPERM, "/tmp/x").code, kAccessDenied);
    EXPECT_EQ(errorFromErrno(EROFS, "/tmp/x").code, kAccessDenied);
    EXPECT_EQ(errorFromErrno(EISDIR, "/tmp/x").code, kAccessDenied);
    EXPECT_EQ(errorFromErrno(EMFILE, "/tmp/x").code, kTooManyOpenFiles);
    EXPECT_EQ(errorFromErrno(ENFILE, "/tmp/x").code, kTooManyOpenFiles);
    EXPECT_EQ(errorFromErrno(ENOSPC, "/tmp/x").code, kDiskFull);
    EXPECT_EQ(errorFromErrno(EDQUOT, "/tmp/x").code, kDiskFull);
    EXPECT_EQ(errorFromErrno(ENOTDIR, "/tmp/x").code, kPathNotFound);
    EXPECT_EQ(errorFromErrno(ENOENT, "/tmp/missing-file").code, kFileNotFound);
    EXPECT_EQ(errorFromErrno(ENOENT, "/no-such-folder-vexa/file").code, kPathNotFound);
    EXPECT_EQ(errorFromErrno(EIO, "/tmp/x"), (FileError{EIO, true}));
    EXPECT_EQ(errorFromErrno(EIO, "/tmp/x").text(), "I/O fel " + std::to_string(EIO));
}

TEST_F(TempFolder, ReadsWholeFilesAndReportsRealFailures)
{
    const std::string bytes("a\r\n\0\xff", 5);
    std::ofstream(path("s.mpr"), std::ios::binary) << bytes;
    EXPECT_EQ(std::get<std::string>(readWholeFile(path("s.mpr"))), bytes);
    EXPECT_EQ(errorCode(readWholeFile(path("missing.mpr"))), kFileNotFound);
    EXPECT_EQ(errorCode(readWholeFile(path("no-folder/s.mpr"))), kPathNotFound);
    EXPECT_EQ(errorCode(readWholeFile(folder_.string())), kAccessDenied);
    EXPECT_EQ(errorCode(readWholeFile(path("s.mpr") + "/below-a-file")), kPathNotFound);
    EXPECT_EQ(errorCode(readWholeFile("")), kPathNotFound);
    EXPECT_EQ(errorCode(readWholeFile("/dev/zero")), kAccessDenied) << "an endless device is refused, not read";
}

// A named pipe or a socket would wait for another program: refused at once, as a device is.
TEST_F(TempFolder, OnlyRegularFilesAreReadOrWrittenAndNothingWaits)
{
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    EXPECT_EQ(errorCode(readWholeFile(path("pipe"))), kAccessDenied);
    EXPECT_EQ(replaceFile(path("pipe"), "x"), FileError{kAccessDenied}) << "a pipe nobody reads";
    const int reader = ::open(path("pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(replaceFile(path("pipe"), "x"), FileError{kAccessDenied}) << "a pipe that is read";
    char got = 0;
    EXPECT_LE(::read(reader, &got, 1), 0) << "nothing was written into it";
    ::close(reader);

    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path("socket").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(errorCode(readWholeFile(path("socket"))), kAccessDenied);
    EXPECT_EQ(replaceFile(path("socket"), "x"), FileError{kAccessDenied});
    ::close(sock);
    EXPECT_TRUE(fs::is_fifo(path("pipe")) && fs::is_socket(path("socket"))) << "neither is replaced";
}

// Anything longer than the limit is refused, a file before it is read.
TEST_F(TempFolder, FilesAndStreamsAreReadUpToALimit)
{
    const FileError tooLarge{EFBIG, true};
    std::ofstream(path("huge.mpr")).close();
    fs::resize_file(path("huge.mpr"), kLargestReadableFile + 1);
    EXPECT_EQ(std::get<FileError>(readWholeFile(path("huge.mpr"))), tooLarge);
    fs::resize_file(path("huge.mpr"), kLargestReadableFile);
    EXPECT_EQ(std::get<std::string>(readWholeFile(path("huge.mpr"))).size(), kLargestReadableFile);

    std::istringstream text("a\r\n\xff");
    EXPECT_EQ(std::get<std::string>(readWholeStream(text)), "a\r\n\xff");
    std::ifstream endless("/dev/zero", std::ios::binary);
    EXPECT_EQ(std::get<FileError>(readWholeStream(endless)), tooLarge);
}

// A stream that fails to read (a folder as standard input) is a file error, not an exception.
TEST_F(TempFolder, AStreamThatCannotBeReadIsAFileError)
{
    std::ifstream folder(folder_);
    ASSERT_TRUE(folder.is_open());
    EXPECT_EQ(std::get<FileError>(readWholeStream(folder)), FileError{kAccessDenied});
}

TEST_F(TempFolder, ReplacesAndCreatesFiles)
{
    ASSERT_EQ(replaceFile(path("new.ini"), "fresh"), std::nullopt);
    EXPECT_EQ(contents(path("new.ini")), "fresh");
    fs::permissions(path("new.ini"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(replaceFile(path("new.ini"), "second"), std::nullopt);
    EXPECT_EQ(contents(path("new.ini")), "second");
    EXPECT_EQ(fs::status(path("new.ini")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(), 1u) << "no temporary file is left behind";
}

// The mode decides, so the rule holds for root too, who may write any file.
TEST_F(TempFolder, AReadOnlyFileIsRefusedAndKeptWhole)
{
    std::ofstream(path("locked.mpr")) << "precious";
    fs::permissions(path("locked.mpr"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_symlink(path("locked.mpr"), path("link.mpr"));
    EXPECT_TRUE(isReadOnlyFile(path("locked.mpr")));
    EXPECT_EQ(replaceFile(path("locked.mpr"), "x"), FileError{kAccessDenied});
    EXPECT_EQ(replaceFile(path("link.mpr"), "x"), FileError{kAccessDenied}) << "through a link too";
    EXPECT_EQ(contents(path("locked.mpr")), "precious");

    fs::permissions(path("locked.mpr"), fs::perms::others_write, fs::perm_options::add);
    EXPECT_FALSE(isReadOnlyFile(path("locked.mpr"))) << "any write bit will do";
    EXPECT_FALSE(isReadOnlyFile(path("missing.mpr")));
    EXPECT_FALSE(isReadOnlyFile(folder_.string()));
}

// A target that does not exist yet is created; the link stays.
TEST_F(TempFolder, SavingThroughALinkReplacesItsTarget)
{
    std::ofstream(path("real.mpr")) << "old";
    fs::create_symlink(path("real.mpr"), path("link.mpr"));
    ASSERT_EQ(replaceFile(path("link.mpr"), "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(path("link.mpr")));
    EXPECT_EQ(contents(path("real.mpr")), "new");

    fs::create_directory(path("sub"));
    fs::create_symlink("../new.mpr", path("sub/dangling.mpr"));
    fs::create_symlink("sub/dangling.mpr", path("chain.mpr"));
    ASSERT_EQ(replaceFile(path("chain.mpr"), "created"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(path("chain.mpr")) && fs::is_symlink(path("sub/dangling.mpr")));
    EXPECT_EQ(contents(path("new.mpr")), "created");

    fs::create_symlink("missing-folder/x.mpr", path("nowhere.mpr"));
    EXPECT_EQ(replaceFile(path("nowhere.mpr"), "x"), FileError{kPathNotFound});
    fs::create_symlink("loop.mpr", path("loop.mpr"));
    EXPECT_EQ(replaceFile(path("loop.mpr"), "x"), FileError{kPathNotFound});
    EXPECT_TRUE(fs::is_symlink(path("nowhere.mpr")) && fs::is_symlink(path("loop.mpr")));
}

TEST_F(TempFolder, FailedReplaceLeavesTheOldFileWhole)
{
    std::ofstream(path("keep.mpr")) << "precious";
    EXPECT_EQ(replaceFile(path("missing-folder/x.mpr"), "x"), FileError{kPathNotFound});
    EXPECT_EQ(replaceFile(folder_.string(), "x"), FileError{kAccessDenied});
    EXPECT_EQ(replaceFile("", "x"), FileError{kPathNotFound});

    EXPECT_EQ(contents(path("keep.mpr")), "precious");
    EXPECT_EQ(entries(), 1u);
}

// A write that fails part-way: the file size limit stops the temporary file's write.
TEST_F(TempFolder, WriteFailingPartWayLeavesTheOldFileWhole)
{
    std::ofstream(path("keep.mpr")) << "precious";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4, 4};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto error = replaceFile(path("keep.mpr"), std::string(100000, 'n'));
        ::_exit(error ? error->code : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), EFBIG) << "an unmapped error keeps its number";
    EXPECT_EQ(contents(path("keep.mpr")), "precious");
    EXPECT_EQ(entries(), 1u) << "the temporary file is removed";
}

namespace {

// Temporary files failing as a folder can make them fail; a folder's mode cannot stop
// root from making them.
int refusedPermission(std::string&) { errno = EACCES; return -1; }
int refusedOperation(std::string&) { errno = EPERM; return -1; }
int readOnlyFileSystem(std::string&) { errno = EROFS; return -1; }
int noSpace(std::string&) { errno = ENOSPC; return -1; }

ino_t inodeOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

TEST_F(TempFolder, FolderRefusingTheTemporaryFileGetsTheFileWrittenInPlace)
{
    std::ofstream(path("s.mpr")) << "an old text that is longer than the new one";
    const ino_t before = inodeOf(path("s.mpr"));
    for (const TemporaryFileMaker refused : {refusedPermission, refusedOperation, readOnlyFileSystem}) {
        ASSERT_EQ(replaceFile(path("s.mpr"), "new", refused), std::nullopt);
        EXPECT_EQ(contents(path("s.mpr")), "new");
        EXPECT_EQ(inodeOf(path("s.mpr")), before) << "written in place, not replaced";
        std::ofstream(path("s.mpr")) << "again longer than the new text";
    }
    EXPECT_EQ(entries(), 1u);

    ASSERT_EQ(replaceFile(path("s.mpr"), "renamed"), std::nullopt);
    EXPECT_NE(inodeOf(path("s.mpr")), before) << "a folder that takes the temporary file gets the file replaced";
}

TEST_F(TempFolder, TemporaryFileFailingOtherwiseIsReportedAndWritesNothing)
{
    std::ofstream(path("s.mpr")) << "precious";
    EXPECT_EQ(replaceFile(path("s.mpr"), "new", noSpace), FileError{kDiskFull});
    EXPECT_EQ(contents(path("s.mpr")), "precious");
    EXPECT_EQ(entries(), 1u);
}

TEST(FullDisk, WritingToAFullDeviceReportsDiskFull)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this machine";
    EXPECT_EQ(replaceFile("/dev/full", std::string(70000, 'x')), FileError{kDiskFull});
    EXPECT_TRUE(fs::is_character_file("/dev/full")) << "the device must never be replaced";
}
