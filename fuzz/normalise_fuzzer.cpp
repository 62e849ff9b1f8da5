// Arbitrary text as a sheet line: the normalised formula is empty or written
// in the evaluator's alphabet with one "=" at its end, and it evaluates
// without a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formula/evaluator.h"
#include "formula/normalise.h"
#include "values/utf8.h"
#include "values/view.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tavrik::NormalisedFormula result = tavrik::NormaliseFormula(text);
    const std::string& formula = result.formula;
    if (formula.empty()) {
        Require(result.errorPosition <= tavrik::utf8::Length(text));
        return 0;
    }
    Require(result.errorPosition == tavrik::kNoError);
    Require(formula.find_first_not_of("0123456789.+-*/()X=") == std::string::npos);
    Require(formula.find('=') == formula.size() - 1);

    tavrik::NullView view;
    tavrik::StatusLine status(view);
    const tavrik::Evaluation evaluation = tavrik::EvaluateFormula(status, formula, 3, 0);
    Require(evaluation.ok || evaluation.value == 0);
    return 0;
}
