#include "values/date_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "values/calendar.h"
#include "values/japanese_era.h"
#include "values/math_error.h"
#include "values/moon_age.h"
#include "values/office_calendar.h"
#include "values/unit_text.h"
#include "values/unit_value.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

// Julian day of 03:00 universal time (noon in Japan) on date value 0.
constexpr double kJulianDayOfDateZero = 2415018.625;

// A field of a year/month/day text: one or more digits.
std::optional<int> DateField(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || ec != std::errc() ||
        end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> ReadDate(std::string_view year, std::string_view month,
                               std::string_view day) {
    const auto y = DateField(year), m = DateField(month), d = DateField(day);
    if (!y || !m || !d) return std::nullopt;
    return DateValueOf({*y, *m, *d});
}

// The whole number of a slot kept with its unit ('2024年' → 2024).
int WholeSlot(std::string_view slot) {
    const long double value = ReadUnitSlot(slot);
    if (value != std::trunc(value) || std::fabs(value) > 1e9L) ThrowFailure(FailureKind::Convert);
    return static_cast<int>(value);
}

// Fills in and shows a calendar date; returns its weekday text.
std::string CompleteCalendar(const ValueContext& ctx, UnitParts& parts) {
    const DateTime today = ctx.services.clock.now();
    if (parts[kYearSlot].empty()) parts[kYearSlot] = std::to_string(today.year) + "年";
    if (parts[kMonthSlot].empty()) parts[kMonthSlot] = std::to_string(today.month) + "月";
    if (parts[kDaySlot].empty()) parts[kDaySlot] = std::to_string(today.day) + "日";
    const int last = DaysInMonth(WholeSlot(parts[kYearSlot]), WholeSlot(parts[kMonthSlot]));
    if (WholeSlot(parts[kDaySlot]) > last) parts[kDaySlot] = std::to_string(last) + "日";

    const std::string year = utf8::DropLast(parts[kYearSlot]);
    const auto date =
        ReadDate(year, utf8::DropLast(parts[kMonthSlot]), utf8::DropLast(parts[kDaySlot]));
    if (!date) ThrowFailure(FailureKind::Convert);
    const std::string era = ctx.rules.office.firstYearGannen ? GannenForm(JapaneseEraText(*date))
                                                             : JapaneseEraText(*date);
    const std::string weekday(kDayNames[static_cast<std::size_t>(IsoWeekday(*date))]);
    // With business days on, the line ends with the name of a holiday.
    const std::string holiday =
        ctx.rules.office.businessDays ? HolidayName(ctx.rules.office, *date) : std::string();
    ctx.services.status.DspMsg("西暦" + year + (era.empty() ? "" : "(" + era + ")") + "年" +
                                   parts[kMonthSlot] + parts[kDaySlot] + weekday + " 月齢" +
                                   MoonAgeText(*date + kJulianDayOfDateZero) +
                                   (holiday.empty() ? "" : " " + holiday),
                               kMessageInfo);
    return weekday;
}

}  // namespace

CalcValue ReadCalendarText(const ValueContext& ctx, std::string_view text) {
    std::string t = CompleteDateText(ctx, text, false);
    utf8::EraseFirst(t, "c ");
    utf8::ReplaceFirst(t, "年", "/");
    utf8::ReplaceFirst(t, "月", "/");
    utf8::EraseFirst(t, "日");
    const auto first = t.find('/');
    const auto second = first == std::string::npos ? t.npos : t.find('/', first + 1);
    if (second == std::string::npos) return CalcValue::int32(-1);
    const std::string_view all(t);
    const auto date = ReadDate(all.substr(0, first), all.substr(first + 1, second - first - 1),
                               all.substr(second + 1));
    return date ? CalcValue::date(*date) : CalcValue::int32(-1);
}

std::string DateValueText(double dateValue) {
    if (!std::isfinite(dateValue) || std::fabs(dateValue) > 1e7) ThrowFailure(FailureKind::Convert);
    const CivilDate date = CivilDateOf(dateValue);
    if (date.year < 1 || date.year > 9999) ThrowFailure(FailureKind::Convert);
    char text[64];
    std::snprintf(text, sizeof text, "c %04d年%d月%d日", date.year, date.month, date.day);
    return text;
}

std::string CompleteDateText(const ValueContext& ctx, std::string_view text, bool complete) {
    UnitParts parts = SplitUnitText(ctx, text, true, true).parts;
    const std::string& bare = parts[kBareNumberSlot];
    if (!bare.empty()) {
        const auto number = UnitNumberOf(bare);
        if (!number || *number != 0) return std::string(text);
    }
    std::string weekday;
    if (ctx.rules.mode == CalcMode::Date && complete) weekday = CompleteCalendar(ctx, parts);
    std::string result;
    for (int slot = 0; slot <= 6; ++slot) result += parts[static_cast<std::size_t>(slot)];
    return result + weekday;
}

}  // namespace tavrik
