#include "formula/evaluator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <memory_resource>
#include <optional>
#include <string>

#include "formula/postfix.h"

namespace tavrik {

namespace {

// The operation on finite operands; nothing when the processor would raise a
// failure for it: division by zero (or 0 / 0), or a result too large for
// 80 bits. Underflow is masked and gives a small or zero result.
std::optional<long double> Binary(TokenKind kind, long double left, long double right) {
    long double result;
    switch (kind) {
        case TokenKind::Add:
            result = left + right;
            break;
        case TokenKind::Subtract:
            result = left - right;
            break;
        case TokenKind::Multiply:
            result = left * right;
            break;
        default:
            if (right == 0) return std::nullopt;
            result = left / right;
            break;
    }
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

Evaluation Failed(std::size_t position) {
    return {false, 0, position};
}

}  // namespace

Evaluation EvaluatePostfix(std::span<const Token> postfix, long double x, long double y) {
    // Rounded where they are used: most formulas have neither.
    const auto rounded = [](long double v) -> long double { return static_cast<double>(v); };
    // Each value is written before it is read: nothing to clear.
    std::array<long double, kValueStackLimit> values;
    std::size_t depth = 0;
    // Every value on the stack is finite, so each operation's failure can be
    // read from its operands and its result.
    for (const Token& token : postfix) {
        switch (token.kind) {
            case TokenKind::Number:
                values[depth++] = token.value;
                break;
            case TokenKind::VariableX:
                values[depth++] = rounded(x);
                break;
            case TokenKind::VariableY:
                values[depth++] = rounded(y);
                break;
            default:
                if (depth >= 2) {
                    const auto result = Binary(token.kind, values[depth - 2], values[depth - 1]);
                    if (!result) return Failed(token.position);
                    values[depth - 2] = *result;
                    --depth;
                } else if (depth == 1 && token.kind == TokenKind::Subtract) {
                    values[0] = -values[0];
                }
                break;
        }
        if (depth == kValueStackLimit) return Failed(token.position);
    }
    if (depth != 1) return Failed(postfix.empty() ? 0 : postfix.back().position);
    return {true, values[0], kNoError};
}

Evaluation EvaluateFormula(StatusLine& status, std::string_view formula, long double x,
                           long double y) {
    status.DspMsg(formula, kMessageInfo);
    // The working lists of a short formula live on the stack.
    std::array<std::byte, 8192> buffer;
    std::pmr::monotonic_buffer_resource memory(buffer.data(), buffer.size());
    const TokenList tokens = Tokenise(formula, &memory);
    if (tokens.errorPosition != kNoError) return Failed(tokens.errorPosition);
    const PostfixList postfix = ToPostfix(tokens.tokens, &memory);
    if (postfix.errorPosition != kNoError) return Failed(postfix.errorPosition);
    return EvaluatePostfix(postfix.tokens, x, y);
}

long double EvaluateFunctionText(StatusLine& status, std::string_view text, long double a,
                                 long double b) {
    if (text.empty()) return a;
    std::string formula;
    formula.reserve(text.size());
    for (char c : text)
        if (c != ' ') formula += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return EvaluateFormula(status, formula, a, b).value;
}

}  // namespace tavrik
