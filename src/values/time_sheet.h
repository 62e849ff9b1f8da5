// Time-sheet work in time mode: decimal hours, rounding to a number of
// minutes, and the time between two clock times.
#pragma once

#include <string>
#include <string_view>

#include "values/value_context.h"

namespace tavrik {

// A time text as decimal hours, a plain number ('8時15分' → '8.25'); a bare
// number of hours as a time ('8.25' → '8時15分0秒'), to the millisecond, in
// the largest units. `unitLevel` follows the text shown.
std::string ToggleDecimalHours(const ValueContext& ctx, int& unitLevel, std::string_view text);

enum class TimeRounding { Up, Down, Nearest };

// A time text rounded to a whole multiple of `minutes`: up (切り上げ), down
// (切り捨て) or to the nearest, a half away from zero (四捨五入). A bare
// number is no time and comes back unchanged.
std::string RoundTime(const ValueContext& ctx, int& unitLevel, std::string_view text, int minutes,
                      TimeRounding rounding);

// The time from clock time `from` to clock time `to`, across midnight when
// `to` is the earlier ('22時' to '6時' → '8時0分0秒'). Both must be times of
// one day (0時 … 24時); anything else is a logic error that yields `to`.
std::string ClockDifference(const ValueContext& ctx, int& unitLevel, std::string_view from,
                            std::string_view to);

}  // namespace tavrik
