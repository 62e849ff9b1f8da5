// Unit texts of time and date mode ('1日2時3分4.5秒', '2年3月10日', 'c 2024年5月3日').
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "values/value_context.h"

namespace tavrik {

// Unit characters by slot 1..6.
inline constexpr std::array<std::string_view, 7> kUnitChars = {"",   "年", "月", "日",
                                                               "時", "分", "秒"};
// Weekday texts indexed by ISO weekday 1 (Monday) … 7 (Sunday); element 0 unused.
inline constexpr std::array<std::string_view, 8> kDayNames = {"",     "(月)", "(火)", "(水)",
                                                              "(木)", "(金)", "(土)", "(日)"};

struct UnitSplit {
    UnitParts parts;
    bool hasUnits = false;  // at least one unit part was found
};

// The parts of a unit text. With keepUnits the slots hold the number followed
// by its unit ('5月'), else the number alone and "0" in the empty slots. In
// strict form a bare number after unit parts is reported ("入力値形式エラー"),
// and the split goes on.
UnitSplit SplitUnitText(const ValueContext& ctx, std::string_view text, bool keepUnits,
                        bool strict);

}  // namespace tavrik
