// The operators of time mode.
#include "values/number_text.h"
#include "values/unit_arithmetic.h"
#include "values/unit_operand.h"
#include "values/unit_value.h"

namespace tavrik {

namespace {

std::string TimeResult(ValueContext& ctx, long double seconds) {
    return FormatUnitValue(ctx, GeneralForm(seconds) + "秒", true);
}

}  // namespace

std::string TimeOperation(ValueContext& ctx, int op, std::string_view first,
                          std::string_view second) {
    if (ctx.mode != CalcMode::Time) return std::string(second);
    ctx.unitLevel = 9;
    const UnitOperand a = ReadTimeOperand(ctx, first);
    const UnitOperand b = ReadTimeOperand(ctx, second);
    const bool timeA = a.form == OperandForm::Time, timeB = b.form == OperandForm::Time;
    const auto result = [&] { return Arithmetic(op, a.value, b.value); };
    if (!timeA && !timeB && op >= kUnitAdd && op <= kUnitDivide)
        return Announce(ctx, GeneralForm(result()));
    switch (op) {
        case kUnitAdd:
        case kUnitSubtract:
            if (timeA && timeB) return Announce(ctx, TimeResult(ctx, result()));
            break;
        case kUnitMultiply:
            if (timeA != timeB) return Announce(ctx, TimeResult(ctx, result()));
            break;
        case kUnitDivide:
            if (timeA && timeB) return Announce(ctx, GeneralForm(result()));
            if (timeA) return Announce(ctx, TimeResult(ctx, result()));
            break;
        default:
            break;
    }
    return LogicError(ctx, second);
}

}  // namespace tavrik
