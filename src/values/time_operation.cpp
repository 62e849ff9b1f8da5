// The operators of time mode.
#include "values/number_text.h"
#include "values/unit_arithmetic.h"
#include "values/unit_operand.h"
#include "values/unit_value.h"

namespace tavrik {

std::string TimeResult(const ValueContext& ctx, int& unitLevel, long double seconds) {
    UnitForm form = FormatUnitValue(ctx, GeneralForm(seconds) + "秒", kAnyUnitLevel);
    unitLevel = form.level;
    return std::move(form.text);
}

std::string TimeOperation(const ValueContext& ctx, int& unitLevel, int op, std::string_view first,
                          std::string_view second) {
    if (ctx.rules.mode != CalcMode::Time) return std::string(second);
    unitLevel = kAnyUnitLevel;
    const UnitOperand a = ReadTimeOperand(ctx, first);
    const UnitOperand b = ReadTimeOperand(ctx, second);
    const bool timeA = a.form == OperandForm::Time, timeB = b.form == OperandForm::Time;
    const auto result = [&] { return Arithmetic(op, a.value, b.value); };
    if (!timeA && !timeB && op >= kUnitAdd && op <= kUnitDivide)
        return Announce(ctx, GeneralForm(result()));
    switch (op) {
        case kUnitAdd:
        case kUnitSubtract:
            if (timeA && timeB) return Announce(ctx, TimeResult(ctx, unitLevel, result()));
            break;
        case kUnitMultiply:
            if (timeA != timeB) return Announce(ctx, TimeResult(ctx, unitLevel, result()));
            break;
        case kUnitDivide:
            if (timeA && timeB) return Announce(ctx, GeneralForm(result()));
            if (timeA) return Announce(ctx, TimeResult(ctx, unitLevel, result()));
            break;
        default:
            break;
    }
    return LogicError(ctx, second);
}

}  // namespace tavrik
