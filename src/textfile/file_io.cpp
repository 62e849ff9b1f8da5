#include "textfile/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "textfile/file_modes.h"

namespace tavrik {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kReadBlock = 1 << 16;
// As many links as the system itself follows in one path.
constexpr int kMaxLinks = 40;

// Named temporary files are "<name>.tavrik-save-" and six random letters or
// digits, so that one left behind by a killed save is recognised as ours and
// nothing else is.
constexpr std::string_view kTempMarker = ".tavrik-save-";
constexpr std::size_t kTempSuffixLength = 6;

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }

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

// What a save finds at its target: nothing (a new file), or the regular,
// writable file it replaces, whose permissions and owner the new file keeps.
// Read-only means without any write permission, so that even a user whom
// the system lets write everything keeps a file marked read-only.
struct SaveTarget {
    bool replaceable = false;
    std::optional<struct stat> existing;
};

SaveTarget InspectTarget(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {errno == ENOENT, std::nullopt};
    const bool writable = S_ISREG(info.st_mode) && (info.st_mode & kAnyWriteBit) != 0 &&
                          ::access(path.c_str(), W_OK) == 0;
    return {writable, info};
}

// A name "<target name>.tavrik-save-" and six random letters or digits.
std::string TempName(const fs::path& target) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string name = target.string() + std::string(kTempMarker);
    for (std::size_t i = 0; i < kTempSuffixLength; ++i) name += kLetters[pick(random)];
    return name;
}

// A file being written beside the target, locked with flock() for as long as
// this process holds it: a save that finds one of ours unlocked knows that
// its writer is gone. Unnamed (O_TMPFILE) where the file system has them,
// so that a save killed before the data is complete leaves nothing behind.
// New files get 0666 less the umask, as any program's new files do.
class TempFile {
  public:
    explicit TempFile(const fs::path& target) : target_(target) {
        // The lock is taken before the file has a name; where the file
        // system has no locks the save goes on without one.
        if (::access(kOwnFileDescriptors, X_OK) == 0) {
            fd_ = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
            if (fd_ >= 0) {
                ::flock(fd_, LOCK_EX);
                return;
            }
        }
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            name_ = TempName(target);
            fd_ = ::open(name_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC,
                         kNewFileMode);
            if (fd_ < 0) {
                if (errno == EEXIST) continue;
                break;
            }
            ::flock(fd_, LOCK_EX);
            // A save that found the file before it was locked removed it: take another name.
            struct stat info {};
            if (::fstat(fd_, &info) == 0 && info.st_nlink > 0) return;
            closeFile();
        }
        name_.clear();
    }
    ~TempFile() {
        if (!name_.empty()) ::unlink(name_.c_str());
        closeFile();
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool ok() const { return fd_ >= 0; }

    // Writes the bytes and flushes them to disk; the file keeps the owner
    // (where this process may set it) and the permissions of `existing`.
    bool write(std::string_view bytes, const std::optional<struct stat>& existing) {
        if (existing) {
            // Before the permissions: a change of owner clears set-user-ID bits.
            struct stat own {};
            if (::fstat(fd_, &own) == 0 &&
                (own.st_uid != existing->st_uid || own.st_gid != existing->st_gid) &&
                ::fchown(fd_, existing->st_uid, existing->st_gid) != 0)
                ::fchown(fd_, static_cast<uid_t>(-1), existing->st_gid);
            if (::fchmod(fd_, existing->st_mode & 07777) != 0) return false;
        }
        return WriteAll(fd_, bytes) && ::fsync(fd_) == 0;
    }

    // Gives the complete file the name `path`, which must not exist yet.
    bool linkAs(const fs::path& path) {
        if (!name_.empty()) return MoveWithoutReplacing(name_, path) && forgetName();
        const std::string self = std::string(kOwnFileDescriptors) + "/" + std::to_string(fd_);
        return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
    }

    // Puts the complete file in place of `target`, replacing it.
    bool replace() {
        for (int attempt = 0; attempt < kNameAttempts && name_.empty(); ++attempt) {
            const std::string name = TempName(target_);
            if (linkAs(name)) name_ = name;
        }
        return !name_.empty() && ::rename(name_.c_str(), target_.c_str()) == 0 && forgetName();
    }

  private:
    static constexpr const char* kOwnFileDescriptors = "/proc/self/fd";
    static constexpr int kNameAttempts = 8;

    static bool MoveWithoutReplacing(const std::string& temp, const fs::path& target) {
        if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        // File systems without that rename still make hard links atomically.
        if (errno != EINVAL && errno != ENOSYS) return false;
        if (::link(temp.c_str(), target.c_str()) != 0) return false;
        ::unlink(temp.c_str());
        return true;
    }

    bool forgetName() {
        name_.clear();
        return true;
    }
    void closeFile() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    fs::path target_;
    int fd_ = -1;
    std::string name_;  // empty while the file has no name of its own
};

// Ours when named as our temporary files are; stale when no writer holds its
// lock. It is removed while locked, so that a writer that opened it just
// before sees that it is gone.
void RemoveIfStale(const fs::directory_entry& entry, std::string_view prefix) {
    const std::string name = entry.path().filename().string();
    if (name.size() != prefix.size() + kTempSuffixLength || !name.starts_with(prefix)) return;
    const FileDescriptor fd(
        ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) ::unlink(entry.path().c_str());
}

void RemoveStaleTemps(const fs::path& target) {
    const std::string prefix = target.filename().string() + std::string(kTempMarker);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(FolderOf(target), error))
        RemoveIfStale(entry, prefix);
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

    // Room for the size the file has now and one byte more, in which the end
    // of the file is read; a file that grows meanwhile is read on in blocks,
    // up to one byte past the limit to tell that it is passed.
    FileRead read;
    read.bytes.resize(reported + 1);
    std::size_t size = 0;
    for (;;) {
        if (size == read.bytes.size())
            read.bytes.resize(size + std::min(std::max(kReadBlock, size), maxBytes - size + 1));
        const ssize_t got = ::read(fd.get(), read.bytes.data() + size, read.bytes.size() - size);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {{}, FileFailure::CannotOpen};
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
        if (size > maxBytes) return {{}, FileFailure::TooLarge};
    }
    read.bytes.resize(size);
    return read;
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path target = FollowLinks(path);
    const SaveTarget found = InspectTarget(target);
    if (!found.replaceable) return false;
    RemoveStaleTemps(target);
    TempFile temp(target);
    if (!temp.ok() || !temp.write(bytes, found.existing) || !temp.replace()) return false;
    SyncFolder(FolderOf(target));
    return true;
}

bool CreateFileAtomically(const fs::path& path, std::string_view bytes) {
    RemoveStaleTemps(path);
    TempFile temp(path);
    if (!temp.ok() || !temp.write(bytes, std::nullopt) || !temp.linkAs(path)) return false;
    SyncFolder(FolderOf(path));
    return true;
}

}  // namespace tavrik
