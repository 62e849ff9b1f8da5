// The history lists and memory registers kept across a restart: the state
// file's text, reading it back strictly, and where the file lives.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

struct KeptState {
    std::array<std::vector<std::string>, 4> lists;  // in the mode order D, H, T, C
    std::array<int, 4> counters{};                  // each list's line counter
    std::array<std::string, 4> memory{"0", "0", "0", "0"};
    int currentMemory = 0;
};

// A list keeps at most this many lines when the set sets no smaller limit.
inline constexpr std::size_t kMaxKeptLines = 9999;

// $XDG_STATE_HOME/tavrik/state.txt, ~/.local/state/tavrik/state.txt when the
// variable is unset or not an absolute path. Empty when neither names an
// absolute folder: a relative one would put the file wherever the program
// happens to be started.
std::filesystem::path KeptStateFile();

// The file's text: a version line, the registers, each list with its counter
// and line count, and an end line, so that a torn file is seen as one.
std::string KeptStateText(const KeptState& state);

struct KeptStateRead {
    std::optional<KeptState> state;
    std::string problem;  // the message for a file that was refused; empty otherwise
};

// Reads a whole state text; anything but a complete file of this version is
// refused whole, with the reason.
KeptStateRead ParseKeptState(std::string_view text);

// Written in Shift-JIS by the atomic save of the settings file, the folder
// created first. False when it could not be written or the path is empty.
bool SaveKeptState(const std::filesystem::path& file, const KeptState& state);
// A missing file gives neither a state nor a problem; an empty path (no
// place for the file) gives the problem that says so.
KeptStateRead LoadKeptState(const std::filesystem::path& file);
// Renames a refused file to FILE.bad, replacing an older one, so that the
// next save cannot overwrite what may still be recovered by hand. The
// sentence that says so for the message box; empty when there is no file.
std::string SetAsideKeptState(const std::filesystem::path& file);
// Removes the file; true when none is left.
bool DeleteKeptState(const std::filesystem::path& file);

}  // namespace tavrik
