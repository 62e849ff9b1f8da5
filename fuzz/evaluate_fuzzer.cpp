// Arbitrary text as a formula or a user function: evaluation never faults, a
// failure gives 0 with the position of a character of the formula, and the
// stages agree with the whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "formula/evaluator.h"
#include "formula/postfix.h"
#include "values/utf8.h"
#include "values/view.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first bytes choose X and Y.
    double xy[2] = {0, 0};
    if (size < sizeof xy) return 0;
    std::memcpy(xy, data, sizeof xy);
    const std::string_view formula(reinterpret_cast<const char*>(data) + sizeof xy,
                                   size - sizeof xy);

    tavrik::NullView view;
    tavrik::StatusLine status(view);
    const tavrik::Evaluation result = tavrik::EvaluateFormula(status, formula, xy[0], xy[1]);
    Require(status.panel(tavrik::StatusPart::Message) == formula);
    if (!result.ok) {
        Require(result.value == 0);
        Require(result.errorPosition <= tavrik::utf8::Length(formula));
    }

    // Each stage fails where the whole does.
    const tavrik::TokenList tokens = tavrik::Tokenise(formula);
    if (tokens.errorPosition == tavrik::kNoError) {
        const tavrik::PostfixList postfix = tavrik::ToPostfix(tokens.tokens);
        Require(postfix.tokens.size() <= tokens.tokens.size());
        if (postfix.errorPosition == tavrik::kNoError) {
            const tavrik::Evaluation staged = tavrik::EvaluatePostfix(postfix.tokens, xy[0], xy[1]);
            Require(staged.ok == result.ok);
            Require(staged.errorPosition == result.errorPosition);
            Require(!staged.ok || staged.value == result.value ||
                    (staged.value != staged.value && result.value != result.value));
        } else {
            Require(!result.ok && result.errorPosition == postfix.errorPosition);
        }
    } else {
        Require(!result.ok && result.errorPosition == tokens.errorPosition);
    }

    const long double a = xy[0];
    const long double value = tavrik::EvaluateFunctionText(status, formula, a, xy[1]);
    Require(!formula.empty() || value == a || (value != value && a != a));
    return 0;
}
