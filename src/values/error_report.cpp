#include "values/error_report.h"

namespace tavrik {

void ErrorReporter::report(std::string_view message, const std::string& boxText) {
    view_.beep();
    status_.DspMsg(message, kMessageError);
    if (errCtMax_ > 0) ++errorCount_;
    if (errorCount_ > errCtMax_ || !view_.statusBarVisible())
        view_.messageBox(BoxKind::Error, boxText);
    log_.WriteLog(message);
}

void ErrorReporter::ReportCalcError(std::string_view message) {
    report(message, std::string(message));
}

void ErrorReporter::ReportMathException(const CalcFailure& failure) {
    const std::string message = FailureText(failure);
    report(message, "エラーです\r\n\r\n" + message);
}

void ErrorReporter::ReportReadFailure(bool conversion) {
    view_.beep();
    status_.DspMsg(conversion ? "ERROR: Convert" : "ERROR: Other", kMessageError);
}

}  // namespace tavrik
