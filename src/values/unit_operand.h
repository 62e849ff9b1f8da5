// Operands of the time and date operators, read from their texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "values/value_context.h"

namespace tavrik {

// Operator key codes the time and date operations accept.
enum UnitOperator : int { kUnitAdd = 19, kUnitSubtract = 20, kUnitMultiply = 21, kUnitDivide = 22 };

enum class OperandForm { Number, Time, Duration, Calendar };

struct UnitOperand {
    OperandForm form = OperandForm::Number;
    // The bare number, seconds of a time, days of a duration, or the date value.
    long double value = 0;
    // A duration's own year, month and day numbers, negated with the text.
    long double years = 0, months = 0, days = 0;
};

// A time text (at least one unit part) or a bare number.
UnitOperand ReadTimeOperand(const ValueContext& ctx, std::string_view text);

// A duration, a calendar date ("c" and unit parts) or a bare number. A
// calendar date must have whole numbers with year 1600…3000, month 1…12 and
// a day of at least 1 (a larger day than the month has becomes its last);
// otherwise "日付エラー" is reported and nothing is returned.
std::optional<UnitOperand> ReadDateOperand(const ValueContext& ctx, std::string_view text);

// a op b in extended precision; division by zero and overflow fail.
long double Arithmetic(int op, long double a, long double b);

// Reports "論理エラー"; the operation then yields its right operand.
std::string LogicError(const ValueContext& ctx, std::string_view second);

// Shows a successful result as an information message and returns it.
std::string Announce(const ValueContext& ctx, std::string result);

}  // namespace tavrik
