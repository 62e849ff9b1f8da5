// Whole-file reading and crash-safe replacement of a file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

// The file's bytes; nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes the bytes to a temporary file in the same folder, flushes it to disk
// and renames it over `path`, so the file is at every moment either the old
// one or the new one. False, with the old file untouched, on any failure.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tavrik
