#include "settings/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <system_error>
#include <utility>

namespace tavrik {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kNewFileMode = 0644;
constexpr mode_t kAnyWriteBit = 0222;
constexpr std::size_t kReadBlock = 1 << 16;
// As many links as the system itself follows in one path.
constexpr int kMaxLinks = 40;

// Temporary files are "<name>.tavrik-save-XXXXXX", so that one left behind
// by a killed save is recognised as ours and nothing else is.
constexpr std::string_view kTempMarker = ".tavrik-save-";
constexpr std::string_view kTempPattern = "XXXXXX";
// A temporary file this old belongs to no save still running.
constexpr auto kStaleTempAge = std::chrono::minutes(1);

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SyncFolder(const fs::path& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// The file a chain of symbolic links ends at (possibly not existing yet).
fs::path FollowLinks(fs::path path) {
    std::error_code error;
    for (int i = 0; i < kMaxLinks && fs::is_symlink(path, error); ++i) {
        const fs::path target = fs::read_symlink(path, error);
        if (error) break;
        path = target.is_absolute() ? target : FolderOf(path) / target;
    }
    return path;
}

// The permissions the new file gets: those of the regular, writable file it
// replaces, or the usual ones for a new file. Nothing when the file must not
// be replaced. Read-only means without any write permission, so that even
// a user whom the system lets write everything keeps a file marked read-only.
std::optional<mode_t> ReplaceableMode(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return kNewFileMode;
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) return std::nullopt;
    if ((info.st_mode & kAnyWriteBit) == 0 || ::access(path.c_str(), W_OK) != 0)
        return std::nullopt;
    return info.st_mode & 07777;
}

bool IsOurStaleTemp(const fs::directory_entry& entry, std::string_view prefix) {
    const std::string name = entry.path().filename().string();
    if (name.size() != prefix.size() + kTempPattern.size() || !name.starts_with(prefix))
        return false;
    std::error_code error;
    if (!entry.is_regular_file(error) || entry.is_symlink(error)) return false;
    const auto written = entry.last_write_time(error);
    return !error && fs::file_time_type::clock::now() - written > kStaleTempAge;
}

void RemoveStaleTemps(const fs::path& target) {
    const std::string prefix = target.filename().string() + std::string(kTempMarker);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(FolderOf(target), error)) {
        if (IsOurStaleTemp(entry, prefix)) fs::remove(entry.path(), error);
    }
}

// The bytes in a new temporary file beside `target`, flushed to disk, with
// the given permissions; its path, or nothing (and no file) on failure.
std::optional<std::string> WriteTemp(const fs::path& target, std::string_view bytes, mode_t mode) {
    std::string temp = (FolderOf(target) / (target.filename().string() + std::string(kTempMarker) +
                                            std::string(kTempPattern)))
                           .string();
    FileDescriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    const bool written =
        ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    if (!fd.close() || !written) {
        ::unlink(temp.c_str());
        return std::nullopt;
    }
    return temp;
}

// Moves the temporary file to `target` unless `target` exists.
bool MoveWithoutReplacing(const std::string& temp, const fs::path& target) {
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // File systems without that rename still make hard links atomically.
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::link(temp.c_str(), target.c_str()) != 0) return false;
    ::unlink(temp.c_str());
    return true;
}

}  // namespace

std::string_view ReadFailureMessage(FileFailure failure) {
    switch (failure) {
        case FileFailure::NotRegularFile:
            return "ファイルが開けませんでした（通常のファイルではありません）";
        case FileFailure::TooLarge:
            return "ファイルが開けませんでした（ファイルが大きすぎます）";
        case FileFailure::NotConverted:
            return "ファイルが開けませんでした（文字コードが変換できません）";
        default:
            return "ファイルが開けませんでした";
    }
}

std::string_view WriteFailureMessage(FileFailure failure) {
    if (failure == FileFailure::NotRegularFile)
        return "ファイルが作成できませんでした（通常のファイルではありません）";
    return "ファイルが作成できませんでした";
}

FileRead ReadFile(const fs::path& path, std::size_t maxBytes) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) return {{}, FileFailure::CannotOpen};
    if (!S_ISREG(info.st_mode)) return {{}, FileFailure::NotRegularFile};
    const auto reported = static_cast<std::size_t>(info.st_size);
    if (reported > maxBytes) return {{}, FileFailure::TooLarge};

    // Room for the size the file has now; a file that grows meanwhile is read
    // on in blocks, up to one byte past the limit to tell that it is passed.
    FileRead read;
    std::size_t size = 0;
    std::size_t want = reported + 1;
    for (;;) {
        if (maxBytes - size < want) want = maxBytes - size + 1;
        read.bytes.resize(size + want);
        const ssize_t got = ::read(fd.get(), read.bytes.data() + size, want);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {{}, FileFailure::CannotOpen};
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
        if (size > maxBytes) return {{}, FileFailure::TooLarge};
        want = std::max(kReadBlock, size);
    }
    read.bytes.resize(size);
    return read;
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path target = FollowLinks(path);
    const std::optional<mode_t> mode = ReplaceableMode(target);
    if (!mode) return false;
    RemoveStaleTemps(target);
    const std::optional<std::string> temp = WriteTemp(target, bytes, *mode);
    if (!temp) return false;
    if (::rename(temp->c_str(), target.c_str()) != 0) {
        ::unlink(temp->c_str());
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

bool CreateFileAtomically(const fs::path& path, std::string_view bytes) {
    RemoveStaleTemps(path);
    const std::optional<std::string> temp = WriteTemp(path, bytes, kNewFileMode);
    if (!temp) return false;
    if (!MoveWithoutReplacing(*temp, path)) {
        ::unlink(temp->c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

}  // namespace tavrik
