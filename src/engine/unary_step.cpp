// The unary step: "+/-", the tax keys and one-operand function keys.
#include <stdexcept>

#include "engine/calculator.h"
#include "settings/function_codes.h"
#include "settings/key_codes.h"
#include "values/number_text.h"

namespace tavrik {

std::string Calculator::functionLabel(int code) const {
    switch (code) {
        case kChangeSign:
            return "+/-";
        case kTaxIn:
            return "税込";
        case kTaxOut:
            return "税抜";
        case kReducedTaxIn:
            return "軽減税込";
        case kReducedTaxOut:
            return "軽減税抜";
        case kTaxAmount:
            return "税額";
        default:
            break;
    }
    if (code > kLastFunction) throw std::logic_error("function code out of range");
    if (code >= kFirstFunction) return settings_.FunctionTitle(code);
    return std::to_string(code);
}

void Calculator::functionKey(int code) {
    if (FunctionArity(code, settings_.FStr) == 2)
        operatorStep(code);
    else
        unaryStep(code);
}

void Calculator::unaryStep(int k) {
    CalcState& s = state_;
    const std::string old = s.displayText;
    DspMsg("", kMessageClear);
    const std::string label = functionLabel(k);
    if (s.entry.typing() && k != kChangeSign) {
        AddHList(s.displayText, kValueLine);
        s.entry.endOperand();
    }
    if (k == kChangeSign) {
        s.previousDisplayText = s.displayText;
        setDisplay(NegateValueText(values_, s.displayText));
    } else if (k == kExchange) {
        std::string previous = s.previousDisplayText;
        s.previousDisplayText = s.displayText;
        setDisplay(std::move(previous));
    } else {
        s.previousDisplayText = s.displayText;
        if (k == kTaxIn || k == kTaxOut) reducedRateLast_ = false;
        if (k == kReducedTaxIn || k == kReducedTaxOut) reducedRateLast_ = true;
        const long double x = displayValue();
        setDisplay(format(apply(k, x, 0)));
    }
    if (k != kChangeSign) s.lastFunctionCode = k;
    setPanel(StatusPart::Operation, label);
    AddHList("#F" + std::to_string(k) + " (" + label + ")", kOperationLine);
    WriteLog(old + " (" + label + ") [" + s.displayText + "]");
}

}  // namespace tavrik
