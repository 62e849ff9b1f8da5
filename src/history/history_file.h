// The history file: sections of a header, a mode line and the lines of one
// history list, appended by every write.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "history/history_list.h"
#include "textfile/file_io.h"
#include "values/value_context.h"
#include "values/view.h"

namespace tavrik {

// "yyyy/m/d hh:nn", the date and time of file headers.
std::string TimestampText(const DateTime& time);

// The line without its number prefix: everything up to and including the
// first ":" and the one character after it.
std::string StripLineNumber(std::string_view line);

// Appends one section; false when the file can be neither opened nor created.
bool WriteHistoryFile(const std::filesystem::path& path, CalcMode mode, const HistoryLines& lines,
                      const DateTime& now);

// The largest history file read back: years of calculations, yet a bound for
// a file picked by mistake (a disk image, a sparse file of many gigabytes).
inline constexpr std::size_t kMaxHistoryFileBytes = std::size_t{256} << 20;

// Reads the lines of every section written for `mode`, in file order, handing
// each to `add` until it refuses one. Why nothing was read, when the file
// cannot be used; TooLarge also when its lines do not fit in memory.
// In a file that holds a section header of ours, a last line without its
// line end is the rest of a write cut short and is not read; a file written
// by another tool is read to its last line.
FileFailure ReadHistoryFile(const std::filesystem::path& path, CalcMode mode,
                            const std::function<bool(std::string_view)>& add);

}  // namespace tavrik
