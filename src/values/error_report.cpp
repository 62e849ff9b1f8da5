#include "values/error_report.h"

namespace tavrik {

std::string FailureMessage(const CalcFailure& failure) {
    switch (failure.kind()) {
        case FailureKind::ZeroDivide:
            return "０除算エラー";
        case FailureKind::Overflow:
            return "オーバーフロー";
        case FailureKind::Underflow:
            return "アンダーフロー";
        case FailureKind::InvalidArgument:
            return "範囲外パラメータ";
        case FailureKind::InvalidOp:
            return "無効演算";
        case FailureKind::IntOverflow:
            return "オーバーフロー";
        case FailureKind::Convert:
            return "変換エラー";
        case FailureKind::MathError:
        case FailureKind::Other:
            break;
    }
    return failure.what();
}

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
    const std::string message = FailureMessage(failure);
    report(message, "エラーです\r\n\r\n" + message);
}

void ErrorReporter::ReportReadFailure(bool conversion) {
    view_.beep();
    status_.DspMsg(conversion ? "ERROR: Convert" : "ERROR: Other", kMessageError);
}

}  // namespace tavrik
