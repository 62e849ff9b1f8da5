#include "values/unit_operand.h"

#include <cmath>
#include <limits>

#include "values/calendar.h"
#include "values/math_error.h"
#include "values/unit_text.h"
#include "values/unit_value.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

bool Negative(const UnitParts& parts) {
    return utf8::Contains(parts[kPrefixSlot], "-");
}

// The bare number of a split text, with the text's sign.
UnitOperand BareNumber(const UnitParts& parts) {
    const long double number = ReadUnitNumber(parts[kBareNumberSlot]);
    return {OperandForm::Number, Negative(parts) ? -number : number};
}

std::optional<int> WholeIn(std::string_view slot, int low, int high) {
    const auto value = UnitNumberOf(slot);
    if (!value || *value != std::trunc(*value) || *value < low || *value > high)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<UnitOperand> CalendarOperand(const ValueContext& ctx, const UnitParts& parts) {
    const auto year = WholeIn(parts[kYearSlot], kFirstCalendarYear, kLastCalendarYear);
    const auto month = WholeIn(parts[kMonthSlot], 1, 12);
    const auto day = WholeIn(parts[kDaySlot], 1, std::numeric_limits<int>::max());
    if (!year || !month || !day) {
        ctx.services.reporter.ReportCalcError("日付エラー");
        return std::nullopt;
    }
    const int lastDay = DaysInMonth(*year, *month);
    const auto value = DateValueOf({*year, *month, *day > lastDay ? lastDay : *day});
    return UnitOperand{OperandForm::Calendar, *value};
}

}  // namespace

UnitOperand ReadTimeOperand(const ValueContext& ctx, std::string_view text) {
    const UnitSplit split = SplitUnitText(ctx, text, false, true);
    if (!split.hasUnits) return BareNumber(split.parts);
    return {OperandForm::Time, ParseUnitText(ctx, text, split.parts).extended()};
}

std::optional<UnitOperand> ReadDateOperand(const ValueContext& ctx, std::string_view text) {
    const UnitSplit split = SplitUnitText(ctx, text, false, true);
    const UnitParts& parts = split.parts;
    if (!split.hasUnits) return BareNumber(parts);
    if (utf8::Contains(parts[kPrefixSlot], "c")) return CalendarOperand(ctx, parts);
    const long double sign = Negative(parts) ? -1 : 1;
    UnitOperand operand{OperandForm::Duration, 0, sign * ReadUnitNumber(parts[kYearSlot]),
                        sign * ReadUnitNumber(parts[kMonthSlot]),
                        sign * ReadUnitNumber(parts[kDaySlot])};
    operand.value = ParseUnitText(ctx, text, parts).extended();
    return operand;
}

long double Arithmetic(int op, long double a, long double b) {
    return Checked([&] {
        switch (op) {
            case kUnitAdd:
                return Fresh(a) + Fresh(b);
            case kUnitSubtract:
                return Fresh(a) - Fresh(b);
            case kUnitMultiply:
                return Fresh(a) * Fresh(b);
            default:
                return Fresh(a) / Fresh(b);
        }
    });
}

std::string LogicError(const ValueContext& ctx, std::string_view second) {
    ctx.services.reporter.ReportCalcError("論理エラー");
    return std::string(second);
}

std::string Announce(const ValueContext& ctx, std::string result) {
    ctx.services.status.DspMsg(result, kMessageInfo);
    return result;
}

}  // namespace tavrik
