// The time-sheet keys of time mode: their labels in the status bar, the
// history, the log and the settings dialog's key page.
#pragma once

#include <array>
#include <string_view>

#include "settings/key_codes.h"

namespace tavrik {

inline constexpr std::array<std::string_view, kRoundNearest30 - kDecimalHours + 1>
    kTimeSheetKeyLabels{"時間数",       "時刻差",       "15分切り上げ", "15分切り捨て",
                        "15分四捨五入", "30分切り上げ", "30分切り捨て", "30分四捨五入"};

// The label of a time-sheet key; empty for any other code.
constexpr std::string_view TimeSheetKeyLabel(int code) {
    return IsTimeSheetCode(code)
               ? kTimeSheetKeyLabels[static_cast<std::size_t>(code - kDecimalHours)]
               : std::string_view();
}

}  // namespace tavrik
