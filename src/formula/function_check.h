// The "Chk" rules for a user function's formula: the first fault found, or
// the confirmation that the formula reads well.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "formula/stage_result.h"
#include "values/view.h"

namespace tavrik {

struct FormulaCheck {
    BoxKind kind;  // Warning for a fault or a missing X, Information when checked
    std::string message;
    std::size_t errorPosition = kNoError;  // character of the blank-free formula
};

// Nothing for an empty formula. Only upper-case X and Y are variables; "-"
// directly after ")" is subtraction, as in the evaluator.
std::optional<FormulaCheck> CheckFunctionFormula(std::string_view formula);

// Checks the formula and shows the outcome in a message box.
void ShowFunctionFormulaCheck(View& view, std::string_view formula);

}  // namespace tavrik
