// The operators of date mode: calendar dates, durations and numbers.
#include <cmath>
#include <limits>

#include "values/calendar.h"
#include "values/date_text.h"
#include "values/math_error.h"
#include "values/number_text.h"
#include "values/office_calendar.h"
#include "values/unit_arithmetic.h"
#include "values/unit_operand.h"
#include "values/unit_value.h"

namespace tavrik {

namespace {

constexpr long double kDaysPerMonth = 30.4375L;

// The whole part of a shift, which must fit a 32-bit integer.
int ShiftCount(long double value) {
    const long double whole = std::trunc(value);
    if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max()))
        ThrowFailure(FailureKind::IntOverflow);
    return static_cast<int>(whole);
}

CivilDate Moved(const std::optional<CivilDate>& date) {
    if (!date) ThrowFailure(FailureKind::Convert);
    return *date;
}

// Whole years first, then the months with the years' fraction, then the days
// with the months' fraction; each step truncates toward zero.
std::string ShiftedDate(long double dateValue, long double years, long double months,
                        long double days) {
    const int wholeYears = ShiftCount(years);
    CivilDate date = Moved(AddYears(CivilDateOf(static_cast<double>(dateValue)), wholeYears));
    const long double mm = (years - wholeYears) * 12 + months;
    const int wholeMonths = ShiftCount(mm);
    date = Moved(AddMonths(date, wholeMonths));
    const long double dd = (mm - wholeMonths) * kDaysPerMonth + days;
    return DateValueText(*DateValueOf(date) + ShiftCount(dd));
}

// A result text in the largest units; the unit level follows it.
std::string UnitResult(const ValueContext& ctx, int& unitLevel, const std::string& text) {
    UnitForm form = FormatUnitValue(ctx, text, kAnyUnitLevel);
    unitLevel = form.level;
    return std::move(form.text);
}

std::string DurationResult(const ValueContext& ctx, int& unitLevel, long double days) {
    return UnitResult(ctx, unitLevel, GeneralForm(days) + "日");
}

// Sum or difference by components; a negative year count moves into the
// months, and then a negative month count into the days.
std::string ComponentResult(const ValueContext& ctx, int& unitLevel, const UnitOperand& a,
                            const UnitOperand& b, long double sign) {
    long double y = a.years + sign * b.years;
    long double m = a.months + sign * b.months;
    long double d = a.days + sign * b.days;
    if (y < 0) {
        m = y * 12 + m;
        y = 0;
    }
    if (m < 0) {
        d = m * kDaysPerMonth + d;
        m = 0;
    }
    return UnitResult(ctx, unitLevel,
                      GeneralForm(y) + "年" + GeneralForm(m) + "月" + GeneralForm(d) + "日");
}

// A business-day count is a whole number small enough to walk day by day.
constexpr long double kMostBusinessDays = 1000000;

std::optional<std::string> BusinessDayShift(const ValueContext& ctx, long double dateValue,
                                            long double count) {
    if (count != std::trunc(count) || std::fabs(count) > kMostBusinessDays) return std::nullopt;
    return DateValueText(ShiftBusinessDays(ctx.rules.office, static_cast<double>(dateValue),
                                           static_cast<long long>(count)));
}

// With business days on: date ± number moves by business days, and date ÷
// date counts the business days from the right date to the left one.
std::optional<std::string> BusinessDayResult(const ValueContext& ctx, int op, const UnitOperand& a,
                                             const UnitOperand& b) {
    using enum OperandForm;
    if (!ctx.rules.office.businessDays) return std::nullopt;
    if (op == kUnitAdd && a.form == Calendar && b.form == Number)
        return BusinessDayShift(ctx, a.value, b.value);
    if (op == kUnitAdd && a.form == Number && b.form == Calendar)
        return BusinessDayShift(ctx, b.value, a.value);
    if (op == kUnitSubtract && a.form == Calendar && b.form == Number)
        return BusinessDayShift(ctx, a.value, -b.value);
    if (op == kUnitDivide && a.form == Calendar && b.form == Calendar)
        return std::to_string(BusinessDaysBetween(ctx.rules.office, static_cast<double>(b.value),
                                                  static_cast<double>(a.value)));
    return std::nullopt;
}

}  // namespace

std::string DateOperation(const ValueContext& ctx, int& unitLevel, int op, std::string_view first,
                          std::string_view second) {
    if (ctx.rules.mode != CalcMode::Date) return std::string(second);
    unitLevel = kAnyUnitLevel;
    const auto left = ReadDateOperand(ctx, first);
    if (!left) return std::string(second);
    const auto right = ReadDateOperand(ctx, second);
    if (!right) return std::string(second);
    const UnitOperand& a = *left;
    const UnitOperand& b = *right;
    using enum OperandForm;
    const auto is = [&](OperandForm x, OperandForm y) { return a.form == x && b.form == y; };
    const bool sameForm = a.form == b.form;
    if (auto business = BusinessDayResult(ctx, op, a, b))
        return Announce(ctx, *std::move(business));

    switch (op) {
        case kUnitAdd:
            if (is(Calendar, Duration))
                return Announce(ctx, ShiftedDate(a.value, b.years, b.months, b.days));
            if (is(Duration, Calendar))
                return Announce(ctx, ShiftedDate(b.value, a.years, a.months, a.days));
            if (is(Duration, Duration))
                return Announce(ctx, ComponentResult(ctx, unitLevel, a, b, 1));
            if (is(Number, Number))
                return Announce(ctx, GeneralForm(Arithmetic(op, a.value, b.value)));
            break;
        case kUnitSubtract:
            if (is(Calendar, Duration))
                return Announce(ctx, ShiftedDate(a.value, -b.years, -b.months, -b.days));
            if (is(Calendar, Calendar))
                return Announce(ctx, GeneralForm(CountedDayDifference(
                                         ctx.rules.office, Arithmetic(op, a.value, b.value))) +
                                         "日");
            if (is(Duration, Duration))
                return Announce(ctx, ComponentResult(ctx, unitLevel, a, b, -1));
            if (is(Number, Number))
                return Announce(ctx, GeneralForm(Arithmetic(op, a.value, b.value)));
            break;
        case kUnitMultiply:
            if (is(Number, Number))
                return Announce(ctx, GeneralForm(Arithmetic(op, a.value, b.value)));
            if (is(Duration, Number) || is(Number, Duration))
                return Announce(ctx,
                                DurationResult(ctx, unitLevel, Arithmetic(op, a.value, b.value)));
            break;
        case kUnitDivide:
            if (sameForm && a.form != Calendar)
                return Announce(ctx, GeneralForm(Arithmetic(op, a.value, b.value)));
            if (is(Duration, Number))
                return Announce(ctx,
                                DurationResult(ctx, unitLevel, Arithmetic(op, a.value, b.value)));
            break;
        default:
            break;
    }
    return LogicError(ctx, second);
}

}  // namespace tavrik
