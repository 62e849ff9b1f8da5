// The history file: sections of a header, a mode line and the lines of one
// history list, appended by every write.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "settings/file_io.h"
#include "history/history_list.h"
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

// Reads the lines of every section written for `mode`, in file order, handing
// each to `add` until it refuses one. Why nothing was read, when the file
// cannot be used.
FileFailure ReadHistoryFile(const std::filesystem::path& path, CalcMode mode,
                            const std::function<bool(std::string_view)>& add);

}  // namespace tavrik
