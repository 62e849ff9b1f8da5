// ApplyOperator: the one arithmetic routine of the keypad. Applies an
// operation code (19..24 operators, 33/34 tax, 101..200 functions) to two
// 80-bit values.
#pragma once

#include <array>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "settings/function_codes.h"
#include "values/error_report.h"
#include "values/message_line.h"
#include "values/value_context.h"

namespace tavrik {

// Evaluates a user function's formula with X and Y.
using UserFunctionEvaluator =
    std::function<long double(std::string_view formula, long double x, long double y)>;

struct OperationContext {
    CalcMode mode;
    StatusLine& status;
    ErrorReporter& errors;
    int tax;       // percent
    int taxRound;  // 0 none, 1 half away from zero, 2 down, 3 up
    std::mt19937& random;
    const std::array<std::string, kUserFunctions>& userFormulas;  // FStr1 … FStr6
    const UserFunctionEvaluator& evaluateUserFunction;
    int reducedTax = 8;            // the reduced rate, percent
    bool reducedRateLast = false;  // the last tax key used the reduced rate (for 税額)
};

// The arity of a user function: 2 when its formula uses Y, else 1.
inline constexpr int kArityOfFormula = 0;

// One operation of the keypad and of the function keys.
struct Operation {
    int code;
    std::string_view name;  // for readers of the table and of traces
    int arity;              // operands taken: 1, 2 or kArityOfFormula
    long double (*compute)(OperationContext& ctx, int code, long double x, long double y);
};

// Every operation, by rising code.
std::span<const Operation> Operations();

// The operation of `code`; nothing for a code without one.
const Operation* FindOperation(int code);

// The operands `code` takes, from the operation table.
int FunctionArity(int code, const std::array<std::string, kUserFunctions>& userFormulas);

// The value of `code` at x (and y). A failure is reported and gives x; a
// normal result is shown in status panel 2 (whole numbers in mixed mode) and
// resets the error count.
long double ApplyOperator(OperationContext& ctx, int code, long double x, long double y);

// The result alone; raises CalcFailure on a failure. Used by ApplyOperator.
long double ComputeOperation(OperationContext& ctx, int code, long double x, long double y);

}  // namespace tavrik
