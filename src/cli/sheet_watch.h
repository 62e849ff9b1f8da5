// tavrik-cli --sheet FILE --watch: the answered sheet printed again each time
// the file changes, until the end of the input or Ctrl+C.
#pragma once

#include <filesystem>
#include <ostream>

#include "formula/formula_sheet.h"
#include "values/view.h"

namespace tavrik::cli {

// Prints the answered sheet, then again after every change of the file (its
// folder is watched, so that a save by renaming counts too). An unreadable
// moment is reported and watched past. Ends at the end of the input read
// from `inputFd` (never, when that descriptor is closed); the exit status.
// A symbolic link is watched in its own folder and in its target's.
int WatchSheetFile(FormulaSheet& sheet, std::ostream& out, const std::filesystem::path& path,
                   int inputFd);

}  // namespace tavrik::cli
