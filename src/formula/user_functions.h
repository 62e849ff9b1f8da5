// The six user functions (codes 109 … 114): formulas FStr1 … FStr6 in X and,
// for two operands, Y. Their arity is FunctionArity's (operations.h).
#pragma once

#include <string_view>

#include "values/message_line.h"

namespace tavrik {

// The value of a user function's formula at a (and b), as ApplyOperator
// computes codes 109 … 114: an empty formula gives a, a failed evaluation 0.
// The formula is shown in status panel 2.
long double ApplyUserFunction(StatusLine& status, std::string_view formula, long double a,
                              long double b);

}  // namespace tavrik
