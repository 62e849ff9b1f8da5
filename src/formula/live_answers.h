// The answers of a formula sheet kept line by line while its text is edited
// ("自動計算"): an edit names the lines it replaced, and only those are
// answered again. The answers stand beside the text, never in it, so the
// user's text, caret and undo history are not touched. Failures and reading
// errors of a line stay silent: a line being typed is often not a formula yet.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "formula/formula_sheet.h"
#include "values/error_report.h"
#include "values/message_line.h"

namespace tavrik {

class LiveAnswers {
  public:
    explicit LiveAnswers(SheetHost& host);

    // The whole text (any line ends): every line waits for its answer.
    void setText(std::string_view text);
    // `removed` lines from line `first` on were replaced by `added`.
    void replaceLines(std::size_t first, std::size_t removed, std::vector<std::string> added);
    // Every line waits again: X or the value rules changed.
    void invalidate();

    // Answers the lines changed since the last call; returns how many lines
    // were evaluated.
    std::size_t answerChanged();

    std::size_t lineCount() const { return lines_.size(); }
    // The answer of a line as the display would show it; empty for a line
    // without one.
    const std::string& answer(std::size_t line) const;

  private:
    struct Line {
        std::string text;
        std::string answer;
        bool waiting = true;
    };
    void markWaiting(std::size_t first, std::size_t last);
    std::string answerOf(std::string_view line, const ValueContext& decimal, long double x);

    SheetHost& host_;
    std::vector<Line> lines_;
    // The lines that may wait lie in [waitingFirst_, waitingEnd_).
    std::size_t waitingFirst_ = 0;
    std::size_t waitingEnd_ = 0;
    // Where the answers' failures go: nowhere the user sees.
    NullView silentView_;
    NullLog silentLog_;
    StatusLine silentStatus_{silentView_};
    ErrorReporter silentErrors_{silentView_, silentStatus_, silentLog_};
};

}  // namespace tavrik
