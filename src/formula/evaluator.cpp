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

// Computes postfix tokens one at a time; after a failure it takes no more.
class PostfixMachine {
  public:
    PostfixMachine(long double x, long double y) : x_(x), y_(y) {}

    void take(const Token& token) {
        lastPosition_ = token.position;
        if (failedAt_ != kNoError) return;
        switch (token.kind) {
            case TokenKind::Number:
                values_[depth_++] = token.value;
                break;
            case TokenKind::VariableX:
                values_[depth_++] = Rounded(x_);
                break;
            case TokenKind::VariableY:
                values_[depth_++] = Rounded(y_);
                break;
            default:
                if (depth_ >= 2) {
                    const auto result =
                        Binary(token.kind, values_[depth_ - 2], values_[depth_ - 1]);
                    if (!result) {
                        failedAt_ = token.position;
                        return;
                    }
                    values_[depth_ - 2] = *result;
                    --depth_;
                } else if (depth_ == 1 && token.kind == TokenKind::Subtract) {
                    values_[0] = -values_[0];
                }
                break;
        }
        if (depth_ == kValueStackLimit) failedAt_ = token.position;
    }

    // Fails unless exactly one value remains; at the last token, or at 0 without any.
    Evaluation result() const {
        if (failedAt_ != kNoError) return Failed(failedAt_);
        if (depth_ != 1) return Failed(lastPosition_);
        return {true, values_[0], kNoError};
    }

  private:
    // X and Y enter rounded to double precision, where they are used: most
    // formulas have neither.
    static long double Rounded(long double v) { return static_cast<double>(v); }

    long double x_;
    long double y_;
    // Each value is written before it is read: nothing to clear. Every value
    // on the stack is finite, so each operation's failure can be read from
    // its operands and its result.
    std::array<long double, kValueStackLimit> values_;
    std::size_t depth_ = 0;
    std::size_t lastPosition_ = 0;
    std::size_t failedAt_ = kNoError;
};

}  // namespace

Evaluation EvaluatePostfix(std::span<const Token> postfix, long double x, long double y) {
    PostfixMachine machine(x, y);
    for (const Token& token : postfix) machine.take(token);
    return machine.result();
}

namespace {

// The working lists of an evaluation, kept from one formula to the next: a
// sheet evaluates a formula a line, and lists that keep their room need no
// memory after the first formulas. They are filled only after the status
// line is written, and nothing from there on evaluates a formula.
struct EvaluationLists {
    TokenList tokens;
    std::pmr::vector<const Token*> stack;
};
thread_local EvaluationLists evaluationLists;

}  // namespace

// Ordering and computing run together: each token is computed as soon as
// the ordering places it, without a list of the postfix order in between.
// Both are compiled into this function, as a call per token costs more than
// the work it does.
[[gnu::flatten]] Evaluation EvaluateFormula(StatusLine& status, std::string_view formula,
                                            long double x, long double y) {
    status.DspMsg(formula, kMessageInfo);
    EvaluationLists& lists = evaluationLists;
    Tokenise(formula, lists.tokens);
    if (lists.tokens.errorPosition != kNoError) return Failed(lists.tokens.errorPosition);
    PostfixMachine machine(x, y);
    const std::size_t unmatched = OrderPostfix(lists.tokens.tokens, lists.stack,
                                               [&](const Token& token) { machine.take(token); });
    // A ")" without its "(" is the failure reported, wherever the computing failed.
    if (unmatched != kNoError) return Failed(unmatched);
    return machine.result();
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
