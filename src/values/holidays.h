// Japan's national holidays by the law's rules: the named holidays from the
// law's start on 1948-07-20, the substitute holiday (振替休日) from
// 1973-04-12, the day between two holidays (国民の休日) from 1985-12-27, and
// the one-off holidays of past years. Equinox days follow the usual formula,
// which the observatory's published days agree with; years after
// kLastHolidayYear have no holidays.
#pragma once

#include <string_view>

#include "values/calendar.h"

namespace tavrik {

inline constexpr int kFirstHolidayYear = 1948;
inline constexpr int kLastHolidayYear = 2150;

// The holiday's name ("元日", "振替休日", "国民の休日" …); empty on other days.
std::string_view NationalHolidayName(const CivilDate& date);

}  // namespace tavrik
