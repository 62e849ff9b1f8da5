// Picks the one arithmetic formula out of a free-text line (notes, full-width
// characters, "×", "÷", grouping commas, brackets of either kind) and writes
// it in the evaluator's alphabet 0-9 . + - * / ( ) X =.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "formula/stage_result.h"

namespace tavrik {

struct NormalisedFormula {
    // The formula ending with exactly one "=", or empty when the text holds
    // no complete two-operand expression.
    std::string formula;
    // With an empty formula: the character where the last incomplete attempt
    // was given up, or the length of the text. kNoError otherwise.
    std::size_t errorPosition = kNoError;
    // The formula part holds a power ("^"), a root ("√") or a named function (a
    // Latin word directly before "("), which the evaluator has no notation for:
    // the formula is then empty rather than a different sum.
    bool needsFunctionKeys = false;
};

NormalisedFormula NormaliseFormula(std::string_view text);
// The same into `into`, whose formula keeps its room from one line to the next.
void NormaliseFormula(std::string_view text, NormalisedFormula& into);

}  // namespace tavrik
