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
std::string FormatSeconds(ValueContext& ctx, const std::string& prefix, long double value) {
    const long long whole = RoundToInt64(value);
    if (ctx.unitLevel > 3 && value >= 86400) {
        const long long days = whole / 86400, hours = whole % 86400 / 3600,
                        minutes = whole % 3600 / 60;
        ctx.unitLevel = 3;
        return prefix + std::to_string(days) + "日" + std::to_string(hours) + "時" +
               std::to_string(minutes) + "分" +
               GeneralForm(value - days * 86400.0L - hours * 3600.0L - minutes * 60.0L) + "秒";
    }
    if (ctx.unitLevel > 2 && value >= 3600) {
        const long long hours = whole / 3600, minutes = whole % 3600 / 60;
        ctx.unitLevel = 2;
        return prefix + std::to_string(hours) + "時" + std::to_string(minutes) + "分" +
               GeneralForm(value - hours * 3600.0L - minutes * 60.0L) + "秒";
    }
    if (ctx.unitLevel > 1 && value >= 60) {
        const long long minutes = whole / 60;
        ctx.unitLevel = 1;
        return prefix + std::to_string(minutes) + "分" + GeneralForm(value - minutes * 60.0L) +
               "秒";
    }
    ctx.unitLevel = 9;
    return prefix + GeneralForm(value) + "秒";
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
std::string FormatDays(ValueContext& ctx, const std::string& prefix, long double value) {
    const std::int64_t ticks = CalcValue::currency(value).ticks();
    if (ctx.unitLevel > 2 && ticks >= 365 * kTicksPerDay) {
        std::int64_t years = ticks / kTicksPerYear;
        std::int64_t rest = ticks - years * kTicksPerYear;
        if (rest >= 365 * kTicksPerDay) {
            ++years;
            rest -= 365 * kTicksPerDay;
        }
        ctx.unitLevel = 2;
        return prefix + std::to_string(years) + "年" + MonthsAndDays(rest);
    }
    if (ctx.unitLevel > 1 && ticks >= 30 * kTicksPerDay) {
        ctx.unitLevel = 1;
        return prefix + MonthsAndDays(ticks);
    }
    ctx.unitLevel = 9;
    return prefix + Ticks(ticks) + "日";
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

CalcValue ParseUnitText(ValueContext& ctx, std::string_view text) {
    if (ctx.mode == CalcMode::Date && StartsWithC(text)) return ReadCalendarText(ctx, text);
    const UnitParts& parts = ctx.unitParts;
    long double value = 0;
    switch (ctx.mode) {
        case CalcMode::Time:
            value = ReadUnitNumber(parts[3]) * 86400 + ReadUnitNumber(parts[4]) * 3600 +
                    ReadUnitNumber(parts[5]) * 60 + ReadUnitNumber(parts[6]);
            break;
        case CalcMode::Date:
            value = ReadUnitNumber(parts[1]) * 365.25L + ReadUnitNumber(parts[2]) * 30.4375L +
                    ReadUnitNumber(parts[3]);
            break;
        default:
            value = ReadUnitNumber(parts[7]);
            break;
    }
    if (utf8::Contains(parts[0], "-")) value = -value;
    return CalcValue::real(static_cast<double>(value));
}

std::string FormatUnitValue(ValueContext& ctx, std::string_view text, bool reset) {
    if (!SplitUnitText(ctx, text, false, false)) return std::string(text);
    if (reset) ctx.unitLevel = 9;
    const bool time = ctx.mode == CalcMode::Time;
    if (!time && (ctx.mode != CalcMode::Date || StartsWithC(text))) return std::string(text);
    long double value = ParseUnitText(ctx, text).extended();
    // The sign comes from the value alone: a "c " marker is not kept.
    const std::string prefix = value < 0 ? "-" : "";
    value = std::fabs(value);
    return time ? FormatSeconds(ctx, prefix, value) : FormatDays(ctx, prefix, value);
}

}  // namespace tavrik
