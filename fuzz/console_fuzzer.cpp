// Arbitrary console commands that drive the keypad: key presses, function
// codes, memory and history buttons, the clock, and settings such as the
// display rounding (RoundM, RoundD), in every mode. Nothing may fault, whatever
// the mode, the clock or the rounding. Commands that name files are skipped, so
// that a run never writes outside the fuzzer's own memory.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "cli/command_words.h"
#include "cli/console.h"

namespace {

// The keypad's commands; the others read or write files, or drive the sheet,
// which the formula fuzzers cover.
bool DrivesTheKeypad(std::string_view line) {
    const auto [command, args] = tavrik::cli::SplitWord(line);
    if (command == "history") {
        const auto action = tavrik::cli::SplitWord(args).first;
        return action != "write" && action != "read";
    }
    for (std::string_view allowed :
         {"keys", "press", "mode", "now", "set", "memory", "display", "panel", "strip"})
        if (command == allowed) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view script(reinterpret_cast<const char*>(data), size);
    std::ostringstream out;
    tavrik::cli::Console console(out, std::nullopt);
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        if (DrivesTheKeypad(line)) console.run(line);
    }
    return 0;
}
