// The second stage of evaluation: tokens in postfix order, by operator
// priority; equal priorities associate to the left.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <span>
#include <vector>

#include "formula/formula_tokens.h"

namespace tavrik {

struct PostfixList {
    std::pmr::vector<Token> tokens;        // operands and operators, no brackets
    std::size_t errorPosition = kNoError;  // a ")" without its "("
};

PostfixList ToPostfix(std::span<const Token> tokens,
                      std::pmr::memory_resource* memory = std::pmr::get_default_resource());

}  // namespace tavrik
