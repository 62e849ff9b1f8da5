// One line of a formula sheet answered. A run and the live answers both read
// a line through AnswerSheetLine, so they apply the same rules and bounds.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "formula/stage_result.h"
#include "values/value_context.h"

namespace tavrik {

enum class LineOutcome {
    NoFormula,          // a note, a comment, or no complete two-operand formula
    TooLong,            // longer than kMaxFormulaLineLength: left as a note
    NeedsFunctionKeys,  // a power, a root or a named function
    NotComputed,        // the formula failed: division by zero, overflow, …
    Answered,
};

struct LineAnswer {
    LineOutcome outcome = LineOutcome::NoFormula;
    std::string formula;  // the normalised formula, ending with "="; empty without one
    std::string value;    // Answered: the value as the display writes it
    // NotComputed: the character of `formula` where the evaluation failed.
    std::size_t errorPosition = kNoError;
    bool answered() const { return outcome == LineOutcome::Answered; }
};

// Answers a piece of text with the decimal value rules of `decimal`, whose
// status line shows the formula. `x` gives X and is asked only when there is
// a formula. A failure to format the value propagates.
LineAnswer AnswerFormulaText(std::string_view text, const ValueContext& decimal,
                             const std::function<long double()>& x);
// The same into `answer`, whose texts keep their room from one line to the next.
void AnswerFormulaText(std::string_view text, const ValueContext& decimal,
                       const std::function<long double()>& x, LineAnswer& answer);

// The same for a sheet line: a blank or comment line has no formula.
LineAnswer AnswerSheetLine(std::string_view line, const ValueContext& decimal,
                           const std::function<long double()>& x);

// Whether `line` reads as an answer line a run wrote: `head` ("=", or the
// formula when the formula is written with its answer) and a value as the
// display writes it.
bool IsAnswerLine(std::string_view line, std::string_view head);

}  // namespace tavrik
