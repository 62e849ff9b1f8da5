#include "values/plain_number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "values/calendar.h"
#include "values/date_text.h"
#include "values/math_error.h"
#include "values/number_text.h"
#include "values/time_units.h"
#include "values/unit_text.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1000000;

std::string WithoutMarker(std::string_view text) {
    for (std::string_view marker : {"d ", "h ", "c "})
        if (text.starts_with(marker)) return std::string(text.substr(marker.size()));
    return std::string(text);
}

// 1日2時3分4.5秒 as 26:03:04.5; a bare number stays as it is.
std::string TimeText(const ValueContext& ctx, std::string_view display) {
    std::string_view text = display;
    const bool negative = text.starts_with("-");
    if (negative) text.remove_prefix(1);
    const UnitSplit split = SplitUnitText(ctx, text, false, false);
    if (!split.hasUnits || split.parts[kBareNumberSlot] != "0") return std::string(display);
    long double seconds = 0;
    const long double scale[] = {kHoursPerDay * kMinutesPerHour * kSecondsPerMinute,
                                 kMinutesPerHour * kSecondsPerMinute, kSecondsPerMinute, 1};
    for (std::size_t slot = 3; slot <= 6; ++slot)
        seconds += std::strtold(split.parts[slot].c_str(), nullptr) * scale[slot - 3];
    // Whole microseconds, so that a fraction rounded up carries into the
    // seconds; a time beyond them in 64 bits stays as it is shown.
    constexpr long double kMostMicroseconds = 0x1p63L;
    const long double micros = std::round(seconds * kMicrosecondsPerSecond);
    if (!(micros >= 0 && micros < kMostMicroseconds)) return std::string(display);
    const auto total = static_cast<std::int64_t>(micros);
    const std::int64_t whole = total / kMicrosecondsPerSecond;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s%lld:%02lld:%02lld", negative ? "-" : "",
                  static_cast<long long>(whole / 3600), static_cast<long long>(whole / 60 % 60),
                  static_cast<long long>(whole % 60));
    std::string result = buffer;
    if (const std::int64_t fraction = total % kMicrosecondsPerSecond; fraction > 0) {
        std::snprintf(buffer, sizeof buffer, ".%06lld", static_cast<long long>(fraction));
        result += TrimTrailingZeros(buffer);
    }
    return result;
}

// c 2024年5月3日(金) as 2024/5/3; a duration stays as it is.
std::string DateText(const ValueContext& ctx, std::string_view display) {
    if (!display.starts_with("c ")) return std::string(display);
    const CalcValue value = ReadCalendarText(ctx, display);
    if (value.kind() != ValueKind::Date) return WithoutMarker(display);
    const CivilDate date = CivilDateOf(static_cast<double>(value.extended()));
    return std::to_string(date.year) + "/" + std::to_string(date.month) + "/" +
           std::to_string(date.day);
}

}  // namespace

std::string PlainNumberText(const ValueContext& ctx, std::string_view display) {
    switch (ctx.rules.mode) {
        case CalcMode::Decimal: {
            std::string text(display);
            std::erase(text, ',');
            return text;
        }
        case CalcMode::Mixed:
            if (display.starts_with("h ")) {
                try {
                    return std::to_string(ParseValueText(ctx, display).integer());
                } catch (const ReportedFailure&) {
                }
            }
            return WithoutMarker(display);
        case CalcMode::Time:
            return TimeText(ctx, display);
        case CalcMode::Date:
            return DateText(ctx, display);
    }
    return std::string(display);
}

}  // namespace tavrik
