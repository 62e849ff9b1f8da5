#include "textfile/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "textfile/cp932.h"
#include "textfile/file_modes.h"

namespace tavrik {
namespace {

bool IsRegular(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

bool AppendFile::open(const std::filesystem::path& path) {
    file_.reset();
    failure_ = FileFailure::None;
    // Only a regular file: a FIFO would take the lines away, or make the open
    // wait for a reader (O_NONBLOCK prevents that wait). A file marked
    // read-only stays unchanged even for a user whom the system lets write
    // anything, as the whole-file saves keep it.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            failure_ = FileFailure::NotRegularFile;
        else if ((info.st_mode & kAnyWriteBit) == 0)
            failure_ = FileFailure::ReadOnly;
        if (failure_ != FileFailure::None) return false;
    }
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, kNewFileMode);
    if (fd < 0 || !IsRegular(fd) || ::fcntl(fd, F_SETFL, O_APPEND) != 0) {
        failure_ = fd < 0 ? FileFailure::CannotOpen : FileFailure::NotRegularFile;
        if (fd >= 0) ::close(fd);
        return false;
    }
    file_.reset(::fdopen(fd, "ab"));
    if (!file_) {
        ::close(fd);
        failure_ = FileFailure::CannotOpen;
    }
    return isOpen();
}

void AppendFile::addLine(std::string_view utf8) {
    pending_ += utf8;
    pending_ += "\r\n";
}

bool AppendFile::write() {
    bytes_.clear();
    const bool encoded = encoder_.append(pending_, bytes_);
    pending_.clear();
    if (!file_ || !encoded) return false;
    const bool written = std::fwrite(bytes_.data(), 1, bytes_.size(), file_.get()) == bytes_.size();
    return std::fflush(file_.get()) == 0 && written;
}

}  // namespace tavrik
