// The operator step: + - * / = % and two-operand functions, one step per
// entry state, each with its rule for the repeat constant of "=" and for "%".
#include <stdexcept>

#include "engine/calculator.h"
#include "engine/time_sheet_keys.h"
#include "settings/function_codes.h"
#include "settings/key_codes.h"
#include "values/number_text.h"
#include "values/time_sheet.h"
#include "values/unit_arithmetic.h"

namespace tavrik {

namespace {

bool IsRepeatKey(int code) {
    return code == kEquals || code == kPercent;
}
bool IsArithmetic(int code) {
    return code >= kAdd && code <= kDivide;
}
// The operators of time and date mode: the four and, in time mode, 時刻差.
bool IsUnitOperator(int code) {
    return IsArithmetic(code) || code == kClockDifference;
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
                         userFunctionEvaluator_,
                         settings_.ReducedTax,
                         reducedRateLast_};
    return ApplyOperator(ctx, code, x, y);
}

void Calculator::operatorStep(int k) {
    CalcState& s = state_;
    if (mode() == CalcMode::Time && s.entry.typing()) completeTimeEntry();
    s.previousDisplayText = s.displayText;
    DspMsg("", kMessageClear);
    if (s.entry.typing()) AddHList(s.displayText, kValueLine);
    std::string label;
    if (k <= kLastKeyCode) {
        label = std::string(1, KeyCodeChar(k));
        setPanel(StatusPart::Operation, label);
        AddHList("#" + label, kOperationLine);
    } else {
        if (k == kClockDifference)
            label = TimeSheetKeyLabel(k);
        else if (k < kNoFunction || k > kLastFunction)
            throw std::logic_error("function code out of range");
        else
            label = settings_.FunctionTitle(k);
        setPanel(StatusPart::Operation, label);
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
    if (s.lastFunctionCode > 0) s.entry.startOperand(s.pendingOperator);
    switch (s.entry.state()) {
        case EntryState::ResultShown:
            operatorOnResult(k);
            break;
        case EntryState::FirstOperand:
            operatorOnFirstOperand(k);
            break;
        case EntryState::OperatorPending:
            operatorOnPendingOperator(k);
            break;
        case EntryState::SecondOperand:
            operatorOnSecondOperand(k);
            break;
        case EntryState::NeverCleared:
            return;  // never cleared: nothing happens
    }
    s.pendingOperator = k;
}

// A result is shown. "=" repeats the last operation on it with the repeat
// constant: result op constant, again at each "=". "%" repeats it with the
// constant as a percentage after × and ÷ (constant / 100) and with 0 after +
// and −. Any other operator takes the result as its left operand.
void Calculator::operatorOnResult(int k) {
    CalcState& s = state_;
    if (!IsRepeatKey(k)) {
        s.entry.awaitOperand();
        return;
    }
    s.operand = s.repeatConstant;
    if (k == kPercent)
        s.operand =
            s.repeatOperator == kMultiply || s.repeatOperator == kDivide ? s.operand / 100 : 0;
    s.accumulator = apply(s.repeatOperator, s.accumulator, s.operand);
    setDisplay(format(s.accumulator));
}

// A first operand is typed, no operator waits. "=" applies the repeat
// operation with its constant to it: typed op constant. "%" reads it as a
// percentage: after × it gives typed / 100 × constant, after ÷ typed × 100
// ÷ constant, after + and − it gives 0. Any other operator takes the typed
// number as its left operand.
void Calculator::operatorOnFirstOperand(int k) {
    CalcState& s = state_;
    if (k == kEquals) {
        s.accumulator = displayValue();
        s.accumulator = apply(s.repeatOperator, s.accumulator, s.repeatConstant);
        setDisplay(format(s.accumulator));
        s.entry.showResult();
    } else if (k == kPercent) {
        // Scaled by 100 on the value as read, before it becomes extended.
        const CalcValue value = ParseValueText(values_, s.displayText);
        const CalcValue hundred = CalcValue::int32(100);
        if (s.repeatOperator == kMultiply)
            s.accumulator = apply(kMultiply, Divide(value, hundred).extended(), s.repeatConstant);
        else if (s.repeatOperator == kDivide)
            s.accumulator = apply(kDivide, Multiply(value, hundred).extended(), s.repeatConstant);
        else
            s.accumulator = 0;
        setDisplay(format(s.accumulator));
        s.entry.showResult();
    } else {
        s.accumulator = displayValue();
        s.entry.awaitOperand();
    }
}

// An operator waits for its right operand. "=" uses the left operand x as
// the operation's constant and its own operand: x × = gives x × x, x ÷ =
// gives 1 ÷ x, x + = gives 0 + x, x − = gives 0 − x, each repeated by a
// further "=". When the operator waiting is itself "=" or "%", the repeat
// constant in force is the operand instead. "%" does the same with the
// operand divided by 100. Any other operator replaces the one waiting.
void Calculator::operatorOnPendingOperator(int k) {
    CalcState& s = state_;
    if (!IsRepeatKey(k)) return;
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
    s.entry.showResult();
}

// Both operands are in: x op y. "=" gives x op y and keeps op with a
// constant for a repeated "=": y after + − ÷, x after × (a two-operand
// function keeps the constant it had). "%" gives x op y / 100 after × and ÷
// and x op (x × y / 100) after + and − (mark-up and discount), keeping y as
// the constant after ÷ and x otherwise. After "=" or "%" themselves the
// repeat operation and constant stay as they were. Any other operator
// chains: x op y becomes the left operand of the next operation.
void Calculator::operatorOnSecondOperand(int k) {
    CalcState& s = state_;
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
        s.entry.showResult();
    } else if (k == kPercent) {
        if (!IsRepeatKey(s.pendingOperator)) {
            s.repeatOperator = s.pendingOperator;
            s.repeatConstant = s.pendingOperator == kDivide ? s.operand : s.accumulator;
        }
        if (s.repeatOperator == kMultiply || s.repeatOperator == kDivide)
            s.accumulator = apply(s.repeatOperator, s.accumulator, s.operand / 100);
        else
            s.accumulator = apply(s.repeatOperator, s.accumulator, s.accumulator * s.operand / 100);
        s.entry.showResult();
    } else {
        s.accumulator = apply(s.pendingOperator, s.accumulator, s.operand);
        s.entry.awaitOperand();
    }
    setDisplay(format(s.accumulator));
}

// Time and date mode: an operator takes the display as its left operand and
// the second operand completes the operation. Nothing repeats: "=" and "%"
// only end the entry, and "%" takes no percentage.
void Calculator::unitOperatorStep(int k) {
    CalcState& s = state_;
    switch (s.entry.state()) {
        case EntryState::ResultShown:
        case EntryState::FirstOperand:
            if (IsUnitOperator(k)) {
                s.firstOperandText = s.displayText;
                s.entry.awaitOperand();
            } else {
                s.entry.showResult();
            }
            s.pendingOperator = k;
            break;
        case EntryState::OperatorPending:
            s.pendingOperator = k;
            break;
        case EntryState::SecondOperand: {
            std::string result =
                s.pendingOperator == kClockDifference
                    ? ClockDifference(values_, s.unitLevel, s.firstOperandText, s.displayText)
                : mode() == CalcMode::Time ? TimeOperation(values_, s.unitLevel, s.pendingOperator,
                                                           s.firstOperandText, s.displayText)
                                           : DateOperation(values_, s.unitLevel, s.pendingOperator,
                                                           s.firstOperandText, s.displayText);
            s.firstOperandText = result;
            setDisplay(std::move(result));
            if (IsUnitOperator(s.pendingOperator))
                s.entry.awaitOperand();
            else
                s.entry.showResult();
            if (errors_.errorCount() == 0) s.pendingOperator = k;
            break;
        }
        case EntryState::NeverCleared:
            break;
    }
}

}  // namespace tavrik
