#include "formula/postfix.h"

namespace tavrik {

namespace {

bool IsOperand(TokenKind kind) {
    return kind == TokenKind::Number || kind == TokenKind::VariableX ||
           kind == TokenKind::VariableY;
}

}  // namespace

// The list operations are compiled into the loop: a formula lists a handful
// of tokens, and a call for each costs more than the work it does.
[[gnu::flatten]] PostfixList ToPostfix(std::span<const Token> tokens,
                                       std::pmr::memory_resource* memory) {
    PostfixList result{std::pmr::vector<Token>(memory)};
    result.tokens.reserve(tokens.size());
    std::pmr::vector<const Token*> stack(memory);
    stack.reserve(tokens.size());
    const auto popInto = [&] {
        if (stack.back()->kind != TokenKind::Open) result.tokens.push_back(*stack.back());
        stack.pop_back();
    };
    for (const Token& token : tokens) {
        // An operand has the highest priority, so whatever token follows it
        // would pop it at once: it goes straight to the output.
        if (IsOperand(token.kind)) {
            result.tokens.push_back(token);
            continue;
        }
        const int priority = OperatorPriority(token.kind);
        while (!stack.empty() && stack.back()->kind != TokenKind::Open &&
               priority <= OperatorPriority(stack.back()->kind))
            popInto();
        if (token.kind == TokenKind::Close) {
            if (stack.empty()) {
                result.errorPosition = token.position;
                return result;
            }
            stack.pop_back();
        } else {
            stack.push_back(&token);
        }
    }
    while (!stack.empty()) popInto();
    return result;
}

}  // namespace tavrik
