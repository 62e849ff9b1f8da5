// Entry editing: digits, "000", ".", CR, BS, AC and the clipboard key.
#include "engine/calculator.h"
#include "settings/key_codes.h"
#include "values/number_text.h"
#include "values/unit_text.h"
#include "values/utf8.h"

namespace tavrik {

bool Calculator::ChkDgts(int extra) {
    const auto length = static_cast<long long>(utf8::Length(state_.displayText));
    const DisplayGeometry& g = rules_.geometry;
    bool room = (length + extra + 2) * g.digitWidth < g.displayWidth;
    if (room && !state_.displayText.empty()) {
        if (state_.displayText.front() == 'h')
            room = length + extra < g.hexWidth + 2;
        else if (state_.displayText.front() == 'd')
            room = static_cast<double>(length + extra) < g.hexWidth / 8.0 * 9.0 + 2.0;
    }
    if (!room) view_.beep();
    return room;
}

void Calculator::digit(int code) {
    const char ch = KeyCodeChar(code);
    if (state_.entry.neverCleared()) ProcBtn(kAllClear);
    if (!state_.entry.typing()) {
        // The operand after an operator is a new value: a calendar date shown
        // as the left operand does not make it a date.
        const bool afterOperator =
            state_.entry.state() == EntryState::OperatorPending && state_.pendingOperator >= 0;
        setDisplay(EntryPrefixOf(values_, state_.displayText, !afterOperator) + ch);
        state_.entry.startOperand(state_.pendingOperator);
        DspMsg("", kMessageClear);
        return;
    }
    if (!ChkDgts(0)) return;
    std::string text = IsZeroText(values_, state_.displayText)
                           ? TrimTrailingZeros(state_.displayText) + ch
                           : state_.displayText + ch;
    setDisplay(GroupDigits(values_, text));
}

void Calculator::threeZeros() {
    if (!state_.entry.typing() || !ChkDgts(2)) return;
    if (IsZeroText(values_, state_.displayText)) return;
    setDisplay(GroupDigits(values_, state_.displayText + "000"));
}

void Calculator::decimalPoint() {
    const std::string& text = state_.displayText;
    const bool calendar = mode() == CalcMode::Date && !text.empty() && text.front() == 'c';
    if (mode() == CalcMode::Mixed || calendar) return;
    if (state_.entry.neverCleared()) {
        ProcBtn(kAllClear);
        return;
    }
    if (!state_.entry.typing()) {
        setDisplay(EntryPrefixOf(values_, text, false) + "0.");
        state_.entry.startOperand(state_.pendingOperator);
        return;
    }
    // Only the number being typed is looked at: a result or first operand
    // still on the display does not stop a new number from starting with ".".
    if (mode() == CalcMode::Decimal) {
        if (!utf8::Contains(text, ".")) setDisplay(text + ".");
        return;
    }
    const std::string bare = SplitUnitText(values_, text, true, false).parts[kBareNumberSlot];
    if (bare.empty())
        setDisplay(text + "0.");
    else if (!utf8::Contains(bare, "."))
        setDisplay(text + ".");
}

void Calculator::clearEntry() {
    setDisplay(zeroText());
    state_.entry.endOperand();
}

void Calculator::backspace() {
    if (!state_.entry.typing()) return;
    std::string remaining = utf8::DropLast(state_.displayText);
    const std::string prefix = EntryPrefixOf(values_, state_.displayText, true);
    if (!utf8::EqualsIgnoreCase(remaining, prefix) &&
        !utf8::EqualsIgnoreCase(remaining, prefix + "-")) {
        setDisplay(std::move(remaining));
        return;
    }
    setDisplay(prefix + "0");
    state_.entry.endOperand();
}

void Calculator::allClear() {
    state_.entry.showResult();
    state_.accumulator = 0;
    state_.operand = 0;
    state_.pendingOperator = -1;
    state_.lastFunctionCode = -1;
    state_.repeatConstant = 0;
    state_.repeatOperator = -1;
    errors_.resetErrorCount();
    state_.unitLevel = kAnyUnitLevel;
    setDisplay(zeroText());
    state_.previousDisplayText = state_.displayText;
    setPanel(StatusPart::Message, "");
    setPanel(StatusPart::Operation, "");
    const auto& lines = history_.current().lines;
    if (!lines.empty() && !utf8::Contains(lines.back(), kAcLineText))
        AddHList(kAcLineText, kAcLine);
    WriteLog(kAcLineText);
}

void Calculator::copyToClipboard() {
    std::string text = state_.displayText;
    utf8::EraseFirst(text, "d ");
    utf8::EraseFirst(text, "h ");
    utf8::EraseFirst(text, "c ");
    if (utf8::Contains(state_.displayText, "h ")) text = settings_.HexB + text + settings_.HexA;
    view_.setClipboard(text);
}

}  // namespace tavrik
