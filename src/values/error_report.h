// Reporting of calculation failures: a beep, the message in the error strip, a
// modal box once too many errors came in a row (or the strip cannot be seen),
// and a line in the log.
#pragma once

#include <string>
#include <string_view>

#include "values/math_error.h"
#include "values/message_line.h"
#include "values/view.h"

namespace tavrik {

class ErrorReporter {
  public:
    ErrorReporter(View& view, StatusLine& status, LogSink& log)
        : view_(view), status_(status), log_(log) {}

    void setErrCtMax(int limit) { errCtMax_ = limit; }

    // Errors in a row; reset by AC and by every operation that completes.
    int errorCount() const { return errorCount_; }
    void resetErrorCount() { errorCount_ = 0; }

    // A failure the calculation detected and worded itself.
    void ReportCalcError(std::string_view message);
    // An arithmetic failure raised while a key was processed.
    void ReportMathException(const CalcFailure& failure);
    // The number reader's own report: beep and the strip only, never counted or logged.
    void ReportReadFailure(bool conversion);

  private:
    void report(std::string_view message, const std::string& boxText);

    View& view_;
    StatusLine& status_;
    LogSink& log_;
    int errCtMax_ = 10;
    int errorCount_ = 0;
};

}  // namespace tavrik
