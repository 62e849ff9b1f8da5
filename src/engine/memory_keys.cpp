// Memory registers: select, store, recall, M+, M-, MR and MC.
#include "engine/calculator.h"
#include "settings/key_codes.h"
#include "values/number_text.h"

namespace tavrik {

void Calculator::selectMemory(int slot) {
    if (slot < 0 || slot > 3) return;
    memory_.current = slot;
    view_.changed(kMemoryChanged);
}

void Calculator::storeMemory(int slot) {
    if (slot < 0 || slot > 3) return;
    memory_.texts[static_cast<std::size_t>(slot)] = state_.displayText;
    view_.changed(kMemoryChanged);
}

void Calculator::recallMemory(int slot) {
    if (slot < 0 || slot > 3) return;
    const std::string text = memory_.texts[static_cast<std::size_t>(slot)];
    if (text.empty()) return;
    std::string fitted = FitTextToMode(values_, text);
    if (fitted.empty()) {
        WriteLog(state_.displayText + " (MC " + text + ")");
        return;
    }
    WriteLog(state_.displayText + " (MC) [" + fitted + "]");
    setDisplay(std::move(fitted));
    state_.entry.startOperand(state_.pendingOperator);
}

void Calculator::memoryAddSubtract(int code) {
    CalcState& s = state_;
    if (mode() == CalcMode::Time || mode() == CalcMode::Date) {
        if (code == kMemoryAdd) storeMemory(memory_.current);
        return;
    }
    if (s.entry.typingFirstOperand()) {
        AddHList(s.displayText, kValueLine);
        s.accumulator = displayValue();
        s.pendingOperator = -1;
        s.entry.awaitOperand();
        WriteLog(s.displayText + "[" + s.displayText + "]");
    } else if (s.entry.typingSecondOperand()) {
        const std::string note = s.displayText + " = ";
        AddHList(s.displayText, kValueLine);
        AddHList("#=", kOperationLine);
        s.accumulator = apply(s.pendingOperator, s.accumulator, displayValue());
        setDisplay(format(s.accumulator));
        s.pendingOperator = -1;
        s.entry.showResult();
        WriteLog(note + "[" + s.displayText + "]");
    }
    std::string& slot = memory_.texts[static_cast<std::size_t>(memory_.current)];
    const std::string fitted = FitTextToMode(values_, slot);
    if (fitted.empty()) return;
    const long double left = ParseValueText(values_, fitted).extended();
    const long double result = apply(code == kMemoryAdd ? kAdd : kSubtract, left, displayValue());
    slot = FormatValue(values_, result).value_or(slot);
    view_.changed(kMemoryChanged);
}

void Calculator::memoryRecallKey() {
    recallMemory(memory_.current);
    state_.entry.startOperand(state_.pendingOperator);
}

void Calculator::memoryClearKey() {
    memory_.texts[static_cast<std::size_t>(memory_.current)].assign(1, '0');
    view_.changed(kMemoryChanged);
}

}  // namespace tavrik
