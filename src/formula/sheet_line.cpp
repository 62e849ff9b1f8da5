#include "formula/sheet_line.h"

#include <algorithm>

#include "formula/evaluator.h"
#include "formula/normalise.h"
#include "formula/sheet_text.h"
#include "values/number_text.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

// The characters of a decimal value as the display writes it: digits,
// grouping commas, a point, a sign and an exponent ('-1,234.5', '1.5E20').
bool IsValueText(std::string_view text) {
    return std::ranges::any_of(text, [](char c) { return c >= '0' && c <= '9'; }) &&
           text.find_first_not_of("0123456789,.-+E") == std::string_view::npos;
}

}  // namespace

void AnswerFormulaText(std::string_view text, const ValueContext& decimal,
                       const std::function<long double()>& x, LineAnswer& answer) {
    answer.outcome = LineOutcome::NoFormula;
    answer.value.clear();
    answer.errorPosition = kNoError;
    if (text.size() > kMaxFormulaLineLength && utf8::Length(text) > kMaxFormulaLineLength) {
        answer.formula.clear();
        answer.outcome = LineOutcome::TooLong;
        return;
    }
    // The formula's room passes to the normaliser and back.
    NormalisedFormula normalised{std::move(answer.formula)};
    NormaliseFormula(text, normalised);
    answer.formula = std::move(normalised.formula);
    if (normalised.needsFunctionKeys) answer.outcome = LineOutcome::NeedsFunctionKeys;
    if (answer.formula.empty()) return;
    const Evaluation result = EvaluateFormula(decimal.services.status, answer.formula, x(), 0);
    if (!result.ok) {
        answer.outcome = LineOutcome::NotComputed;
        answer.errorPosition = result.errorPosition;
        return;
    }
    if (auto value = FormatValue(decimal, result.value)) answer.value = std::move(*value);
    answer.outcome = LineOutcome::Answered;
}

LineAnswer AnswerFormulaText(std::string_view text, const ValueContext& decimal,
                             const std::function<long double()>& x) {
    LineAnswer answer;
    AnswerFormulaText(text, decimal, x, answer);
    return answer;
}

LineAnswer AnswerSheetLine(std::string_view line, const ValueContext& decimal,
                           const std::function<long double()>& x) {
    if (IsCommentOrBlank(line)) return {};
    return AnswerFormulaText(line, decimal, x);
}

bool IsAnswerLine(std::string_view line, std::string_view head) {
    return line.starts_with(head) && IsValueText(line.substr(head.size()));
}

}  // namespace tavrik
