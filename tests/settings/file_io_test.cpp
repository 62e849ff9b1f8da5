#include "settings/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
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

TEST_F(FileIoTest, StaleTemporaryFilesOfAKilledSaveAreRemovedAtTheNextSave) {
    const fs::path stale = folder_ / "Tavrik.ini.tavrik-save-a1B2c3";
    const fs::path recent = folder_ / "Tavrik.ini.tavrik-save-d4E5f6";
    const fs::path foreign = folder_ / "Tavrik.ini.tavrik-save-notours";
    for (const fs::path& path : {stale, recent, foreign}) WriteBytes(path, "partial");
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(stale, longAgo);
    fs::last_write_time(foreign, longAgo);

    ASSERT_TRUE(WriteFileAtomically(folder_ / "Tavrik.ini", "saved"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(recent)) << "may belong to a save still running";
    EXPECT_TRUE(fs::exists(foreign)) << "not named as ours";
}

TEST_F(FileIoTest, CreatingNeverOverwritesNorLeavesAPartialFile) {
    const fs::path path = folder_ / "Tavrik.ini";
    {
        const testing::FileSizeLimit full(4);
        EXPECT_FALSE(CreateFileAtomically(path, "longer than the disk holds"));
    }
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 0);

    ASSERT_TRUE(CreateFileAtomically(path, "first"));
    EXPECT_FALSE(CreateFileAtomically(path, "second"));
    EXPECT_EQ(Bytes(path), "first");
}

}  // namespace
}  // namespace tavrik
