// Calendar-date texts of date mode: 'c 2024年5月3日(金)'.
#pragma once

#include <string>
#include <string_view>

#include "values/calc_value.h"
#include "values/value_context.h"

namespace tavrik {

// The date value of a calendar-date text (a weekday text is ignored); the
// integer −1, without a message, when it is no valid date.
CalcValue ReadCalendarText(const ValueContext& ctx, std::string_view text);

// 'c 2024年3月5日' for a date value; a conversion failure outside the years 1…9999.
std::string DateValueText(double dateValue);

// The unit parts of `text` in the order 年 月 日 時 分 秒, without a trailing
// bare zero; a text ending in another bare number comes back unchanged. In
// date mode with `complete`, a missing year, month or day is taken from
// today, a day beyond the month's end becomes its last day, the weekday is
// appended and the information line (Western year, era, weekday, moon age)
// is shown; a date that is still invalid fails with a conversion failure.
std::string CompleteDateText(const ValueContext& ctx, std::string_view text, bool complete);

}  // namespace tavrik
