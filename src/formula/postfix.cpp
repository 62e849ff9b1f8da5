#include "formula/postfix.h"

namespace tavrik {

PostfixList ToPostfix(std::span<const Token> tokens, std::pmr::memory_resource* memory) {
    PostfixList result{std::pmr::vector<Token>(memory)};
    result.tokens.reserve(tokens.size());
    // Operands pass through the stack too: any token pops an operand on top.
    std::pmr::vector<Token> stack(memory);
    stack.reserve(tokens.size());
    const auto popInto = [&] {
        const TokenKind kind = stack.back().kind;
        if (kind != TokenKind::Open && kind != TokenKind::Close) result.tokens.push_back(stack.back());
        stack.pop_back();
    };
    for (const Token& token : tokens) {
        const int priority = OperatorPriority(token.kind);
        while (!stack.empty() && stack.back().kind != TokenKind::Open &&
               priority <= OperatorPriority(stack.back().kind))
            popInto();
        if (token.kind == TokenKind::Close) {
            if (stack.empty()) {
                result.errorPosition = token.position;
                return result;
            }
            stack.pop_back();
        } else {
            stack.push_back(token);
        }
    }
    while (!stack.empty()) popInto();
    return result;
}

}  // namespace tavrik
