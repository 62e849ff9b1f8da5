#include "values/unit_value.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "values/date_text.h"
#include "values/math_error.h"
#include "values/number_text.h"
#include "values/unit_text.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

constexpr std::int64_t kTicksPerYear = 3652500;  // 365.25 days in 1/10000 day
constexpr std::int64_t kTicksPerMonth = 304375;  // 30.4375 days
constexpr std::int64_t kTicksPerDay = 10000;

bool StartsWithC(std::string_view text) {
    return !text.empty() && text.front() == 'c';
}

std::string Ticks(std::int64_t ticks) {
    return GeneralForm(static_cast<long double>(ticks) / kTicksPerDay);
}

// Whole-unit counts come from the rounded seconds as a 64-bit count, so long
// durations keep every unit.
UnitForm FormatSeconds(int level, const std::string& prefix, long double value) {
    const long long whole = RoundToInt64(value);
    if (level > 3 && value >= 86400) {
        const long long days = whole / 86400, hours = whole % 86400 / 3600,
                        minutes = whole % 3600 / 60;
        return {prefix + std::to_string(days) + "日" + std::to_string(hours) + "時" +
                    std::to_string(minutes) + "分" +
                    GeneralForm(value - days * 86400.0L - hours * 3600.0L - minutes * 60.0L) + "秒",
                3};
    }
    if (level > 2 && value >= 3600) {
        const long long hours = whole / 3600, minutes = whole % 3600 / 60;
        return {prefix + std::to_string(hours) + "時" + std::to_string(minutes) + "分" +
                    GeneralForm(value - hours * 3600.0L - minutes * 60.0L) + "秒",
                2};
    }
    if (level > 1 && value >= 60) {
        const long long minutes = whole / 60;
        return {
            prefix + std::to_string(minutes) + "分" + GeneralForm(value - minutes * 60.0L) + "秒",
            1};
    }
    return {prefix + GeneralForm(value) + "秒", kAnyUnitLevel};
}

// Months and days of `ticks`, a month being 30.4375 days and 30 whole days
// making one more month.
std::string MonthsAndDays(std::int64_t ticks) {
    std::int64_t months = ticks / kTicksPerMonth;
    std::int64_t days = ticks - months * kTicksPerMonth;
    if (days >= 30 * kTicksPerDay) {
        ++months;
        days -= 30 * kTicksPerDay;
    }
    return std::to_string(months) + "月" + Ticks(days) + "日";
}

// Days in four-decimal fixed point; 365 whole days make one more year.
UnitForm FormatDays(int level, const std::string& prefix, long double value) {
    const std::int64_t ticks = CalcValue::currency(value).ticks();
    if (level > 2 && ticks >= 365 * kTicksPerDay) {
        std::int64_t years = ticks / kTicksPerYear;
        std::int64_t rest = ticks - years * kTicksPerYear;
        if (rest >= 365 * kTicksPerDay) {
            ++years;
            rest -= 365 * kTicksPerDay;
        }
        return {prefix + std::to_string(years) + "年" + MonthsAndDays(rest), 2};
    }
    if (level > 1 && ticks >= 30 * kTicksPerDay) {
        return {prefix + MonthsAndDays(ticks), 1};
    }
    return {prefix + Ticks(ticks) + "日", kAnyUnitLevel};
}

}  // namespace

std::optional<long double> UnitNumberOf(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

long double ReadUnitNumber(std::string_view text) {
    const auto value = UnitNumberOf(text);
    if (!value) ThrowFailure(FailureKind::Convert);
    return *value;
}

long double ReadUnitSlot(std::string_view slot) {
    return ReadUnitNumber(utf8::DropLast(slot));
}

CalcValue ParseUnitText(const ValueContext& ctx, std::string_view text, const UnitParts& parts) {
    if (ctx.rules.mode == CalcMode::Date && StartsWithC(text)) return ReadCalendarText(ctx, text);
    long double value = 0;
    switch (ctx.rules.mode) {
        case CalcMode::Time:
            value = ReadUnitNumber(parts[kDaySlot]) * 86400 +
                    ReadUnitNumber(parts[kHourSlot]) * 3600 +
                    ReadUnitNumber(parts[kMinuteSlot]) * 60 + ReadUnitNumber(parts[kSecondSlot]);
            break;
        case CalcMode::Date:
            value = ReadUnitNumber(parts[kYearSlot]) * 365.25L +
                    ReadUnitNumber(parts[kMonthSlot]) * 30.4375L + ReadUnitNumber(parts[kDaySlot]);
            break;
        default:
            value = ReadUnitNumber(parts[kBareNumberSlot]);
            break;
    }
    if (utf8::Contains(parts[kPrefixSlot], "-")) value = -value;
    return CalcValue::real(static_cast<double>(value));
}

UnitForm FormatUnitValue(const ValueContext& ctx, std::string_view text, int level) {
    const UnitSplit split = SplitUnitText(ctx, text, false, false);
    if (!split.hasUnits) return {std::string(text), level};
    const bool time = ctx.rules.mode == CalcMode::Time;
    if (!time && (ctx.rules.mode != CalcMode::Date || StartsWithC(text)))
        return {std::string(text), level};
    long double value = ParseUnitText(ctx, text, split.parts).extended();
    // The sign comes from the value alone: a "c " marker is not kept.
    const std::string prefix = value < 0 ? "-" : "";
    value = std::fabs(value);
    return time ? FormatSeconds(level, prefix, value) : FormatDays(level, prefix, value);
}

}  // namespace tavrik
