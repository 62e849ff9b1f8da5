// Calendar dates as date values: days since 1899-12-30 00:00 (1900-01-01 is 2).
#pragma once

#include <optional>

namespace tavrik {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// 28–31; any month number outside 4, 6, 9, 11 and 2 has 31 days.
int DaysInMonth(int year, int month);

// The date value of a valid date with a year from 1 to 9999; nothing otherwise.
std::optional<double> DateValueOf(const CivilDate& date);

// The calendar date of a date value (its whole day).
CivilDate CivilDateOf(double dateValue);

// Monday = 1 … Sunday = 7.
int IsoWeekday(double dateValue);

// Moves by whole years or months; a day the target month lacks becomes its
// last day. Nothing when the year leaves 1…9999.
std::optional<CivilDate> AddYears(const CivilDate& date, long long years);
std::optional<CivilDate> AddMonths(const CivilDate& date, long long months);

}  // namespace tavrik
