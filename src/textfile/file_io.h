// Whole-file reading and crash-safe replacement of a file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>

namespace tavrik {

// Why a file could not be used.
enum class FileFailure {
    None,
    CannotOpen,      // missing, not permitted, or an input/output error
    NotRegularFile,  // a folder, FIFO, device or socket
    TooLarge,
    ReadOnly,
    NotConverted,  // the Shift-JIS conversion failed
};

// The message box text for a file that could not be read: the usual
// "ファイルが開けませんでした", or the reason when the user can act on it.
std::string_view ReadFailureMessage(FileFailure failure);

// The same for a file that could not be created or written:
// "ファイルが作成できませんでした", with the reason when the user can act on it.
std::string_view WriteFailureMessage(FileFailure failure);

struct FileRead {
    std::string bytes;
    FileFailure failure = FileFailure::None;

    bool ok() const { return failure == FileFailure::None; }
};

inline constexpr std::size_t kNoSizeLimit = std::numeric_limits<std::size_t>::max();

// The bytes of a regular file of at most `maxBytes` bytes. Anything else
// (a FIFO, a device) is refused without waiting for a writer or reading from
// it, and reading stops as soon as the file proves longer than `maxBytes`.
FileRead ReadFile(const std::filesystem::path& path, std::size_t maxBytes = kNoSizeLimit);

// Writes the bytes to a temporary file in the same folder, flushes it to disk
// and renames it over `path`, so the file is at every moment either the old
// one or the new one. The temporary file has no name until its data is
// complete where the file system allows it; elsewhere it is locked while it
// is written, and one left unlocked by a killed save is removed by the next.
// The new file keeps the permissions of the file it replaces and, where this
// process may set them, its owner and group. A symbolic link is followed: its
// target is replaced and the link kept. False, with the old file untouched,
// on any failure, including a target that is read-only or not a regular file.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The same for a file that must not exist yet: false, leaving an existing file
// as it is, when it does. Never leaves a partly written file at `path`. The
// new file gets the permissions the umask leaves, as any new file does.
bool CreateFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tavrik
