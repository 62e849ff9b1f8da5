#include "formula/evaluator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <memory_resource>
#include <string>

#include "formula/postfix.h"
#include "values/math_error.h"

namespace tavrik {

namespace {

// Operands come through Fresh so that the operation stays behind the flag
// reset of the evaluation's FloatGuard.
long double Binary(TokenKind kind, long double left, long double right) {
    switch (kind) {
        case TokenKind::Add:
            return Fresh(left) + Fresh(right);
        case TokenKind::Subtract:
            return Fresh(left) - Fresh(right);
        case TokenKind::Multiply:
            return Fresh(left) * Fresh(right);
        default:
            return Fresh(left) / Fresh(right);
    }
}

Evaluation Failed(std::size_t position) {
    return {false, 0, position};
}

}  // namespace

Evaluation EvaluatePostfix(std::span<const Token> postfix, long double x, long double y) {
    const long double roundedX = static_cast<double>(x);
    const long double roundedY = static_cast<double>(y);
    std::array<long double, kValueStackLimit> values{};
    std::size_t depth = 0;
    // One flag reset for the whole formula; the flags are read after every operation.
    const FloatGuard guard;
    for (const Token& token : postfix) {
        switch (token.kind) {
            case TokenKind::Number:
                values[depth++] = token.value;
                break;
            case TokenKind::VariableX:
                values[depth++] = roundedX;
                break;
            case TokenKind::VariableY:
                values[depth++] = roundedY;
                break;
            default:
                if (depth >= 2) {
                    values[depth - 2] = Binary(token.kind, values[depth - 2], values[depth - 1]);
                    try {
                        guard.check();
                    } catch (const CalcFailure&) {
                        return Failed(token.position);
                    }
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
