// An arbitrary state file: refused with a reason, or read into a state whose
// own text reads back to the same state. A state read goes on into a
// calculator: each register recalled in a mode that takes it is an operand
// without a failure, and every history list takes new numbered lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/calculator.h"
#include "history/kept_state.h"
#include "values/view.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Every refused recall and every reported failure beeps.
class CountingView : public tavrik::NullView {
  public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

void UseInTheCalculator(const tavrik::KeptState& state) {
    CountingView view;
    const tavrik::FixedClock clock{tavrik::DateTime{2024, 5, 3, 12, 0, 0}};
    tavrik::Calculator calc(view, clock);
    // Lists without a limit: a full list would beep for its own reason.
    calc.editSettings(
        [](tavrik::GlobalSettings& s) { s.SetTable[tavrik::kDefaultSetSlot].MaxLineH = 0; });
    calc.start();
    calc.restoreKeptState(state);
    for (const char mode : std::string_view(tavrik::kModeLetters)) {
        calc.switchMode(tavrik::ModeFromLetter(mode));
        for (int slot = 0; slot < 4; ++slot) {
            calc.ProcBtn(tavrik::kAllClear);
            view.beeps = 0;
            calc.recallMemory(slot);
            if (view.beeps != 0) continue;
            calc.PushBBtn(tavrik::kAdd);
            Require(view.beeps == 0);
        }
        calc.ProcBtn(tavrik::kAllClear);
        calc.PushBBtn(tavrik::kDigit9);
        calc.PushBBtn(tavrik::kAdd);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tavrik::KeptStateRead read = tavrik::ParseKeptState(text);
    Require(read.state.has_value() != !read.problem.empty());
    if (!read.state) return 0;
    const tavrik::KeptStateRead again = tavrik::ParseKeptState(tavrik::KeptStateText(*read.state));
    Require(again.state.has_value());
    Require(again.state->lists == read.state->lists && again.state->memory == read.state->memory &&
            again.state->counters == read.state->counters &&
            again.state->currentMemory == read.state->currentMemory);
    UseInTheCalculator(*read.state);
    return 0;
}
