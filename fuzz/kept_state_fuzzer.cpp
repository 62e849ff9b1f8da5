// An arbitrary state file: refused with a reason, or read into a state whose
// own text reads back to the same state.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/kept_state.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
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
    return 0;
}
