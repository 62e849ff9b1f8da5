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

// The ordering itself: hands each token of the postfix order to `take` as soon
// as its place is known, so that a caller can compute while ordering. Gives
// the position of a ")" without its "(", where the ordering stops, or kNoError.
// `stack` is its working list, emptied first.
template <class Take>
std::size_t OrderPostfix(std::span<const Token> tokens, std::pmr::vector<const Token*>& stack,
                         Take&& take) {
    stack.clear();
    stack.reserve(tokens.size());
    const auto popInto = [&] {
        if (stack.back()->kind != TokenKind::Open) take(*stack.back());
        stack.pop_back();
    };
    for (const Token& token : tokens) {
        // An operand has the highest priority, so whatever token follows it
        // would pop it at once: it goes straight to the output.
        if (token.kind == TokenKind::Number || token.kind == TokenKind::VariableX ||
            token.kind == TokenKind::VariableY) {
            take(token);
            continue;
        }
        const int priority = OperatorPriority(token.kind);
        while (!stack.empty() && stack.back()->kind != TokenKind::Open &&
               priority <= OperatorPriority(stack.back()->kind))
            popInto();
        if (token.kind == TokenKind::Close) {
            if (stack.empty()) return token.position;
            stack.pop_back();
        } else {
            stack.push_back(&token);
        }
    }
    while (!stack.empty()) popInto();
    return kNoError;
}

}  // namespace tavrik
