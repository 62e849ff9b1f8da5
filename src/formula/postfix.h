// The second stage of evaluation: tokens in postfix order, by operator
// priority; equal priorities associate to the left.
#pragma once

#include <cstddef>
#include <vector>

#include "formula/formula_tokens.h"

namespace tavrik {

struct PostfixList {
    std::vector<Token> tokens;  // operands and operators, no brackets
    std::size_t errorPosition = kNoError;  // a ")" without its "("
};

PostfixList ToPostfix(const std::vector<Token>& tokens);

}  // namespace tavrik
