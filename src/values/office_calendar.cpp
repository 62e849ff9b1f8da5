#include "values/office_calendar.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "values/calendar.h"
#include "values/holidays.h"

namespace tavrik {

namespace {

constexpr int kSaturday = 6;

bool IsUserHoliday(const OfficeCalendar& office, int dateValue) {
    return std::binary_search(office.userHolidays.begin(), office.userHolidays.end(), dateValue);
}

std::optional<int> NumberField(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "2024/12/30" → its date value.
std::optional<int> ReadListedDate(std::string_view text) {
    const auto first = text.find('/');
    const auto second = first == text.npos ? text.npos : text.find('/', first + 1);
    if (second == text.npos) return std::nullopt;
    const auto y = NumberField(text.substr(0, first));
    const auto m = NumberField(text.substr(first + 1, second - first - 1));
    const auto d = NumberField(text.substr(second + 1));
    if (!y || !m || !d) return std::nullopt;
    const auto value = DateValueOf({*y, *m, *d});
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

}  // namespace

std::vector<int> ReadHolidayList(std::string_view text) {
    std::vector<int> dates;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find_first_of(", ", start), text.size());
        if (const auto date = ReadListedDate(text.substr(start, end - start)))
            dates.push_back(*date);
        start = end + 1;
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    return dates;
}

std::string HolidayName(const OfficeCalendar& office, double dateValue) {
    const std::string_view national = NationalHolidayName(CivilDateOf(dateValue));
    if (!national.empty()) return std::string(national);
    if (IsUserHoliday(office, static_cast<int>(std::floor(dateValue)))) return "休業日";
    return {};
}

bool IsBusinessDay(const OfficeCalendar& office, double dateValue) {
    if (IsoWeekday(dateValue) >= kSaturday) return false;
    if (!NationalHolidayName(CivilDateOf(dateValue)).empty()) return false;
    return !IsUserHoliday(office, static_cast<int>(std::floor(dateValue)));
}

double ShiftBusinessDays(const OfficeCalendar& office, double dateValue, long long count) {
    const double step = count < 0 ? -1 : 1;
    double day = std::floor(dateValue);
    for (long long left = count < 0 ? -count : count; left > 0;) {
        day += step;
        if (IsBusinessDay(office, day)) --left;
    }
    return day;
}

long long BusinessDaysBetween(const OfficeCalendar& office, double from, double to) {
    if (to < from) return -BusinessDaysBetween(office, to, from);
    long long count = office.firstDayCounted && IsBusinessDay(office, from) ? 1 : 0;
    for (double day = std::floor(from) + 1; day <= to; ++day)
        if (IsBusinessDay(office, day)) ++count;
    return count;
}

long double CountedDayDifference(const OfficeCalendar& office, long double difference) {
    if (!office.firstDayCounted) return difference;
    return difference < 0 ? difference - 1 : difference + 1;
}

}  // namespace tavrik
