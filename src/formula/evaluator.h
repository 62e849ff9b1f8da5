// Evaluation of a short arithmetic formula over numbers, + - * /, brackets
// and the variables X and Y, on 80-bit values. The stages are visible:
// Tokenise, ToPostfix, EvaluatePostfix.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "formula/formula_tokens.h"
#include "values/message_line.h"

namespace tavrik {

struct Evaluation {
    bool ok = false;
    long double value = 0;  // 0 unless ok
    std::size_t errorPosition = kNoError;
};

// At most this many values are pending; reaching it fails the evaluation.
inline constexpr std::size_t kValueStackLimit = 20;

// Computes postfix tokens. Fails on a math failure, on the value stack limit,
// and unless exactly one value remains.
Evaluation EvaluatePostfix(std::span<const Token> postfix, long double x, long double y);

// Shows the formula in status panel 2, then tokenises, orders and computes it.
// X and Y enter rounded to double precision. Failures show no message.
Evaluation EvaluateFormula(StatusLine& status, std::string_view formula, long double x,
                           long double y);

// A user function's text: empty gives `a`; otherwise blanks are removed, the
// text is upper-cased and evaluated with X = a, Y = b. A failure gives 0.
long double EvaluateFunctionText(StatusLine& status, std::string_view text, long double a,
                                 long double b);

}  // namespace tavrik
