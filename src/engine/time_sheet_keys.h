// The time-sheet keys of time mode: their labels in the status bar, the
// history, the log and the settings dialog's key page.
#pragma once

#include <string_view>

namespace tavrik {

// The label of a time-sheet key (kDecimalHours … kRoundNearest30); empty for
// any other code.
std::string_view TimeSheetKeyLabel(int code);

}  // namespace tavrik
