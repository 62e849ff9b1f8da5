#include "formula/evaluator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "formula/postfix.h"
#include "values/math_error.h"

namespace tavrik {

namespace {

long double Binary(TokenKind kind, long double left, long double right) {
    return Checked([&] {
        switch (kind) {
            case TokenKind::Add: return Fresh(left) + Fresh(right);
            case TokenKind::Subtract: return Fresh(left) - Fresh(right);
            case TokenKind::Multiply: return Fresh(left) * Fresh(right);
            default: return Fresh(left) / Fresh(right);
        }
    });
}

Evaluation Failed(std::size_t position) { return {false, 0, position}; }

}  // namespace

Evaluation EvaluatePostfix(const std::vector<Token>& postfix, long double x, long double y) {
    const long double roundedX = static_cast<double>(x);
    const long double roundedY = static_cast<double>(y);
    std::array<long double, kValueStackLimit> values{};
    std::size_t depth = 0;
    for (const Token& token : postfix) {
        switch (token.kind) {
            case TokenKind::Number: values[depth++] = token.value; break;
            case TokenKind::VariableX: values[depth++] = roundedX; break;
            case TokenKind::VariableY: values[depth++] = roundedY; break;
            default:
                if (depth >= 2) {
                    try {
                        values[depth - 2] = Binary(token.kind, values[depth - 2], values[depth - 1]);
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
    const TokenList tokens = Tokenise(formula);
    if (tokens.errorPosition != kNoError) return Failed(tokens.errorPosition);
    const PostfixList postfix = ToPostfix(tokens.tokens);
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
