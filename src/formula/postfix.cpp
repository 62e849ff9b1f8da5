#include "formula/postfix.h"

namespace tavrik {

// The list operations are compiled into the loop: a formula lists a handful
// of tokens, and a call for each costs more than the work it does.
[[gnu::flatten]] PostfixList ToPostfix(std::span<const Token> tokens,
                                       std::pmr::memory_resource* memory) {
    PostfixList result{std::pmr::vector<Token>(memory)};
    result.tokens.reserve(tokens.size());
    std::pmr::vector<const Token*> stack(memory);
    result.errorPosition =
        OrderPostfix(tokens, stack, [&](const Token& token) { result.tokens.push_back(token); });
    return result;
}

}  // namespace tavrik
