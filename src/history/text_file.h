// Text files of the history and the log: Shift-JIS with CR LF on disk, UTF-8
// in the program.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_io.h"

namespace tavrik {

// A file opened for appending (created when missing), written line by line.
class AppendFile {
  public:
    // False when the file can be neither opened for appending nor created, or
    // is not a regular file; openFailure() then tells which.
    bool open(const std::filesystem::path& path);
    FileFailure openFailure() const { return failure_; }
    bool isOpen() const { return file_ != nullptr; }
    // Writes the line and a CR LF and hands it to the system at once, so that
    // a crash loses nothing written so far. False when the write failed.
    bool writeLine(std::string_view utf8);
    void close() { file_.reset(); }

  private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    FileFailure failure_ = FileFailure::None;
};

// The lines of a whole text file read as Shift-JIS; CR LF and LF both end a
// line, bytes that are not Shift-JIS become replacement characters. Nothing
// when the conversion fails.
std::optional<std::vector<std::string>> SplitTextLines(std::string_view bytes);

}  // namespace tavrik
