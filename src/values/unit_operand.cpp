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

bool Negative(const ValueContext& ctx) {
    return utf8::Contains(ctx.unitParts[0], "-");
}

// The bare number of the text just split, with the text's sign.
UnitOperand BareNumber(const ValueContext& ctx) {
    const long double number = ReadUnitNumber(ctx.unitParts[7]);
    return {OperandForm::Number, Negative(ctx) ? -number : number};
}

std::optional<int> WholeIn(std::string_view slot, int low, int high) {
    const auto value = UnitNumberOf(slot);
    if (!value || *value != std::trunc(*value) || *value < low || *value > high)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<UnitOperand> CalendarOperand(ValueContext& ctx) {
    const UnitParts& parts = ctx.unitParts;
    const auto year = WholeIn(parts[1], 1600, 3000);
    const auto month = WholeIn(parts[2], 1, 12);
    const auto day = WholeIn(parts[3], 1, std::numeric_limits<int>::max());
    if (!year || !month || !day) {
        ctx.reporter.ReportCalcError("日付エラー");
        return std::nullopt;
    }
    const int lastDay = DaysInMonth(*year, *month);
    const auto value = DateValueOf({*year, *month, *day > lastDay ? lastDay : *day});
    return UnitOperand{OperandForm::Calendar, *value};
}

}  // namespace

UnitOperand ReadTimeOperand(ValueContext& ctx, std::string_view text) {
    if (!SplitUnitText(ctx, text, false, true)) return BareNumber(ctx);
    return {OperandForm::Time, ParseUnitText(ctx, text).extended()};
}

std::optional<UnitOperand> ReadDateOperand(ValueContext& ctx, std::string_view text) {
    if (!SplitUnitText(ctx, text, false, true)) return BareNumber(ctx);
    if (utf8::Contains(ctx.unitParts[0], "c")) return CalendarOperand(ctx);
    const UnitParts& parts = ctx.unitParts;
    const long double sign = Negative(ctx) ? -1 : 1;
    UnitOperand operand{OperandForm::Duration, 0, sign * ReadUnitNumber(parts[1]),
                        sign * ReadUnitNumber(parts[2]), sign * ReadUnitNumber(parts[3])};
    operand.value = ParseUnitText(ctx, text).extended();
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

std::string LogicError(ValueContext& ctx, std::string_view second) {
    ctx.reporter.ReportCalcError("論理エラー");
    return std::string(second);
}

std::string Announce(ValueContext& ctx, std::string result) {
    ctx.status.DspMsg(result, kMessageInfo);
    return result;
}

}  // namespace tavrik
