// Paste: a number from the clipboard enters the display as if it were typed;
// and its reverse, the plain number put on the clipboard.
#include "engine/calculator.h"
#include "settings/key_codes.h"
#include "values/pasted_number.h"
#include "values/plain_number.h"

namespace tavrik {

void Calculator::pasteClipboard() {
    pasteText(view_.clipboardText());
}

void Calculator::pasteText(std::string_view text) {
    recordKeyStep();
    guarded([&] {
        log_.appendKeyTrace(kPaste);
        if (state_.entry.neverCleared()) ProcBtn(kAllClear);
        const PastedNumber pasted = ReadPastedNumber(values_, text);
        if (!pasted.accepted()) {
            view_.beep();
            DspMsg(pasted.refusal, kMessageError);
            return;
        }
        // A new number starts as the first digit would start it; a number
        // being typed is replaced, not extended.
        setDisplay(pasted.text);
        DspMsg("", kMessageClear);
        if (state_.entry.typing()) return;
        state_.entry.startOperand(state_.pendingOperator);
    });
}

void Calculator::copyPlainNumber() {
    guarded([&] { view_.setClipboard(PlainNumberText(values_, state_.displayText)); });
}

}  // namespace tavrik
