#include "textfile/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/file_size_limit.h"

namespace tavrik {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::path(::testing::TempDir()) / "tavrik_file_io" / info->name();
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST_F(FileIoTest, ReadsRegularFilesOnlyAndWithinTheLimit) {
    const fs::path fifo = folder_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadFile(fifo).failure, FileFailure::NotRegularFile)
        << "without waiting for a writer";
    EXPECT_EQ(ReadFile("/dev/zero", 1 << 20).failure, FileFailure::NotRegularFile);
    EXPECT_EQ(ReadFile(folder_).failure, FileFailure::NotRegularFile);
    EXPECT_EQ(ReadFile(folder_ / "missing").failure, FileFailure::CannotOpen);

    WriteBytes(folder_ / "five", "12345");
    EXPECT_EQ(ReadFile(folder_ / "five", 5).bytes, "12345");
    EXPECT_EQ(ReadFile(folder_ / "five", 4).failure, FileFailure::TooLarge);
}

TEST_F(FileIoTest, SaveThroughASymbolicLinkReplacesItsTarget) {
    fs::create_directories(folder_ / "real");
    WriteBytes(folder_ / "real" / "target.ini", "old");
    fs::create_symlink("real/target.ini", folder_ / "link.ini");

    ASSERT_TRUE(WriteFileAtomically(folder_ / "link.ini", "new"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.ini"));
    EXPECT_EQ(Bytes(folder_ / "real" / "target.ini"), "new");
}

// Refused even for a user whom the system lets write anything.
TEST_F(FileIoTest, ReadOnlyAndSpecialFilesAreNotReplaced) {
    const fs::path readOnly = folder_ / "read-only.ini";
    WriteBytes(readOnly, "kept");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(WriteFileAtomically(readOnly, "new"));
    EXPECT_EQ(Bytes(readOnly), "kept");

    const fs::path fifo = folder_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(WriteFileAtomically(fifo, "new"));
    EXPECT_TRUE(fs::is_fifo(fifo));
}

std::size_t EntryCount(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

mode_t Mode(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// A temporary file is ours to remove once no writer holds its lock, however
// recent it is; one still locked belongs to a save that is running.
TEST_F(FileIoTest, TemporaryFilesOfAKilledSaveAreRemovedAtTheNextSave) {
    const fs::path left = folder_ / "Tavrik.ini.tavrik-save-a1B2c3";
    const fs::path writing = folder_ / "Tavrik.ini.tavrik-save-d4E5f6";
    const fs::path foreign = folder_ / "Tavrik.ini.tavrik-save-notours";
    for (const fs::path& path : {left, writing, foreign}) WriteBytes(path, "partial");
    const int held = ::open(writing.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(WriteFileAtomically(folder_ / "Tavrik.ini", "saved"));
    ::close(held);
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(writing)) << "its save is still running";
    EXPECT_TRUE(fs::exists(foreign)) << "not named as ours";
}

// The file size limit kills the saving process in the middle of its write,
// as a kill would: the old file stays, and no temporary file outlives the
// next save.
TEST_F(FileIoTest, ASaveKilledMidWayLeavesNoTemporaryFileBehind) {
    const fs::path path = folder_ / "Tavrik.ini";
    WriteBytes(path, "old");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit noCore{0, 0};
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        std::signal(SIGXFSZ, SIG_DFL);
        WriteFileAtomically(path, std::string(1 << 20, 'x'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(Bytes(path), "old");

    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(EntryCount(folder_), 1u);
}

TEST_F(FileIoTest, NewFilesFollowTheUmaskAndReplacedFilesKeepModeAndOwner) {
    const mode_t previous = ::umask(077);
    const bool created = CreateFileAtomically(folder_ / "created", "x");
    ::umask(previous);
    ASSERT_TRUE(created);
    EXPECT_EQ(Mode(folder_ / "created"), 0600u);

    const fs::path kept = folder_ / "kept";
    WriteBytes(kept, "old");
    ASSERT_EQ(::chmod(kept.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(kept, "new"));
    EXPECT_EQ(Mode(kept), 0640u);

    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(::chown(kept.c_str(), kNobody, kNobody), 0);
    ASSERT_TRUE(WriteFileAtomically(kept, "newer"));
    struct stat info {};
    ASSERT_EQ(::stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kNobody) << "root saving the file does not take it over";
    EXPECT_EQ(info.st_gid, kNobody);
}

TEST_F(FileIoTest, CreatingNeverOverwritesNorLeavesAPartialFile) {
    const fs::path path = folder_ / "Tavrik.ini";
    {
        const testing::FileSizeLimit full(4);
        EXPECT_FALSE(CreateFileAtomically(path, "longer than the disk holds"));
    }
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(EntryCount(folder_), 0u);

    ASSERT_TRUE(CreateFileAtomically(path, "first"));
    EXPECT_FALSE(CreateFileAtomically(path, "second"));
    EXPECT_EQ(Bytes(path), "first");
}

}  // namespace
}  // namespace tavrik
