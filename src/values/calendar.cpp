#include "values/calendar.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace tavrik {

namespace {

using std::chrono::day;
using std::chrono::days;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

// 1899-12-30, the day the date values count from.
constexpr sys_days kDateEpoch = sys_days(year(1899) / 12 / 30);

std::optional<CivilDate> ClampDay(long long year, long long month, int day) {
    if (year < 1 || year > 9999) return std::nullopt;
    const int y = static_cast<int>(year);
    const int m = static_cast<int>(month);
    return CivilDate{y, m, std::min(day, DaysInMonth(y, m))};
}

}  // namespace

int DaysInMonth(int year, int month) {
    switch (month) {
        case 2: {
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            return leap ? 29 : 28;
        }
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

std::optional<double> DateValueOf(const CivilDate& date) {
    // std::chrono keeps a month and a day in one byte: month 521 would wrap to
    // September, so the ranges are checked before the fields are built.
    constexpr int kMonthsPerYear = 12;
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > kMonthsPerYear ||
        date.day < 1 || date.day > DaysInMonth(date.year, date.month))
        return std::nullopt;
    const year_month_day ymd{year(date.year), month(static_cast<unsigned>(date.month)),
                             day(static_cast<unsigned>(date.day))};
    return static_cast<double>((sys_days(ymd) - kDateEpoch).count());
}

CivilDate CivilDateOf(double dateValue) {
    const auto count = static_cast<long long>(std::floor(dateValue));
    const year_month_day ymd{kDateEpoch + days(count)};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int IsoWeekday(double dateValue) {
    const auto count = static_cast<long long>(std::floor(dateValue));
    return static_cast<int>(std::chrono::weekday(kDateEpoch + days(count)).iso_encoding());
}

std::optional<CivilDate> AddYears(const CivilDate& date, long long years) {
    return ClampDay(date.year + years, date.month, date.day);
}

std::optional<CivilDate> AddMonths(const CivilDate& date, long long months) {
    const long long index = date.year * 12LL + (date.month - 1) + months;
    const long long y = index >= 0 ? index / 12 : (index - 11) / 12;
    return ClampDay(y, index - y * 12 + 1, date.day);
}

}  // namespace tavrik
