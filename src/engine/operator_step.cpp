// The operator step: + - * / = % and two-operand functions, with the repeat
// constant of "=" and the mark-up and discount rules of "%".
#include <stdexcept>

#include "engine/button_codes.h"
#include "engine/calculator.h"
#include "settings/function_codes.h"
#include "values/number_text.h"
#include "values/unit_arithmetic.h"

namespace tavrik {

namespace {

bool IsRepeatKey(int code) {
    return code == kEquals || code == kPercent;
}
bool IsArithmetic(int code) {
    return code >= kAdd && code <= kDivide;
}

}  // namespace

long double Calculator::apply(int code, long double x, long double y) {
    OperationContext ctx{mode(),
                         status_,
                         errors_,
                         settings_.Tax,
                         settings_.TaxRound,
                         random_,
                         settings_.FStr,
                         userFunctionEvaluator_};
    return ApplyOperator(ctx, code, x, y);
}

void Calculator::operatorStep(int k) {
    CalcState& s = state_;
    s.previousDisplayText = s.displayText;
    DspMsg("", kMessageClear);
    if (Typing(s.entryState)) AddHList(s.displayText, kValueLine);
    std::string label;
    if (k <= 37) {
        label = std::string(1, KeyCodeChar(k));
        setPanel(3, label);
        AddHList("#" + label, kOperationLine);
    } else {
        if (k < kNoFunction || k > kLastFunction)
            throw std::logic_error("function code out of range");
        label = settings_.FunctionTitle(k);
        setPanel(3, label);
        AddHList("#F" + std::to_string(k) + " (" + label + ")", kOperationLine);
    }
    if (mode() == CalcMode::Decimal || mode() == CalcMode::Mixed)
        numericOperatorStep(k);
    else
        unitOperatorStep(k);
    s.lastFunctionCode = -1;
    WriteLog(s.previousDisplayText + " " + label + " [" + s.displayText + "]");
}

void Calculator::numericOperatorStep(int k) {
    CalcState& s = state_;
    if (s.lastFunctionCode > 0) s.entryState = OperandStarted(s.entryState, s.pendingOperator);
    switch (s.entryState) {
        case kResultShown:
            if (IsRepeatKey(k)) {
                s.operand = s.repeatConstant;
                if (k == kPercent)
                    s.operand = s.repeatOperator == kMultiply || s.repeatOperator == kDivide
                                    ? s.operand / 100
                                    : 0;
                s.accumulator = apply(s.repeatOperator, s.accumulator, s.operand);
                setDisplay(format(s.accumulator));
            } else {
                s.entryState = kOperatorPending;
            }
            break;
        case kFirstOperand:
            if (k == kEquals) {
                s.accumulator = displayValue();
                s.accumulator = apply(s.repeatOperator, s.accumulator, s.repeatConstant);
                setDisplay(format(s.accumulator));
                s.entryState = kResultShown;
            } else if (k == kPercent) {
                // Scaled by 100 on the value as read, before it becomes extended.
                const CalcValue value = ParseValueText(values_, s.displayText);
                const CalcValue hundred = CalcValue::int32(100);
                if (s.repeatOperator == kMultiply)
                    s.accumulator =
                        apply(kMultiply, Divide(value, hundred).extended(), s.repeatConstant);
                else if (s.repeatOperator == kDivide)
                    s.accumulator =
                        apply(kDivide, Multiply(value, hundred).extended(), s.repeatConstant);
                else
                    s.accumulator = 0;
                setDisplay(format(s.accumulator));
                s.entryState = kResultShown;
            } else {
                s.accumulator = displayValue();
                s.entryState = kOperatorPending;
            }
            break;
        case kOperatorPending:
            if (IsRepeatKey(k)) {
                if (IsRepeatKey(s.pendingOperator)) {
                    s.operand = s.repeatConstant;
                } else {
                    s.repeatOperator = s.pendingOperator;
                    s.repeatConstant = s.accumulator;
                    s.operand = s.pendingOperator == kMultiply ? s.accumulator
                                : s.pendingOperator == kDivide ? 1
                                                               : 0;
                }
                if (k == kPercent) s.operand /= 100;
                s.accumulator = apply(s.repeatOperator, s.operand, s.accumulator);
                setDisplay(format(s.accumulator));
                s.entryState = kResultShown;
            }
            break;
        case kSecondOperand:
            s.operand = displayValue();
            if (k == kEquals) {
                if (!IsRepeatKey(s.pendingOperator)) {
                    s.repeatOperator = s.pendingOperator;
                    if (IsArithmetic(s.pendingOperator) && s.pendingOperator != kMultiply)
                        s.repeatConstant = s.operand;
                    else if (s.pendingOperator == kMultiply)
                        s.repeatConstant = s.accumulator;
                }
                s.accumulator = apply(s.repeatOperator, s.accumulator, s.operand);
                s.entryState = kResultShown;
            } else if (k == kPercent) {
                if (!IsRepeatKey(s.pendingOperator)) {
                    s.repeatOperator = s.pendingOperator;
                    s.repeatConstant = s.pendingOperator == kDivide ? s.operand : s.accumulator;
                }
                if (s.repeatOperator == kMultiply || s.repeatOperator == kDivide)
                    s.accumulator = apply(s.repeatOperator, s.accumulator, s.operand / 100);
                else
                    s.accumulator =
                        apply(s.repeatOperator, s.accumulator, s.accumulator * s.operand / 100);
                s.entryState = kResultShown;
            } else {
                s.accumulator = apply(s.pendingOperator, s.accumulator, s.operand);
                s.entryState = kOperatorPending;
            }
            setDisplay(format(s.accumulator));
            break;
        default:
            return;  // never cleared: nothing happens
    }
    s.pendingOperator = k;
}

void Calculator::unitOperatorStep(int k) {
    CalcState& s = state_;
    switch (s.entryState) {
        case kResultShown:
        case kFirstOperand:
            if (IsArithmetic(k)) {
                s.firstOperandText = s.displayText;
                s.entryState = kOperatorPending;
            } else {
                s.entryState = kResultShown;
            }
            s.pendingOperator = k;
            break;
        case kOperatorPending:
            s.pendingOperator = k;
            break;
        case kSecondOperand: {
            std::string result = mode() == CalcMode::Time
                                     ? TimeOperation(values_, s.unitLevel, s.pendingOperator,
                                                     s.firstOperandText, s.displayText)
                                     : DateOperation(values_, s.unitLevel, s.pendingOperator,
                                                     s.firstOperandText, s.displayText);
            s.firstOperandText = result;
            setDisplay(std::move(result));
            s.entryState = IsArithmetic(s.pendingOperator) ? kOperatorPending : kResultShown;
            if (errors_.errorCount() == 0) s.pendingOperator = k;
            break;
        }
        default:
            break;
    }
}

}  // namespace tavrik
