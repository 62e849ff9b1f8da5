#include "values/holidays.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <vector>

namespace tavrik {

namespace {

// A holiday on a fixed day from one year to another, both included.
struct FixedHoliday {
    int from, to, month, day;
    std::string_view name;
};

// A holiday on the nth Monday of a month ("Happy Monday").
struct MondayHoliday {
    int from, to, month, nth;
    std::string_view name;
};

// A holiday of one year only: the one-off days and the Olympic moves.
struct OneOffHoliday {
    int year, month, day;
    std::string_view name;
};

constexpr int kOpen = 9999;

constexpr std::array kFixedHolidays = {
    FixedHoliday{1949, kOpen, 1, 1, "元日"},
    FixedHoliday{1949, 1999, 1, 15, "成人の日"},
    FixedHoliday{1967, kOpen, 2, 11, "建国記念の日"},
    FixedHoliday{2020, kOpen, 2, 23, "天皇誕生日"},
    FixedHoliday{1949, 1988, 4, 29, "天皇誕生日"},
    FixedHoliday{1989, 2006, 4, 29, "みどりの日"},
    FixedHoliday{2007, kOpen, 4, 29, "昭和の日"},
    FixedHoliday{1949, kOpen, 5, 3, "憲法記念日"},
    FixedHoliday{2007, kOpen, 5, 4, "みどりの日"},
    FixedHoliday{1949, kOpen, 5, 5, "こどもの日"},
    FixedHoliday{1996, 2002, 7, 20, "海の日"},
    FixedHoliday{2016, 2019, 8, 11, "山の日"},
    FixedHoliday{2022, kOpen, 8, 11, "山の日"},
    FixedHoliday{1966, 2002, 9, 15, "敬老の日"},
    FixedHoliday{1966, 1999, 10, 10, "体育の日"},
    FixedHoliday{1948, kOpen, 11, 3, "文化の日"},
    FixedHoliday{1948, kOpen, 11, 23, "勤労感謝の日"},
    FixedHoliday{1989, 2018, 12, 23, "天皇誕生日"},
};

constexpr std::array kMondayHolidays = {
    MondayHoliday{2000, kOpen, 1, 2, "成人の日"}, MondayHoliday{2003, 2019, 7, 3, "海の日"},
    MondayHoliday{2022, kOpen, 7, 3, "海の日"},   MondayHoliday{2003, kOpen, 9, 3, "敬老の日"},
    MondayHoliday{2000, 2019, 10, 2, "体育の日"}, MondayHoliday{2022, kOpen, 10, 2, "スポーツの日"},
};

constexpr std::array kOneOffHolidays = {
    OneOffHoliday{1959, 4, 10, "皇太子明仁親王の結婚の儀"},
    OneOffHoliday{1989, 2, 24, "昭和天皇の大喪の礼"},
    OneOffHoliday{1990, 11, 12, "即位礼正殿の儀"},
    OneOffHoliday{1993, 6, 9, "皇太子徳仁親王の結婚の儀"},
    OneOffHoliday{2019, 5, 1, "天皇の即位の日"},
    OneOffHoliday{2019, 10, 22, "即位礼正殿の儀"},
    // The Olympic years moved three holidays.
    OneOffHoliday{2020, 7, 23, "海の日"},
    OneOffHoliday{2020, 7, 24, "スポーツの日"},
    OneOffHoliday{2020, 8, 10, "山の日"},
    OneOffHoliday{2021, 7, 22, "海の日"},
    OneOffHoliday{2021, 7, 23, "スポーツの日"},
    OneOffHoliday{2021, 8, 8, "山の日"},
};

// The law took effect on 1948-07-20; no holiday before it.
constexpr CivilDate kLawStart{1948, 7, 20};
constexpr CivilDate kSubstituteStart{1973, 4, 12};
constexpr CivilDate kBetweenStart{1985, 12, 27};
// From 2007 a substitute holiday moves past further holidays, and a day
// between two holidays is one even on a Sunday.
constexpr int kSubstituteReformYear = 2007;

constexpr int kSunday = 7;

// The equinox day of March or September by the formula fitted to the
// observatory's tables (1900 … 2150).
int EquinoxDay(int year, bool spring) {
    double base = 0;
    int leapBase = 1980;
    if (year < 1980) {
        base = spring ? 20.8357 : 23.2588;
        leapBase = 1983;
    } else if (year < 2100) {
        base = spring ? 20.8431 : 23.2488;
    } else {
        base = spring ? 21.8510 : 24.2488;
    }
    // The leap-day count truncates toward zero, as the formula was published.
    const int leapDays = (year - leapBase) / 4;
    return static_cast<int>(std::floor(base + 0.242194 * (year - 1980) - leapDays));
}

struct Holiday {
    int dateValue;
    std::string_view name;
};

bool Before(const CivilDate& a, const CivilDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

int NthMonday(int year, int month, int nth) {
    const double first = *DateValueOf({year, month, 1});
    const int weekday = IsoWeekday(first);
    return 1 + (8 - weekday) % 7 + (nth - 1) * 7;
}

// The named holidays of a year (国民の祝日), unordered.
std::vector<CivilDate> NamedHolidays(int year, std::vector<std::string_view>& names) {
    std::vector<CivilDate> dates;
    const auto add = [&](int month, int day, std::string_view name) {
        const CivilDate date{year, month, day};
        if (Before(date, kLawStart)) return;
        dates.push_back(date);
        names.push_back(name);
    };
    for (const FixedHoliday& h : kFixedHolidays)
        if (year >= h.from && year <= h.to) add(h.month, h.day, h.name);
    for (const MondayHoliday& h : kMondayHolidays)
        if (year >= h.from && year <= h.to) add(h.month, NthMonday(year, h.month, h.nth), h.name);
    for (const OneOffHoliday& h : kOneOffHolidays)
        if (year == h.year) add(h.month, h.day, h.name);
    if (year >= 1949) add(3, EquinoxDay(year, true), "春分の日");
    add(9, EquinoxDay(year, false), "秋分の日");
    return dates;
}

// Every holiday of a year with its name, by date value.
std::vector<Holiday> HolidaysOf(int year) {
    std::vector<std::string_view> names;
    const std::vector<CivilDate> named = NamedHolidays(year, names);
    std::vector<Holiday> days;
    for (std::size_t i = 0; i < named.size(); ++i)
        days.push_back({static_cast<int>(*DateValueOf(named[i])), names[i]});
    const auto isNamed = [&](int value) {
        return std::any_of(days.begin(), days.end(),
                           [&](const Holiday& h) { return h.dateValue == value; });
    };
    const std::size_t namedCount = days.size();
    for (std::size_t i = 0; i < namedCount; ++i) {
        const Holiday h = days[i];
        if (IsoWeekday(h.dateValue) != kSunday) continue;
        if (Before(CivilDateOf(h.dateValue), kSubstituteStart)) continue;
        int substitute = h.dateValue + 1;
        if (year >= kSubstituteReformYear) {
            while (isNamed(substitute)) ++substitute;
        } else if (isNamed(substitute)) {
            continue;
        }
        days.push_back({substitute, "振替休日"});
    }
    const auto isHoliday = [&](int value) {
        return std::any_of(days.begin(), days.end(),
                           [&](const Holiday& h) { return h.dateValue == value; });
    };
    for (std::size_t i = 0; i < namedCount; ++i) {
        const int between = days[i].dateValue + 1;
        if (!isNamed(between + 1) || isHoliday(between)) continue;
        if (Before(CivilDateOf(between), kBetweenStart)) continue;
        if (year < kSubstituteReformYear && IsoWeekday(between) == kSunday) continue;
        days.push_back({between, "国民の休日"});
    }
    std::sort(days.begin(), days.end(),
              [](const Holiday& a, const Holiday& b) { return a.dateValue < b.dateValue; });
    return days;
}

}  // namespace

std::string_view NationalHolidayName(const CivilDate& date) {
    if (date.year < kFirstHolidayYear || date.year > kLastHolidayYear) return {};
    // Business-day counts ask day after day within one year.
    thread_local int cachedYear = 0;
    thread_local std::vector<Holiday> cached;
    if (cachedYear != date.year) {
        cached = HolidaysOf(date.year);
        cachedYear = date.year;
    }
    const auto value = DateValueOf(date);
    if (!value) return {};
    for (const Holiday& h : cached)
        if (h.dateValue == static_cast<int>(*value)) return h.name;
    return {};
}

}  // namespace tavrik
