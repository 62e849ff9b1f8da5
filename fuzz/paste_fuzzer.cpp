// Arbitrary clipboard text pasted in every mode: a text is either read whole
// or refused with a reason, and a number read once reads again as itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
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
        const tavrik::PastedNumber again = tavrik::ReadPastedNumber(ctx, pasted.text);
        Require(again.accepted() && again.text == pasted.text);
    }
    return 0;
}
