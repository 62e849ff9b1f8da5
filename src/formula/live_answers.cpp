#include "formula/live_answers.h"

#include <algorithm>

#include "formula/sheet_line.h"
#include "formula/sheet_text.h"
#include "values/math_error.h"
#include "values/number_text.h"

namespace tavrik {

LiveAnswers::LiveAnswers(SheetHost& host) : host_(host) {}

void LiveAnswers::setText(std::string_view text) {
    const std::string lined = WithLineBreaks(std::string(text));
    lines_.clear();
    for (std::string_view line : SheetLines(lined)) lines_.push_back({std::string(line), {}, true});
    markWaiting(0, lines_.size());
}

void LiveAnswers::replaceLines(std::size_t first, std::size_t removed,
                               std::vector<std::string> added) {
    first = std::min(first, lines_.size());
    removed = std::min(removed, lines_.size() - first);
    const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(first);
    lines_.erase(at, at + static_cast<std::ptrdiff_t>(removed));
    std::vector<Line> fresh;
    fresh.reserve(added.size());
    for (std::string& text : added) fresh.push_back({std::move(text), {}, true});
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(first),
                  std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    // The waiting range moves with the lines after the edit.
    const auto shift = [&](std::size_t index) {
        if (index < first + removed) return std::min(index, first);
        return index - removed + added.size();
    };
    if (waitingFirst_ < waitingEnd_) {
        waitingFirst_ = shift(waitingFirst_);
        waitingEnd_ = std::max(shift(waitingEnd_), waitingFirst_);
    }
    markWaiting(first, first + added.size());
}

void LiveAnswers::invalidate() {
    for (Line& line : lines_) line.waiting = true;
    markWaiting(0, lines_.size());
}

void LiveAnswers::markWaiting(std::size_t first, std::size_t last) {
    if (first >= last) return;
    if (waitingFirst_ >= waitingEnd_) {
        waitingFirst_ = first;
        waitingEnd_ = last;
    } else {
        waitingFirst_ = std::min(waitingFirst_, first);
        waitingEnd_ = std::max(waitingEnd_, last);
    }
    waitingEnd_ = std::min(waitingEnd_, lines_.size());
}

std::size_t LiveAnswers::answerChanged() {
    if (waitingFirst_ >= waitingEnd_) return 0;
    ValueRules rules = host_.values().rules;
    rules.mode = CalcMode::Decimal;
    rules.radix = Radix::None;
    const ValueServices services{silentErrors_, silentStatus_, host_.values().services.clock};
    const ValueContext decimal{rules, services};
    long double x = 0;
    try {
        x = ParseValueText(decimal, host_.displayText()).extended();
    } catch (const ReportedFailure&) {
        // A display that is no decimal number (time, date) gives X = 0, as a run does.
    }
    std::size_t evaluated = 0;
    for (std::size_t i = waitingFirst_; i < waitingEnd_ && i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (!line.waiting) continue;
        line.answer = answerOf(line.text, decimal, x);
        line.waiting = false;
        ++evaluated;
    }
    waitingFirst_ = waitingEnd_ = 0;
    return evaluated;
}

std::string LiveAnswers::answerOf(std::string_view line, const ValueContext& decimal,
                                  long double x) {
    try {
        LineAnswer answer = AnswerSheetLine(line, decimal, [x] { return x; });
        return answer.answered() ? std::move(answer.value) : std::string();
    } catch (const CalcFailure&) {
        return {};
    }
}

const std::string& LiveAnswers::answer(std::size_t line) const {
    static const std::string kNone;
    return line < lines_.size() ? lines_[line].answer : kNone;
}

}  // namespace tavrik
