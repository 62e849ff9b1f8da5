// Business days and the first-day rule of day counts: the office options of
// date mode and the calendar arithmetic they enable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

struct OfficeCalendar {
    // "営業日計算": a bare number added to or taken from a date counts
    // business days, a date divided by a date gives the business days between
    // them, and the date's information line names a holiday.
    bool businessDays = false;
    // "初日算入": a count of days includes the first day.
    bool firstDayCounted = false;
    // "元年": the first year of an era is written 元年 ('令和元').
    bool firstYearGannen = false;
    std::vector<int> userHolidays;  // date values of the user's own days off, sorted

    bool operator==(const OfficeCalendar&) const = default;
};

// The user's days off from a settings text: dates "2024/12/30" separated by
// commas or spaces; entries that are no valid date are skipped.
std::vector<int> ReadHolidayList(std::string_view text);

// The holiday's name on a date value: a national holiday's name, or "休業日"
// for one of the user's days; empty on other days.
std::string HolidayName(const OfficeCalendar& office, double dateValue);

// Not a Saturday, Sunday, national holiday or user's day off.
bool IsBusinessDay(const OfficeCalendar& office, double dateValue);

// The date value `count` business days after (before, when negative) a date;
// zero keeps the date.
double ShiftBusinessDays(const OfficeCalendar& office, double dateValue, long long count);

// Business days after `from` up to and including `to`, negative when `to`
// lies before `from`; with the first day counted, `from` counts too.
long long BusinessDaysBetween(const OfficeCalendar& office, double from, double to);

// A day difference with the first day counted when the option asks for it.
long double CountedDayDifference(const OfficeCalendar& office, long double difference);

}  // namespace tavrik
