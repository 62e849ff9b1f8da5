// Arbitrary clipboard text pasted in every mode: a text is either read whole
// or refused with a reason, a number read once reads again as itself, and a
// digit on the display comes from a digit of the text (a "²" is no "2").
// What is read goes on into a calculator: the display it gives reads as an
// operand without a failure, and its plain copy pastes back to itself.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "values/error_report.h"
#include "values/message_line.h"
#include "values/pasted_number.h"
#include "values/view.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

struct NullLog : tavrik::LogSink {
    void WriteLog(std::string_view) override {}
};

// Every refusal and every reported failure beeps.
class CountingView : public tavrik::NullView {
  public:
    void beep() override { ++beeps; }
    void setClipboard(std::string_view text) override { clipboard = text; }
    int beeps = 0;
    std::string clipboard;
};

bool HasDigit(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A plain digit or a full-width one (U+FF10 to U+FF19).
bool HasDigitOrFullWidthDigit(std::string_view s) {
    for (std::size_t at = s.find("\xEF\xBC"); at != std::string_view::npos;
         at = s.find("\xEF\xBC", at + 1))
        if (at + 2 < s.size() && static_cast<unsigned char>(s[at + 2]) >= 0x90 &&
            static_cast<unsigned char>(s[at + 2]) <= 0x99)
            return true;
    return HasDigit(s);
}

void ReadInEveryMode(std::string_view text) {
    tavrik::NullView view;
    NullLog log;
    tavrik::StatusLine status(view);
    tavrik::ErrorReporter errors(view, status, log);
    const tavrik::FixedClock clock{tavrik::DateTime{2024, 5, 3, 12, 0, 0}};
    const tavrik::ValueServices services{errors, status, clock};
    for (const char mode : std::string_view(tavrik::kModeLetters)) {
        tavrik::ValueRules rules;
        rules.mode = tavrik::ModeFromLetter(mode);
        const tavrik::ValueContext ctx{rules, services};
        const tavrik::PastedNumber pasted = tavrik::ReadPastedNumber(ctx, text);
        Require(pasted.accepted() != pasted.text.empty());
        if (!pasted.accepted()) continue;
        Require(!HasDigit(pasted.text) || HasDigitOrFullWidthDigit(text));
        const tavrik::PastedNumber again = tavrik::ReadPastedNumber(ctx, pasted.text);
        Require(again.accepted() && again.text == pasted.text);
    }
}

void PasteIntoTheCalculator(std::string_view text) {
    CountingView view;
    const tavrik::FixedClock clock{tavrik::DateTime{2024, 5, 3, 12, 0, 0}};
    tavrik::Calculator calc(view, clock);
    calc.start();
    for (const char mode : std::string_view(tavrik::kModeLetters)) {
        calc.switchMode(tavrik::ModeFromLetter(mode));
        calc.ProcBtn(tavrik::kAllClear);
        view.beeps = 0;
        calc.pasteText(text);
        if (view.beeps != 0) continue;
        calc.copyPlainNumber();
        const std::string copied = view.clipboard;
        calc.pasteText(copied);
        calc.copyPlainNumber();
        Require(view.beeps == 0 && view.clipboard == copied);
        calc.PushBBtn(tavrik::kAdd);
        Require(view.beeps == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ReadInEveryMode(text);
    PasteIntoTheCalculator(text);
    return 0;
}
