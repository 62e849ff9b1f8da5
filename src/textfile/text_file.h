// Text files of the history and the log: Shift-JIS with CR LF on disk, UTF-8
// in the program.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "textfile/cp932.h"
#include "textfile/file_io.h"

namespace tavrik {

// A file opened for appending (created when missing). Lines are gathered,
// then encoded and handed to the system together by one write.
class AppendFile {
  public:
    // False when the file can be neither opened for appending nor created, is
    // not a regular file, or is marked read-only (no write permission for
    // anyone); openFailure() then tells which.
    bool open(const std::filesystem::path& path);
    FileFailure openFailure() const { return failure_; }
    bool isOpen() const { return file_ != nullptr; }
    // Adds the line and a CR LF to the text of the next write.
    void addLine(std::string_view utf8);
    // The size of the text added since the last write.
    std::size_t pendingSize() const { return pending_.size(); }
    // Encodes the lines added since the last write and hands them to the
    // system at once, so that a crash loses nothing written so far. False
    // when the write failed; the lines are dropped either way.
    bool write();
    bool writeLine(std::string_view utf8) {
        addLine(utf8);
        return write();
    }
    void close() { file_.reset(); }

  private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    FileFailure failure_ = FileFailure::None;
    cp932::Encoder encoder_;
    std::string pending_;  // UTF-8 lines, each ending with CR LF
    std::string bytes_;    // their Shift-JIS form, kept to reuse its memory
};

}  // namespace tavrik
