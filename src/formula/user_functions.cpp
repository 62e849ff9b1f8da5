#include "formula/user_functions.h"

#include "formula/evaluator.h"

namespace tavrik {

long double ApplyUserFunction(StatusLine& status, std::string_view formula, long double a,
                              long double b) {
    return EvaluateFunctionText(status, formula, a, b);
}

}  // namespace tavrik
