#include "values/time_sheet.h"

#include <cmath>

#include "values/number_text.h"
#include "values/time_units.h"
#include "values/unit_arithmetic.h"
#include "values/unit_operand.h"

namespace tavrik {

namespace {

constexpr long double kSecondsPerHour = kSecondsPerMinute * kMinutesPerHour;
constexpr long double kSecondsPerDay = kSecondsPerHour * kHoursPerDay;
constexpr long double kMillisecondsPerSecond = 1000;

// Hours are written to 15 digits, so a time read back from them is off by
// far less than a millisecond: rounding to the millisecond gives the time
// back exactly, without a tail such as '1.2e-11秒'.
long double NearestMillisecond(long double seconds) {
    return std::round(seconds * kMillisecondsPerSecond) / kMillisecondsPerSecond;
}

bool IsClockTime(const UnitOperand& operand) {
    return operand.form == OperandForm::Time && operand.value >= 0 &&
           operand.value <= kSecondsPerDay;
}

}  // namespace

std::string ToggleDecimalHours(const ValueContext& ctx, int& unitLevel, std::string_view text) {
    const UnitOperand operand = ReadTimeOperand(ctx, text);
    if (operand.form == OperandForm::Time) {
        unitLevel = kAnyUnitLevel;
        return GeneralForm(operand.value / kSecondsPerHour);
    }
    return TimeResult(ctx, unitLevel, NearestMillisecond(operand.value * kSecondsPerHour));
}

std::string RoundTime(const ValueContext& ctx, int& unitLevel, std::string_view text, int minutes,
                      TimeRounding rounding) {
    const UnitOperand operand = ReadTimeOperand(ctx, text);
    if (operand.form != OperandForm::Time) return std::string(text);
    const long double step = static_cast<long double>(minutes) * kSecondsPerMinute;
    const long double steps = NearestMillisecond(operand.value) / step;
    const long double whole = rounding == TimeRounding::Up     ? std::ceil(steps)
                              : rounding == TimeRounding::Down ? std::floor(steps)
                                                               : std::round(steps);
    return TimeResult(ctx, unitLevel, whole * step);
}

std::string ClockDifference(const ValueContext& ctx, int& unitLevel, std::string_view from,
                            std::string_view to) {
    unitLevel = kAnyUnitLevel;
    const UnitOperand start = ReadTimeOperand(ctx, from);
    const UnitOperand end = ReadTimeOperand(ctx, to);
    if (!IsClockTime(start) || !IsClockTime(end)) return LogicError(ctx, to);
    long double seconds = end.value - start.value;
    if (seconds < 0) seconds += kSecondsPerDay;
    return Announce(ctx, TimeResult(ctx, unitLevel, seconds));
}

}  // namespace tavrik
